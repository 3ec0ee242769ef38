/*
 * Rigging mechanics library: the exported C interface of libriglink.so.
 *
 * The library holds one global model. Call mechInit, then mechSetArrayElems,
 * then mechCalculate, then the queries.
 *
 * It serves one caller at a time: the global model has no lock, so calls from
 * two threads at once tear each other's results (a list set by one thread is
 * calculated or queried by another). A program that evaluates rigs on several
 * threads must serialise the whole sequence, mechInit to the last query. No object crosses the boundary: only
 * doubles, integers, bytes and caller-owned records, written through pointers
 * that the library does not keep.
 *
 * Units: metres, kilograms, degrees; link strengths and link forces in
 * kilogram-force, so a safety factor is a plain ratio. A positive angle lifts
 * an element's front. Element numbers are 1-based.
 *
 * x86-64 has a single C calling convention, so the exports use it; every
 * integer is 32-bit signed, bytes are uint8_t, reals are IEEE binary64.
 */
#ifndef RIGLINK_MECHDLL5_H
#define RIGLINK_MECHDLL5_H

#include <stddef.h>
#include <stdint.h>

#if defined(__GNUC__) || defined(__clang__)
#define MECH_API __attribute__((visibility("default")))
#else
#define MECH_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Largest number of elements in one column (lift bar, grid and cabinets). */
#define MECH_MAX_ELEMS 30
/* Type codes run from 0 to MECH_MAX_TYPE_CODE. */
#define MECH_MAX_TYPE_CODE 34

/* Safety levels answered by mechSafetyLevel. */
#define MECH_LEVEL_SAFE 0
#define MECH_LEVEL_CAUTION 1
#define MECH_LEVEL_UNSAFE 2

/* A point of the side view; w is always 1.0. */
typedef struct TMechPoint {
  double x;
  double y;
  double w;
} TMechPoint;

/* One element of the caller's list: bytes 0 type code, 1-7 padding (ignored),
   8-15 the angle relative to the element above (ignored for element 1). */
typedef struct TMechElemSpec {
  uint8_t TypeCode;
  uint8_t Padding[7];
  double Angle;
} TMechElemSpec;

/* A front/rear pair of doubles: pick loads (kg), link forces (kgf), largest
   link forces (kgf) or safety factors. */
typedef struct TMechPair {
  double Front;
  double Rear;
} TMechPair;

/* Element numbers of the smallest front and the smallest rear safety factor. */
typedef struct TMechWeakElems {
  int32_t Front;
  int32_t Rear;
} TMechWeakElems;

/* Fills the element-type table; returns 1. */
MECH_API int32_t mechInit(void);

/* Stores Count (1..30) records of Elems, the target angle of the whole column
   and the mode byte (read by nothing). Reads only Count records. Returns 1, or
   0 (and changes nothing) for a null pointer, a count outside 1..30, a type
   code above 34, a non-finite angle (the target, or any element's but the
   first's), or a table not yet filled by mechInit. */
MECH_API int32_t mechSetArrayElems(const TMechElemSpec *Elems, int32_t Count,
                                   double Angle, uint8_t Mode);

/* Solves the stored list; returns 1, or 0 when no list is stored. It moves
   the element points in place: a second call without a new list turns the
   column again. */
MECH_API int32_t mechCalculate(void);

/* Loads on the top element's front and rear pick points (kg). */
MECH_API void mechPickLoad(TMechPair *Out);

/* Link forces of element Index at the points as they stand; stores that
   element's safety factors. An Index outside 1..element count writes zeros. */
MECH_API void mechForce(TMechPair *Out, int32_t Index);

/* The largest front and rear link forces (signed); recomputes and stores the
   safety factors of every element. */
MECH_API void mechmaxForce(TMechPair *Out);

/* The link-force calculation of element Index without storing anything: the
   seven intermediate values. Null pointers are skipped; an Index outside
   1..element count writes zeros. */
MECH_API void mechExamineInternalForce(int32_t Index, double *F, double *Fx,
                                       double *Fy, double *FrontForce,
                                       double *RearForce, double *FrontSF,
                                       double *RearSF);

/* Safety factors of element Index as last stored; zeros for a bad Index. */
MECH_API void mechSafetyFactor(TMechPair *Out, int32_t Index);

/* Recomputes every element's safety factors and the weakest elements and
   writes the smallest front and rear safety factors. */
MECH_API void mechMinSafetyFactor(TMechPair *Out);

/* 0 safe, 1 caution, 2 unsafe. Recomputes the safety factors and the weakest
   elements. Answers 2 for a model not solved since its list was stored. */
MECH_API uint8_t mechSafetyLevel(void);

MECH_API void mechWeakElem(TMechWeakElems *Out);

/* Total mass of the column (kg). */
MECH_API double mechMass(void);

/* Centre of gravity after the final rotation by the target angle. */
MECH_API void mechCOG(TMechPoint *Out);

/* Centre of gravity before the final rotation. */
MECH_API void mechZCOG(TMechPoint *Out);

/* The 30 hole angles of the top lift bar (degrees); zeros where nothing is
   published. Out must hold MECH_MAX_ELEMS doubles. */
MECH_API void mechLiftBarAngles(double *Out);

/* Hole angle Index (1..30); 0.0 for another Index. */
MECH_API double mechLiftBarAngle(int32_t Index);

/* The hole whose angle lies nearest the target angle (within 2.5 degrees), or
   -1. */
MECH_API int32_t mechLiftBarBestHole(void);

#ifdef __cplusplus
} /* extern "C" */
#endif

/* The records cross the library boundary: their layout is fixed. */
#ifdef __cplusplus
static_assert(sizeof(TMechElemSpec) == 16, "TMechElemSpec is 16 bytes");
static_assert(offsetof(TMechElemSpec, TypeCode) == 0, "type code at byte 0");
static_assert(offsetof(TMechElemSpec, Angle) == 8, "angle at byte 8");
static_assert(sizeof(TMechPoint) == 24 && offsetof(TMechPoint, y) == 8 &&
                  offsetof(TMechPoint, w) == 16,
              "TMechPoint is x, y, w");
static_assert(sizeof(TMechPair) == 16 && offsetof(TMechPair, Rear) == 8,
              "TMechPair is front, rear");
static_assert(sizeof(TMechWeakElems) == 8 && offsetof(TMechWeakElems, Rear) == 4,
              "TMechWeakElems is front, rear");
#else
_Static_assert(sizeof(TMechElemSpec) == 16, "TMechElemSpec is 16 bytes");
_Static_assert(offsetof(TMechElemSpec, TypeCode) == 0, "type code at byte 0");
_Static_assert(offsetof(TMechElemSpec, Angle) == 8, "angle at byte 8");
_Static_assert(sizeof(TMechPoint) == 24 && offsetof(TMechPoint, y) == 8 &&
                   offsetof(TMechPoint, w) == 16,
               "TMechPoint is x, y, w");
_Static_assert(sizeof(TMechPair) == 16 && offsetof(TMechPair, Rear) == 8,
               "TMechPair is front, rear");
_Static_assert(sizeof(TMechWeakElems) == 8 && offsetof(TMechWeakElems, Rear) == 4,
               "TMechWeakElems is front, rear");
#endif

#endif /* RIGLINK_MECHDLL5_H */
