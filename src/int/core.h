// The four core safeint operations on raw values. The exported core
// operators, the mixed overloads (after converting their plain operand) and
// operator/= all call these directly, so every binary test lives here once.
//
// Every path is free of signed overflow: magnitudes are taken in 64 bits, so
// -2147483648 (an ordinary value whose magnitude does not fit in an int) is
// handled as the number it is.
#ifndef SAFENUM_SRC_INT_CORE_H
#define SAFENUM_SRC_INT_CORE_H

#include <cstdint>

#include "limits/limits.h"

namespace safenum {
namespace detail {

// Half-sum limit of the addition: the half-sum, rounded to single
// precision, saturates at or beyond this magnitude.
constexpr double kIntHalfSumLimit = 1073741823.5;
// Limit of the subtraction's overflow test on the halves.
constexpr double kIntHalfDifferenceLimit = 1073741823.0;

// Bounds of the fast paths of the sum and the difference: an exact result
// strictly inside them cannot meet any of the ladder's overflow tests.
constexpr std::int64_t kIntSumSafeLimit = 2147483584;
constexpr std::int64_t kIntDifferenceSafeLimit = 2147483646;

inline bool is_saturated_int(int v) { return v == kIntSaturatedPos || v == kIntSaturatedNeg; }

// Neither saturated nor -2147483648: strictly inside +-MAX. One unsigned
// comparison after a shift of the range.
inline bool is_ordinary_int(int v) {
  constexpr std::uint32_t largest = kIntCeiling - 1;
  return static_cast<std::uint32_t>(v) + largest < 2 * largest + 1;
}

// -limit < v < limit, as one unsigned comparison.
inline bool is_inside(std::int64_t v, std::int64_t limit) {
  return static_cast<std::uint64_t>(v + (limit - 1)) < static_cast<std::uint64_t>(2 * (limit - 1) + 1);
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
// one sign are tested on their half-sum rounded to single precision, so a
// sum of two positives saturates from 2147483584 on; operands of opposite
// signs, or a zero, always give their exact sum.
//
// The common case comes first: two ordinary operands whose exact sum lies
// strictly inside +-kIntSumSafeLimit. There the rounded half-sum stays below
// 2^30 (the float just under it is 2^30 - 64), so no test of the ladder
// could fire, and the fast path branches only on a condition that is almost
// always true.
inline int add(int a, int b) {
  const std::int64_t sum = std::int64_t{a} + b;
  if (is_ordinary_int(a) && is_ordinary_int(b) && is_inside(sum, kIntSumSafeLimit)) return narrow(sum);
  if (a == kIntSaturatedPos || b == kIntSaturatedPos) return kIntSaturatedPos;
  if (a == kIntSaturatedNeg || b == kIntSaturatedNeg) return kIntSaturatedNeg;
  // a / 2.0 + b / 2.0 is exact in double; the one rounding is to float.
  const float h = static_cast<float>(a / 2.0 + b / 2.0);
  if (a > 0 && b > 0 && h >= kIntHalfSumLimit) return kIntSaturatedPos;
  if (a < 0 && b < 0 && h <= -kIntHalfSumLimit) return kIntSaturatedNeg;
  return narrow(sum);  // fits: the tests above caught the rest
}

// Difference. A saturated operand decides, towards +MAX first. Operands of
// opposite signs are tested on their halves: the magnitude of the negative
// one halved exactly (only a negative b), the others halved toward zero.
//
// Both half tests need a difference of magnitude 2147483646 or more, so two
// ordinary operands whose exact difference lies strictly inside
// +-kIntDifferenceSafeLimit take it without further tests.
inline int subtract(int a, int b) {
  const std::int64_t d = std::int64_t{a} - b;
  if (is_ordinary_int(a) && is_ordinary_int(b) && is_inside(d, kIntDifferenceSafeLimit)) return narrow(d);
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
  const std::int64_t q = std::int64_t{a} / b;  // truncates toward zero
  // -2147483648 / -1 is the one quotient that does not fit.
  if (q > kIntCeiling) return kIntSaturatedPos;
  return narrow(q);
}

}  // namespace detail
}  // namespace safenum

#endif  // SAFENUM_SRC_INT_CORE_H
