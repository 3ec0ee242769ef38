/* The library's interface compiled as C: every export called, starting with
   queries on a model that holds no list yet. */
#include <math.h>
#include <stdio.h>
#include <string.h>

#include "riglink/mechdll5.h"

static int failures = 0;

#define CHECK(cond)                                              \
  do {                                                           \
    if (!(cond)) {                                               \
      fprintf(stderr, "%s:%d: failed: %s\n", __FILE__, __LINE__, #cond); \
      ++failures;                                                \
    }                                                            \
  } while (0)

static int near(double actual, double quoted, double tol) { return fabs(actual - quoted) <= tol; }

int main(void) {
  TMechPair pair;
  TMechPoint point;
  TMechWeakElems weak;
  double angles[MECH_MAX_ELEMS];
  double v[7];

  /* Nothing stored yet: zeros, no hole, unsafe. */
  CHECK(mechCalculate() == 0);
  mechPickLoad(&pair);
  CHECK(pair.Front == 0.0 && pair.Rear == 0.0);
  mechForce(&pair, 1);
  CHECK(pair.Front == 0.0 && pair.Rear == 0.0);
  mechSafetyFactor(&pair, 1);
  CHECK(pair.Front == 0.0 && pair.Rear == 0.0);
  mechWeakElem(&weak);
  CHECK(weak.Front == 0 && weak.Rear == 0);
  CHECK(mechMass() == 0.0);
  mechCOG(&point);
  CHECK(point.x == 0.0 && point.y == 0.0);
  CHECK(mechLiftBarBestHole() == -1);
  CHECK(mechSafetyLevel() == MECH_LEVEL_UNSAFE);

  /* One Arvo cabinet, level. */
  TMechElemSpec elems[MECH_MAX_ELEMS];
  memset(elems, 0, sizeof elems);
  elems[0].TypeCode = 0;
  CHECK(mechSetArrayElems(elems, 1, 0.0, 0) == 0); /* table not filled yet */
  CHECK(mechInit() == 1);
  CHECK(mechSetArrayElems(elems, 1, 0.0, 0) == 1);
  CHECK(mechSafetyLevel() == MECH_LEVEL_UNSAFE); /* not solved */
  CHECK(mechCalculate() == 1);

  mechPickLoad(&pair);
  CHECK(near(pair.Front, 63.572, 5e-4) && near(pair.Rear, 63.428, 5e-4));
  mechForce(&pair, 1);
  CHECK(near(pair.Front, 38.143, 5e-4) && near(pair.Rear, 38.057, 5e-4));
  mechmaxForce(&pair);
  CHECK(near(pair.Front, 38.143, 5e-4) && near(pair.Rear, 38.057, 5e-4));
  mechExamineInternalForce(1, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6]);
  CHECK(near(v[0], 63.428, 5e-4) && near(v[3], 38.143, 5e-4) && near(v[4], 38.057, 5e-4));
  CHECK(near(v[5], 223.914, 5e-4) && near(v[6], 313.710, 5e-4));
  mechSafetyFactor(&pair, 1);
  CHECK(near(pair.Front, 223.914, 5e-4) && near(pair.Rear, 313.710, 5e-4));
  mechMinSafetyFactor(&pair);
  CHECK(near(pair.Front, 223.914, 5e-4) && near(pair.Rear, 313.710, 5e-4));
  CHECK(mechSafetyLevel() == MECH_LEVEL_SAFE);
  mechWeakElem(&weak);
  CHECK(weak.Front == 1 && weak.Rear == 1);
  CHECK(mechMass() == 127.0);
  mechCOG(&point);
  CHECK(near(point.x, -0.352, 1e-9) && near(point.y, -0.25, 1e-9) && point.w == 1.0);
  mechZCOG(&point);
  CHECK(near(point.x, -0.352, 1e-9) && near(point.y, -0.25, 1e-9));
  mechLiftBarAngles(angles);
  for (int j = 0; j < MECH_MAX_ELEMS; ++j) CHECK(angles[j] == 0.0);
  CHECK(mechLiftBarAngle(1) == 0.0);
  CHECK(mechLiftBarBestHole() == -1);

  /* Lift bar over grid and three cabinets. */
  const uint8_t codes[5] = {13, 7, 4, 4, 4};
  const double turns[5] = {0.0, 0.0, 0.0, -3.0, -5.0};
  for (int i = 0; i < 5; ++i) {
    elems[i].TypeCode = codes[i];
    elems[i].Angle = turns[i];
  }
  CHECK(mechSetArrayElems(elems, 5, -2.0, 0) == 1);
  CHECK(mechCalculate() == 1);
  CHECK(mechLiftBarBestHole() == 6);
  CHECK(near(mechLiftBarAngle(1), 19.487, 5e-4));
  CHECK(near(mechLiftBarAngle(6), -0.667, 5e-4));
  CHECK(mechLiftBarAngle(31) == 0.0);

  /* Bad input through the C interface. */
  elems[2].TypeCode = 35;
  CHECK(mechSetArrayElems(elems, 5, -2.0, 0) == 0);
  CHECK(mechSetArrayElems(elems, 0, -2.0, 0) == 0);
  CHECK(mechSetArrayElems(elems, 5, NAN, 0) == 0);
  CHECK(mechLiftBarBestHole() == 6);

  if (failures) {
    fprintf(stderr, "%d failures\n", failures);
    return 1;
  }
  puts("C interface: all 17 exports answered");
  return 0;
}
