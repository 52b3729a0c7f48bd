// The two ways a plain floating number becomes a safeint value. The binary
// operators convert their float and double operands through these as well.
#ifndef SAFENUM_INT_CONVERT_H
#define SAFENUM_INT_CONVERT_H

#include "safenum/limits/limits.h"
#include "safenum/common/runtime.h"

namespace safenum {
namespace detail {

// Rounds to the nearest integer with exact halves toward zero. Anything not
// strictly inside (lower, upper) saturates; a NaN fails "x > lower" and so
// becomes the negative saturated value. Inside the limits the truncation is
// in range and the one-step correction cannot leave the 32-bit range.
inline int round_halves_toward_zero(double x, double upper, double lower) {
  if (x >= upper) return kIntSaturatedPos;
  if (!(x > lower)) return kIntSaturatedNeg;
  const int v = static_cast<int>(x);  // truncates; in range here
  const double fraction = x - v;       // exact, and of x's sign
  // A step away from zero past a half, chosen without a branch: the
  // fraction of an ordinary operand is anything at all.
  return v + (fraction > 0.5) - (fraction < -0.5);
}

// The float limits are +-2^31, a single-precision constant; the double
// limits are the saturated values.
inline int round_from_float(float x) {
  return round_halves_toward_zero(x, kIntRangeEnd, -kIntRangeEnd);
}

inline int round_from_double(double x) {
  return round_halves_toward_zero(x, kIntSaturatedPos, kIntSaturatedNeg);
}

// Truncates toward zero; a magnitude of 2147483647.0 or more gives the
// saturated value of its sign. A NaN would reach an out-of-range conversion,
// so it stores the negative saturated value, as the constructors do.
inline int truncate_from_double(double x) {
  if (rt::isnan(x)) return kIntSaturatedNeg;
  double mag = rt::fabs(x);
  int v = mag >= kIntSaturatedPos ? kIntSaturatedPos : static_cast<int>(mag);
  return x < 0 ? -v : v;
}

}  // namespace detail
}  // namespace safenum

#endif  // SAFENUM_INT_CONVERT_H
