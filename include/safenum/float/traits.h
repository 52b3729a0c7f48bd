// SPDX-License-Identifier: BSL-1.0
// The twin floating classes share every algorithm; what differs between them
// is gathered here in one small traits type per class. Also here: the
// comparison forms that every floating threshold test is read in.
#ifndef SAFENUM_FLOAT_TRAITS_H
#define SAFENUM_FLOAT_TRAITS_H

#include "safenum/float/lane.h"
#include "safenum/common/access.h"
#include "safenum/limits/limits.h"
#include "safenum/common/runtime.h"

namespace safenum {
namespace detail {

struct safefloat_traits {
  using object = safefloat;
  using stored = float;
  static constexpr double ceiling = kFloatCeiling;                 // C
  static constexpr double smallest_normal = kFloatSmallestNormal;  // m
  // 2^p, p the fraction bits: a subnormal magnitude times it is normal.
  static constexpr double subnormal_scale = kFloatSmallestNormal / FLT_TRUE_MIN;
  // A product of two values of the class is exact in double precision.
  static constexpr bool exact_product = true;
  // The lane of the ladders that run in the class's own precision.
  using native_lane = single_lane;
  static native_lane load(stored v) { return single_lane_of(v); }
  // A test made on double lanes, as a mask for the native lanes.
  static single_mask native_mask(lane_mask m) { return single_mask_of(m); }
  // A lane's value as the field holds it: a double rounded once to single.
  // Every double lane stored here is a saturated one: within the single
  // range, or a NaN.
  static stored store(lane v) { return static_cast<float>(value_of(v)); }
  static stored store(single_lane v) { return value_of(v); }
  static object make(stored v) { return access::make_float(v); }
};

struct safedouble_traits {
  using object = safedouble;
  using stored = double;
  static constexpr double ceiling = kDoubleCeiling;
  static constexpr double smallest_normal = kDoubleSmallestNormal;
  static constexpr double subnormal_scale = kDoubleSmallestNormal / DBL_TRUE_MIN;
  static constexpr bool exact_product = false;
  using native_lane = lane;
  static native_lane load(stored v) { return lane_of(v); }
  static stored store(lane v) { return value_of(v); }
  static object make(stored v) { return access::make_double(v); }
};

// The three comparison forms of every floating threshold test. A NaN on
// either side counts as below and as equal, never as above.
inline bool below(double x, double y) { return !(x >= y); }
// The two halves of "equal" are combined without a branch between them.
inline bool equal_or_nan(double x, double y) {
  return (static_cast<int>(!(x < y)) & static_cast<int>(!(x > y))) != 0;
}
inline bool above(double x, double y) { return x > y; }

}  // namespace detail
}  // namespace safenum

#endif  // SAFENUM_FLOAT_TRAITS_H
