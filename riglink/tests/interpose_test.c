/* A lift bar (hole choice enforced) over a grid and three cabinets whose best
   hole lies within tolerance: the rig is safe. A function of the same name,
   loaded ahead of the library, claims there is no usable hole; the library's
   grading must not be swayed by it. */
#include <stdio.h>
#include <string.h>

#include "riglink/mechdll5.h"

int main(void) {
  TMechElemSpec elems[5];
  memset(elems, 0, sizeof elems);
  const uint8_t codes[5] = {13, 7, 4, 4, 4};
  const double angles[5] = {0.0, 0.0, 0.0, -3.0, -5.0};
  for (int i = 0; i < 5; ++i) {
    elems[i].TypeCode = codes[i];
    elems[i].Angle = angles[i];
  }
  if (mechInit() != 1 || mechSetArrayElems(elems, 5, -2.0, 0) != 1 || mechCalculate() != 1) {
    fprintf(stderr, "set-up failed\n");
    return 1;
  }
  /* The stand-in is really in effect for the program's own calls. */
  if (mechLiftBarBestHole() != -1) {
    fprintf(stderr, "stand-in not in effect; the test proves nothing\n");
    return 1;
  }
  const uint8_t level = mechSafetyLevel();
  if (level != MECH_LEVEL_SAFE) {
    fprintf(stderr, "safety level %d: the library called the stand-in\n", level);
    return 1;
  }
  puts("library grades with its own best-hole routine");
  return 0;
}
