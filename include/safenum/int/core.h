// SPDX-License-Identifier: BSL-1.0
// The four core safeint operations on raw values, shared by the exported
// core operators (and so by every mixed overload) and, for the quotient, by
// operator/=. Each ladder reads in the order of its rules, first rung
// first, and is evaluated as selections (common/first_match.h).
//
// Every path is free of signed overflow: sums, differences, products and
// magnitudes are taken in 64 bits, so -2147483648 (an ordinary value whose
// magnitude does not fit in an int) takes part as the number it is. There
// is no 64-bit division: 32-bit x86 would need a runtime helper for it.
#ifndef SAFENUM_INT_CORE_H
#define SAFENUM_INT_CORE_H

#include "safenum/common/first_match.h"
#include "safenum/limits/limits.h"
#include "safenum/common/runtime.h"

namespace safenum {
namespace detail {

// 1073741823, the limit of the tests on halves.
constexpr int kIntHalfCeiling = kIntCeiling / 2;

inline bool is_saturated_int(int v) { return (v == kIntSaturatedPos) | (v == kIntSaturatedNeg); }

// Magnitude in 64 bits: exact for -2147483648 as well.
inline rt::int64_t magnitude_int(int v) {
  const rt::int64_t w = v;
  return w < 0 ? -w : w;
}

// The saturated value of the sign factor s: +MAX when the operands' signs
// agree, else -MAX. A zero counts as non-negative.
inline int saturated_of_sign(int a, int b) {
  return (a < 0) != (b < 0) ? kIntSaturatedNeg : kIntSaturatedPos;
}

// A 64-bit result as an int: its low 32 bits. Each ladder takes it only
// where an earlier rung has caught every result beyond the int range.
inline int low_bits(rt::int64_t v) { return static_cast<int>(static_cast<rt::uint32_t>(v)); }

// Both operands in [-2^29, 2^29): shifted by 2^29, both lie below 2^30
// exactly when their OR does. Neither is then a saturated value or
// -2147483648, and their sum and difference lie below 2^30 in magnitude.
//
// The sum, the difference and the quotient test it first, with one jump
// that ordinary operands take the same way, and take the last rung of their
// ladder at once where no earlier rung can fire; only the others climb the
// ladder, which has no jump.
inline bool both_in_small_window(int a, int b) {
  constexpr rt::uint32_t kHalfWindow = 1u << 29;
  const rt::uint32_t shifted_a = static_cast<rt::uint32_t>(a) + kHalfWindow;
  const rt::uint32_t shifted_b = static_cast<rt::uint32_t>(b) + kHalfWindow;
  return ((shifted_a | shifted_b) >> 30) == 0;
}

// The sum's overflow test: the half-sum a/2 + b/2, exact in double and then
// rounded to single precision, reaches 1073741823.5, that is, rounds to
// 2^30 or beyond. Single-precision values just below 2^30 are 64 apart, so
// that happens exactly when the exact sum is at least 2^31 - 64;
// symmetrically for -1073741823.5. Where the signs agree, the sum taken
// modulo 2^32 in 32 unsigned bits is the exact sum for two positive
// operands, and the exact sum plus 2^32 for two negative ones (0 for
// -2^32, which is beyond the limit either way).
constexpr rt::uint32_t kIntSumLimit = (rt::uint32_t{1} << 31) - 64;  // 2147483584

// Sum.
inline int add(int a, int b) {
  if (both_in_small_window(a, b)) return a + b;
  const rt::uint32_t sum = static_cast<rt::uint32_t>(a) + static_cast<rt::uint32_t>(b);
  const bool half_sum_reaches_limit = sum >= kIntSumLimit;
  const bool half_sum_reaches_minus_limit = sum <= 0u - kIntSumLimit;
  return first_match(
      // An operand at MAX: MAX. This comes first, so MAX + -MAX gives MAX.
      rung((a == kIntSaturatedPos) | (b == kIntSaturatedPos), kIntSaturatedPos),
      // An operand at -MAX: -MAX.
      rung((a == kIntSaturatedNeg) | (b == kIntSaturatedNeg), kIntSaturatedNeg),
      // Both above zero with the half-sum at or beyond 1073741823.5: MAX.
      rung((a > 0) & (b > 0) & half_sum_reaches_limit, kIntSaturatedPos),
      // Both below zero with the half-sum at or beyond -1073741823.5: -MAX.
      rung((a < 0) & (b < 0) & half_sum_reaches_minus_limit, kIntSaturatedNeg),
      // Otherwise the exact sum, which then fits.
      static_cast<int>(sum));
}

// Difference. Its overflow tests, on halves truncated toward zero, read in
// whole numbers (odd(x) is 1 for an odd x, else 0):
//   a > 0 > b:  |b|/2 + trunc(a/2) >= 1073741823
//               <=>  |b| + a - odd(a) >= 2147483646  <=>  a - b >= 2147483646 + odd(a);
//   a < 0 < b:  trunc(b/2) + |trunc(a/2)| >= 1073741823
//               <=>  b - a >= 2147483646 + odd(a) + odd(b)  <=>  b - a >= 2147483646 + odd(a),
// the last since b - a has the parity of odd(a) + odd(b): with odd(b) = 1
// it is never 2147483646 + odd(a). So both test |a - b| against one limit,
// 2147483646 + odd(a). Where the signs differ, |a - b| lies below 2^32, so
// a - b and b - a taken modulo 2^32 in 32 unsigned bits are the exact
// magnitudes.
constexpr rt::uint32_t kIntDifferenceLimit = 2u * kIntHalfCeiling;  // 2147483646

inline int subtract(int a, int b) {
  if (both_in_small_window(a, b)) return a - b;
  const rt::uint32_t ua = static_cast<rt::uint32_t>(a), ub = static_cast<rt::uint32_t>(b);
  const rt::uint32_t upward = ua - ub, downward = ub - ua;
  const rt::uint32_t limit = kIntDifferenceLimit + (ua & 1u);
  return first_match(
      // a at MAX or b at -MAX: MAX. This comes first, so MAX - MAX gives MAX.
      rung((a == kIntSaturatedPos) | (b == kIntSaturatedNeg), kIntSaturatedPos),
      // a at -MAX or b at MAX: -MAX.
      rung((a == kIntSaturatedNeg) | (b == kIntSaturatedPos), kIntSaturatedNeg),
      // a above zero, b below it, and their halves at least 1073741823: MAX.
      rung((a > 0) & (b < 0) & (upward >= limit), kIntSaturatedPos),
      // a below zero, b above it, and their halves at least 1073741823: -MAX.
      rung((a < 0) & (b > 0) & (downward >= limit), kIntSaturatedNeg),
      // 0 - -2147483648, the one difference the tests above let through:
      // its 2^31 does not fit and takes the positive saturated value.
      rung((a == 0) & (b == kIntMostNegative), kIntSaturatedPos),
      // Otherwise the exact difference.
      static_cast<int>(upward));
}

// Product. Its exact product inside (-MAX, MAX) is the result, whatever
// the factors: there a zero factor gives 0 and a factor of one the other
// factor, as their rungs do, and no saturated factor or -2147483648 gets
// there but beside a zero. So that case takes the product at once, with one
// jump that ordinary operands take the same way, and only the others climb
// the ladder, which has no jump.
inline bool is_inside_int_range(rt::int64_t v) { return v > -kIntCeiling && v < kIntCeiling; }

inline int multiply(int a, int b) {
  const rt::int64_t product = rt::int64_t{a} * b;
  if (is_inside_int_range(product)) return low_bits(product);
  // The overflow test, |a| not below MAX / |b| divided in double, is exact
  // for magnitudes up to 2^31 (the rounded quotient reaches |a| only where
  // the exact product is MAX or more: a product below MAX leaves MAX / |b|
  // beyond |a| by more than |a|'s half unit), so it is made on the exact
  // product, without the division.
  const bool product_reaches_max = (product >= kIntCeiling) | (product <= -kIntCeiling);
  const int saturated = saturated_of_sign(a, b);
  // A zero factor's rung (0, also beside a saturated factor) is the first
  // of the rules; its product, 0, is always taken at once above.
  return first_match(
      // A factor of one: the other factor unchanged, saturated or not.
      rung((a == 1) | (b == 1), low_bits(product)),
      // A saturated factor's rung (s*MAX) is left to the next: beside any
      // factor but 0 and 1, taken above, the product reaches MAX.
      // |a| not below MAX / |b|, the product reaching MAX: s*MAX. With
      // 64-bit magnitudes, -2147483648 takes part as 2^31 on either side.
      rung(product_reaches_max, saturated),
      // Otherwise the exact product.
      low_bits(product));
}

// Quotient, shared by operator/ and operator/=. The two divisions that
// would trap are never made, and their rungs decide the result: a zero
// divisor is replaced by 1, and -2147483648 / -1 becomes -2147483647 / -1.
inline int divide(int a, int b) {
  // Two nonzero operands in the small window: no rung but the last fires.
  if (both_in_small_window(a, b) & (a != 0) & (b != 0)) return a / b;
  const bool a_saturated = is_saturated_int(a), b_saturated = is_saturated_int(b);
  const bool beyond_range = (a == kIntMostNegative) & (b == -1);
  const int quotient = (a + beyond_range) / (b | (b == 0));
  return first_match(
      // A zero dividend: 0, whatever the divisor.
      rung(a == 0, 0),
      // A saturated dividend, or a zero divisor: s*MAX.
      rung(a_saturated | (b == 0), saturated_of_sign(a, b)),
      // A saturated divisor: 0.
      rung(b_saturated, 0),
      // -2147483648 / -1, whose 2^31 does not fit: the positive saturated
      // value.
      rung(beyond_range, kIntSaturatedPos),
      // Otherwise the quotient, truncated toward zero.
      quotient);
}

}  // namespace detail
}  // namespace safenum

#endif  // SAFENUM_INT_CORE_H
