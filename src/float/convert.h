// Conversions of the floating classes, written once over the traits type.
#ifndef SAFENUM_SRC_FLOAT_CONVERT_H
#define SAFENUM_SRC_FLOAT_CONVERT_H

#include "float/traits.h"
#include "module/runtime.h"

namespace safenum {
namespace detail {

// T of the rounding to int: 2^31, a single-precision constant.
constexpr double kNintLimit = 0x1p31;
// The same limit for the rounded whole number, held in 64 bits.
constexpr std::int64_t kNintWholeLimit = static_cast<std::int64_t>(kNintLimit);
// The smallest magnitude that IEEE rounding to nearest sends past FLT_MAX to
// infinity: the midpoint between FLT_MAX and 2^128, which rounds to even.
constexpr double kSingleOverflowThreshold = 0x1.ffffffp127;
// Truncation to int is in range strictly between these two.
constexpr double kTruncIntUpper = 0x1p31;
constexpr double kTruncIntLower = -0x1p31 - 1.0;

// nint: the nearest integer with exact halves away from zero, the rounding a
// fixed-point decimal conversion makes on the exact digits (the first
// fractional digit is 5 or more exactly when the fraction is at least 0.5).
// At and beyond 2^31 the result saturates to 0x7fffffff, below -2^31 to
// 0x80000001. A rounded magnitude of 2^31, one past the int range, takes the
// saturated value of its sign, the value just beyond gives. A NaN of either
// class gives 0x7fffffff.
inline int nint_of(double a) {
  if (!above(kNintLimit, a)) return kIntSaturatedPos;
  if (above(-1.0 * kNintLimit, a)) return kIntSaturatedNeg;
  // Strictly inside +-2^31 the truncation fits in 64 bits (and in 32) and
  // the fraction is exact. The step away from zero is taken without a
  // branch, since the fraction of an ordinary value is anything at all.
  const std::int64_t whole = static_cast<std::int64_t>(a);
  const double fraction = a - static_cast<double>(whole);
  const std::int64_t rounded = whole + (fraction >= 0.5) - (fraction <= -0.5);
  if (rounded >= kNintWholeLimit) return kIntSaturatedPos;
  if (rounded <= -kNintWholeLimit) return kIntSaturatedNeg;
  return static_cast<int>(rounded);
}

// Plain truncation toward zero. Outside the int range, and for a NaN, the
// result is 0x80000000, the value an x86 truncating conversion yields, but
// reached without an out-of-range conversion.
inline int truncate_to_int(double a) {
  if (a < kTruncIntUpper && a > kTruncIntLower) return static_cast<int>(a);
  return kIntMostNegative;
}

// The ordinary conversion to single precision, to nearest; a magnitude that
// rounds past FLT_MAX becomes the infinity of its sign.
inline float to_single(double a) {
  if (std::fabs(a) >= kSingleOverflowThreshold) {
    return a < 0 ? -HUGE_VALF : HUGE_VALF;
  }
  return static_cast<float>(a);
}

// The same conversion of a lane. The SSE2 instruction rounds exactly so, a
// magnitude past FLT_MAX becoming infinity, with no jump.
#if SAFENUM_SSE2_LANES
inline float to_single(lane a) { return _mm_cvtss_f32(_mm_cvtsd_ss(_mm_setzero_ps(), a.v)); }
#else
inline float to_single(lane a) { return to_single(a.v); }
#endif

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

#endif  // SAFENUM_SRC_FLOAT_CONVERT_H
