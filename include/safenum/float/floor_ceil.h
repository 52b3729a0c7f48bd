// Floor and ceiling of a double, exact, computed by the library itself on
// the lanes (float/lane.h): no C runtime's floor or ceil, so every build
// gives the same bits, and SSE2 suffices where the lanes are SSE2.
//
// From the value truncated toward zero t, the floor is t - 1 where t lies
// above x and the ceiling t + 1 where t lies below it, else t itself; a
// zero keeps its sign (the ceiling of -0.5 is -0.0, as the subtraction of
// +0.0 leaves it), and a NaN comes back quiet with its payload, from the
// subtraction.
#ifndef SAFENUM_FLOAT_FLOOR_CEIL_H
#define SAFENUM_FLOAT_FLOOR_CEIL_H

#include "safenum/float/lane.h"

namespace safenum {
namespace detail {

inline double floor_of(double v) {
  const lane x = lane_of(v), t = truncated(x);
  return value_of(t - only_where(above(t, x), lane::of(1.0)));
}

// below() also holds for a NaN, whose result is then NaN + 1: quiet, with
// its payload.
inline double ceiling_of(double v) {
  const lane x = lane_of(v), t = truncated(x);
  return value_of(t - only_where(below(t, x), lane::of(-1.0)));
}

}  // namespace detail
}  // namespace safenum

#endif  // SAFENUM_FLOAT_FLOOR_CEIL_H
