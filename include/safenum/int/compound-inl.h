// safeint compound assignment: +=, *= and /=. Each reads both operands
// before its single store, so an object combined with itself behaves as if
// the right operand were a copy. The tests of += and *= are their own and
// differ at the edges from those of the binary + and *; /= shares the
// binary quotient.
#ifndef SAFENUM_INT_COMPOUND_INL_H
#define SAFENUM_INT_COMPOUND_INL_H

#include "safenum.h"
#include "safenum/common/first_match.h"
#include "safenum/common/runtime.h"
#include "safenum/int/core.h"
#include "safenum/limits/limits.h"

namespace safenum {
namespace detail {

// Halving rounded toward minus infinity: an arithmetic shift by one bit,
// which is what every compiler the library is built with does for a
// negative int (and what C++20 requires).
static_assert((-5 >> 1) == -3, "a right shift of a negative int is arithmetic");
inline int floor_half(int v) { return v >> 1; }

// Sum. A saturated operand decides, the positive one first. The only
// overflow test is on the sum of the two floored halves, so sums right at
// the limits saturate or not with the operands' parities.
//
// Two operands in the small window (core.h) have halves far inside the
// limits and are not saturated: they take their sum at once, with one jump
// that ordinary operands take the same way. The ladder has none.
inline int add_in_place(int a, int b) {
  if (both_in_small_window(a, b)) return a + b;
  const int h = floor_half(a) + floor_half(b);  // always fits
  return first_match(
      // An operand at MAX: MAX. This comes first, so MAX += -MAX gives MAX.
      rung((a == kIntSaturatedPos) | (b == kIntSaturatedPos), kIntSaturatedPos),
      // An operand at -MAX: -MAX.
      rung((a == kIntSaturatedNeg) | (b == kIntSaturatedNeg), kIntSaturatedNeg),
      // The halves at or beyond 1073741823: MAX.
      rung(h >= kIntHalfCeiling, kIntSaturatedPos),
      // The halves at or beyond -1073741823: -MAX.
      rung(h <= -kIntHalfCeiling, kIntSaturatedNeg),
      // Otherwise the sum, which then fits.
      low_bits(rt::int64_t{a} + b));
}

// Product with the strict quotient test: |a| must stay below MAX / |b|
// truncated, so a stored product is at most MAX - |b| in magnitude and some
// products that would fit saturate.
//
// For integers, |a| is below MAX / |b| truncated exactly when
// (|a| + 1) * |b| is at most MAX, so the test is made with a 64-bit product
// instead of a division; a product that passes it is taken at once. Of the
// others, a zero factor gives 0; a factor of one keeps -2147483648, the one
// left operand whose magnitude the test cannot hold; every other one has a
// saturated factor or fails the quotient test, and both give s*MAX.
inline int multiply_in_place(int a, int b) {
  if ((magnitude_int(a) + 1) * magnitude_int(b) <= kIntCeiling) return a * b;
  return first_match(
      // A zero factor: 0, also beside a saturated one.
      rung((a == 0) | (b == 0), 0),
      // -2147483648 *= 1 keeps its value.
      rung(b == 1, a),
      // A saturated factor, or |a| not below MAX / |b|: s*MAX.
      saturated_of_sign(a, b));
}

}  // namespace detail
}  // namespace safenum

SAFENUM_BEGIN_ABI

SAFENUM_FUNC safeint& safeint::operator+=(const safeint& rhs) {
  value_ = safenum::detail::add_in_place(value_, rhs.value_);
  return *this;
}

SAFENUM_FUNC safeint& safeint::operator*=(const safeint& rhs) {
  value_ = safenum::detail::multiply_in_place(value_, rhs.value_);
  return *this;
}

SAFENUM_FUNC safeint& safeint::operator/=(const safeint& rhs) {
  value_ = safenum::detail::divide(value_, rhs.value_);
  return *this;
}

SAFENUM_END_ABI

#endif  // SAFENUM_INT_COMPOUND_INL_H
