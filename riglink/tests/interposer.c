/* Stands in for the best-hole routine with "no usable hole". */
#include "riglink/mechdll5.h"

int32_t mechLiftBarBestHole(void) { return -1; }
