// Conversions of the floating classes, written once over the traits type.
#ifndef SAFENUM_FLOAT_CONVERT_H
#define SAFENUM_FLOAT_CONVERT_H

#include "safenum/float/lane.h"
#include "safenum/float/traits.h"
#include "safenum/limits/limits.h"
#include "safenum/common/runtime.h"

namespace safenum {
namespace detail {

// nint: the nearest integer with exact halves away from zero, the rounding a
// fixed-point decimal conversion makes on the exact digits (the first
// fractional digit is 5 or more exactly when the fraction is at least 0.5).
// At and beyond T = 2^31 the result saturates to 0x7fffffff, below -T to
// 0x80000001. A rounded magnitude of 2^31, one past the int range, takes the
// saturated value of its sign, the value just beyond gives. A NaN of either
// class gives 0x7fffffff.
inline int nint_of(double a) {
  if (!above(kIntRangeEnd, a)) return kIntSaturatedPos;
  if (above(-1.0 * kIntRangeEnd, a)) return kIntSaturatedNeg;
  // Strictly inside +-2^31 the truncation fits in 64 bits (and in 32) and
  // the fraction is exact. The step away from zero is taken without a
  // branch, since the fraction of an ordinary value is anything at all.
  const rt::int64_t whole = static_cast<rt::int64_t>(a);
  const double fraction = a - static_cast<double>(whole);
  const rt::int64_t rounded = whole + (fraction >= 0.5) - (fraction <= -0.5);
  if (rounded > kIntSaturatedPos) return kIntSaturatedPos;
  if (rounded < kIntSaturatedNeg) return kIntSaturatedNeg;
  return static_cast<int>(rounded);
}

// Plain truncation toward zero. Outside the int range, and for a NaN, the
// result is 0x80000000, the value an x86 truncating conversion yields, but
// reached without an out-of-range conversion.
inline int truncate_to_int(double a) {
  if (a < kIntRangeEnd && a > -kIntRangeEnd - 1.0) return static_cast<int>(a);
  return kIntMostNegative;
}

// The ordinary conversion to single precision, to nearest; a magnitude that
// rounds past FLT_MAX becomes the infinity of its sign.
inline float to_single(double a) { return value_of(single_of(lane_of(a))); }

// 1 when the value compares equal to +C or to -C in the class's precision;
// an unordered comparison counts as equal, so a NaN gives 1 too.
template <class Traits>
inline int is_saturated(typename Traits::stored v) {
  using stored = typename Traits::stored;
  const stored c = static_cast<stored>(Traits::ceiling);
  if (!(v < c) && !(v > c)) return 1;
  if (!(v < -c) && !(v > -c)) return 1;
  return 0;
}

}  // namespace detail
}  // namespace safenum

#endif  // SAFENUM_FLOAT_CONVERT_H
