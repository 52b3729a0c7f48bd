// The four core safeint operations on raw values. The exported core
// operators, the mixed overloads (after converting their plain operand) and
// operator/= all call these directly, so every binary test lives here once.
//
// Every path is free of signed overflow: magnitudes are taken in 64 bits, so
// -2147483648 (an ordinary value whose magnitude does not fit in an int) is
// handled as the number it is.
#ifndef SAFENUM_SRC_INT_CORE_H
#define SAFENUM_SRC_INT_CORE_H

#include "limits/limits.h"
#include "module/runtime.h"

namespace safenum {
namespace detail {

// Limit of the subtraction's overflow test on the halves.
constexpr double kIntHalfDifferenceLimit = 1073741823.0;

// The exact sum of two operands of one sign from which the addition's
// half-sum, rounded to single precision, reaches its limit 1073741823.5.
constexpr std::int64_t kIntSumLimit = 2147483584;

inline bool is_saturated_int(int v) { return v == kIntSaturatedPos || v == kIntSaturatedNeg; }

// -limit < v < limit, as one unsigned comparison.
inline bool is_inside(std::int64_t v, std::int64_t limit) {
  return static_cast<std::uint64_t>(v + (limit - 1)) <
         static_cast<std::uint64_t>(2 * (limit - 1) + 1);
}

// Both operands in [-2^29, 2^29), tested with one jump: shifted by 2^29,
// both lie below 2^30 exactly when their OR does. Their sum and difference
// are below 2^30 in magnitude, far from any overflow test, and neither is a
// saturated value or -2147483648.
inline bool both_in_small_window(int a, int b) {
  constexpr std::uint32_t kHalfWindow = 1u << 29;
  const std::uint32_t shifted_a = static_cast<std::uint32_t>(a) + kHalfWindow;
  const std::uint32_t shifted_b = static_cast<std::uint32_t>(b) + kHalfWindow;
  return ((shifted_a | shifted_b) >> 30) == 0;
}

// Magnitude in 64 bits: exact for -2147483648 as well.
inline std::int64_t magnitude_int(int v) {
  std::int64_t w = v;
  return w < 0 ? -w : w;
}

// The saturated value of sign s: +MAX when the operands' signs agree, else
// -MAX. A zero counts as non-negative.
inline int saturated_of_sign(int a, int b) {
  return (a < 0) != (b < 0) ? kIntSaturatedNeg : kIntSaturatedPos;
}

// A 64-bit result that is known to lie in the int range.
inline int narrow(std::int64_t v) { return static_cast<int>(v); }

// Sum. A saturated operand decides, the positive one first. Two operands of
// one sign are tested on their half-sum rounded to single precision; operands
// of opposite signs, or a zero, always give their exact sum.
//
// The half-sum a/2 + b/2 is exact in double, and the single-precision values
// around 2^30 are 64 apart, so it rounds to at least 1073741823.5 (that is,
// to 2^30) exactly when the exact sum is at least 2^31 - 64 = kIntSumLimit,
// and symmetrically for two negatives. So the ladder is a handful of
// comparisons on the exact sum, evaluated as selections: a jump on the
// operands' signs or sizes would be mispredicted on a mixed stream.
//
// "Both positive and the sum at least the limit" is "the sum at least the
// limit and above the larger operand"; likewise for two negatives. A -MAX
// operand beside -2147483648 is a negative overflow anyway, so only the
// smaller operand needs the test for -MAX.
inline int add_ladder(int a, int b) {
  const std::int64_t sum = std::int64_t{a} + b;
  const std::int64_t smaller = a < b ? a : b, larger = a < b ? b : a;
  const std::int64_t positive_limit = larger + 1 > kIntSumLimit ? larger + 1 : kIntSumLimit;
  const std::int64_t negative_limit = smaller - 1 < -kIntSumLimit ? smaller - 1 : -kIntSumLimit;
  std::int64_t r = sum;
  r = sum <= negative_limit ? kIntSaturatedNeg : r;
  r = smaller == kIntSaturatedNeg ? kIntSaturatedNeg : r;
  r = sum >= positive_limit ? kIntSaturatedPos : r;
  r = larger == kIntSaturatedPos ? kIntSaturatedPos : r;
  return narrow(r);  // fits: every sum beyond the int range saturated above
}

// The common case first, with one jump that is almost always taken the same
// way: two operands in the small window have an exact sum far inside the
// limits and are not saturated.
inline int add(int a, int b) {
  if (both_in_small_window(a, b)) return a + b;
  return add_ladder(a, b);
}

// Difference. A saturated operand decides, towards +MAX first. Operands of
// opposite signs are tested on their halves: the magnitude of the negative
// one halved exactly (only a negative b), the others halved toward zero.
//
// Two operands in the small window take their difference at once.
inline int subtract(int a, int b) {
  if (both_in_small_window(a, b)) return a - b;
  if (a == kIntSaturatedPos || b == kIntSaturatedNeg) return kIntSaturatedPos;
  if (a == kIntSaturatedNeg || b == kIntSaturatedPos) return kIntSaturatedNeg;
  if (a > 0 && b < 0) {
    const double t = static_cast<double>(magnitude_int(b)) / 2.0 + (a / 2);
    if (t >= kIntHalfDifferenceLimit) return kIntSaturatedPos;
  }
  if (a < 0 && b > 0) {
    const double t = static_cast<double>(b / 2) + static_cast<double>(magnitude_int(a / 2));
    if (t >= kIntHalfDifferenceLimit) return kIntSaturatedNeg;
  }
  const std::int64_t d = std::int64_t{a} - b;
  // Only 0 - -2147483648 escapes the tests above; its difference 2^31 does
  // not fit and becomes the positive saturated value.
  if (d > kIntCeiling) return kIntSaturatedPos;
  return narrow(d);
}

// Product. Zero wins over everything, a factor of one returns the other
// operand unchanged, a saturated factor gives the saturated value of the
// product's sign, and the quotient test in double is exact: any other
// product of magnitude MAX or more saturates.
//
// So every exact product of magnitude below MAX is the result, whatever the
// factors: a saturated factor or -2147483648 only gets there with a zero.
// The fast path takes those before the ladder, without its division.
inline int multiply(int a, int b) {
  const std::int64_t product = std::int64_t{a} * b;
  if (is_inside(product, kIntCeiling)) return narrow(product);
  if (a == 0 || b == 0) return 0;
  if (a == 1) return b;
  if (b == 1) return a;
  const int saturated = saturated_of_sign(a, b);
  if (is_saturated_int(a) || is_saturated_int(b)) return saturated;
  // With 64-bit magnitudes -2147483648 takes part as 2^31 on either side.
  const double q = static_cast<double>(kIntCeiling) / static_cast<double>(magnitude_int(b));
  if (static_cast<double>(magnitude_int(a)) >= q) return saturated;
  return narrow(product);
}

// Quotient, shared by operator/ and operator/=. Zero divided by anything is
// zero; a saturated dividend or a zero divisor gives the saturated value of
// the quotient's sign; a saturated divisor gives zero.
inline int divide(int a, int b) {
  if (a == 0) return 0;
  if (is_saturated_int(a) || b == 0) return saturated_of_sign(a, b);
  if (is_saturated_int(b)) return 0;
  // -2147483648 / -1 is the one quotient that does not fit; every other one
  // is the 32-bit quotient, truncated toward zero. (A 64-bit division would
  // need a runtime helper on 32-bit x86.)
  if (a == kIntMostNegative && b == -1) return kIntSaturatedPos;
  return a / b;
}

}  // namespace detail
}  // namespace safenum

#endif  // SAFENUM_SRC_INT_CORE_H
