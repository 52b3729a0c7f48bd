// The floating arithmetic, written once over the traits type and
// instantiated for both classes. Each ladder reads in the order of its
// rules, first rung first (common/first_match.h), every rung a comparison
// and a selection on lanes (float/lane.h). Where a rung's test is made in
// another form than its rule's, for speed, that form is one named piece
// just above the ladder, which says why it is the same test.
//
// Intermediate values and tests are doubles, except in the ladders that run
// in the class's own precision because they round the same there (each
// says why); only the stored value is rounded. The free operators deliver
// every result through the saturating construction (float/saturate.h); the
// compound members store theirs as computed.
//
// In every ladder a is the left operand, b the right one, A and B their
// magnitudes, C the ceiling, H the half ceiling, m the smallest normal
// magnitude, and s the sign factor: negative exactly when one operand is
// below zero and the other is not (a NaN counts as below zero, a zero of
// either sign does not).
#ifndef SAFENUM_FLOAT_ARITH_H
#define SAFENUM_FLOAT_ARITH_H

#include "safenum/float/lane.h"
#include "safenum/float/saturate.h"
#include "safenum/float/traits.h"
#include "safenum/common/runtime.h"

namespace safenum {
namespace detail {

// A magnitude of zero, or a NaN: the magnitude not above zero.
template <class L>
auto zero_or_nan(L magnitude) {
  return not_above(magnitude, L::of(0.0));
}

// The bit-pattern test for the ceiling: an ordered equality with C, which
// only C's own bits pass and a NaN never does.
template <class T, class L>
auto is_ceiling(L magnitude) {
  return same_number(magnitude, L::of(T::ceiling));
}

// ---------------------------------------------------------------------------
// Division
// ---------------------------------------------------------------------------

// The last three rungs of the division as one clamp of the quotient's
// magnitude. Their rules: a divisor below 1 with C*B not above A gives s*C;
// a divisor not below 1 with m*B not below A gives s*m; otherwise the
// quotient. C*B and m*B are exact (powers of two scaling into the normal
// range), so these test the exact quotient A/B against C and against m,
// and rounding to nearest keeps C and m and keeps order: the quotient's
// magnitude is limited, for a divisor below 1, to at most C and, for a
// divisor not below 1, to at least m (a NaN quotient, infinity by
// infinity, takes m, as its test does). B here is the divisor used.
template <class T, class L, class M>
L quotient_within_limits(L A, L B, M divisor_below_1, M negative) {
  const L upper = max(zero_where(divisor_below_1, L::of(HUGE_VAL)), L::of(T::ceiling));
  const L lower = zero_where(divisor_below_1, L::of(T::smallest_normal));
  return negated_where(negative, min(max(A / B, lower), upper));
}

// The division ladder, shared by operator/ and operator/=, which differ in
// the value of its first rung only: a new +0.0 for the operator, the left
// value itself for the member.
//
// The quotient is formed with 1 added to a divisor that compares equal to
// zero (a zero, a NaN, or under denormals-are-zero a subnormal), so that
// nothing is ever divided by zero; that divisor's rung decides the result.
// (An addition rather than a selection of the divisor, so that compilers
// keep the division out of any branch and vectorize it.)
//
// For safefloat it runs in single precision: C*B and m*B are exact there
// too, and the quotient of two floats rounded to single is their double
// quotient rounded once to single (a double carries more than twice the
// single significand plus two bits).
template <class T, class L>
L quotient_ladder(L a, L b, L for_zero_dividend) {
  const L zero = L::of(0.0), one = L::of(1.0), C = L::of(T::ceiling);
  const L A = magnitude(a), B = magnitude(b);
  const auto negative = below(a, zero) ^ below(b, zero);  // s is -1
  const auto zero_divisor = zero_or_nan(B);
  return first_match(
      // A zero (or NaN) dividend, whatever the divisor.
      rung(zero_or_nan(A), for_zero_dividend),
      // A saturated dividend, or a zero (or NaN) divisor: s*C.
      rung(is_ceiling<T>(A) | zero_divisor, negated_where(negative, C)),
      // A saturated divisor: +0.0.
      rung(is_ceiling<T>(B), zero),
      // A divisor below 1 with C*B not above A: s*C; a divisor not below 1
      // with m*B not below A: s*m; otherwise the quotient.
      quotient_within_limits<T>(A, B + only_where(zero_divisor, one), below(B, one), negative));
}

// ---------------------------------------------------------------------------
// Multiplication
// ---------------------------------------------------------------------------

// A zero (or NaN) factor, seen in the magnitude P of the product: P is zero
// or NaN exactly where a factor is, or where two nonzero factors give a
// product that rounds to zero, both below 1 and far below m, which the
// ladder sends to +0.0 all the same.
inline lane_mask zero_or_nan_factor(lane P) { return zero_or_nan(P); }

// C/A, rounded to double, not above B, for A and B not below 1: the
// product reaching C, decided by the rounded product P.
//   P >= C                  => AB >= C(1 - 2^-54)   => C/A < B(1 + 2^-53)
//                           => C/A rounds onto B or below;
//   P < C(1 - 2^-53)        => AB <= C(1 - 3*2^-54) => C/A > B(1 + 3*2^-54)
//                           => C/A rounds above B.
// Only a P just below C needs the quotient itself (just_below_ceiling_
// reaches_it). For safefloat the product of two singles is exact in
// double, so P is never just below C and C/A is not above B exactly where
// P is not below C.
template <class T>
lane_mask just_below_ceiling_reaches_it(lane A, lane B, lane P) {
  const lane one = lane::of(1.0);
  if constexpr (T::exact_product) {
    return below(one, one);  // never
  } else {
    constexpr double just_below_C = T::ceiling * (1 - 0x1p-53);
    const lane_mask just_below = same_number(P, lane::of(just_below_C));
    // The quotient is formed where P is just below C only, behind a jump
    // that ordinary factors take the same way, on lanes of one operation at
    // a time; on lanes a compiler widens over a loop it is formed for every
    // pair (A where it is at least 1, else A + 1) and chosen.
    if (kLanesTakeRareJumps && !any(just_below)) return just_below;
    const lane divisor = A + only_where(below(A, one), one);  // at least 1, or NaN
    return just_below & not_above(lane::of(T::ceiling) / divisor, B);
  }
}

// (A*C)*(B*C) below C, for A and B below 1: the product below m, tested as
// (A*C)*B below 1. B*C is exact, and scaling by C commutes with rounding
// wherever the product is normal; where (A*C)*B is not, it lies far below 1
// and (A*C)*(B*C) far below C. Where (A*C)*(B*C) overflows to infinity
// (only safedouble's can), (A*C)*B is not below 1 either.
template <class T>
lane_mask scaled_product_below_ceiling(lane A, lane B) {
  return below((A * lane::of(T::ceiling)) * B, lane::of(1.0));
}

// The multiplication ladder, shared by operator* and operator*=. It runs
// in double precision for both classes, since its tests look at the
// unrounded double values. The operator's result leaves through the
// saturating construction (delivered), the member's is stored as it is.
template <class T, bool delivered>
lane product_ladder(lane a, lane b) {
  const lane zero = lane::of(0.0), one = lane::of(1.0), C = lane::of(T::ceiling);
  const lane A = magnitude(a), B = magnitude(b);
  const lane product = a * b, P = magnitude(product);
  const lane_mask a_not_below_1 = not_below(A, one), b_not_below_1 = not_below(B, one);
  // A P not below C reaches C; the construction gives a delivered one s*C
  // itself, P being the product's magnitude and s its sign.
  const lane_mask reaches_C = just_below_ceiling_reaches_it<T>(A, B, P) |
                              (delivered ? below(one, one) : not_below(P, C));
  // s*C: wherever it is taken neither factor is zero or NaN, so the sign of
  // the product is the sign factor.
  const lane signed_ceiling = with_sign_of(product, C);
  return first_match(
      // A zero (or NaN) factor: +0.0.
      rung(zero_or_nan_factor(P), zero),
      // A saturated factor: s*C. And A and B not below 1 with C/A not above
      // B, the product reaching C: s*C as well.
      rung(is_ceiling<T>(A) | is_ceiling<T>(B) | (a_not_below_1 & b_not_below_1 & reaches_C),
           signed_ceiling),
      // A and B below 1 (neither not below 1) with (A*C)*(B*C) below C, the
      // product below m: +0.0.
      rung(and_not(scaled_product_below_ceiling<T>(A, B), a_not_below_1 | b_not_below_1), zero),
      // Otherwise the product.
      product);
}

// ---------------------------------------------------------------------------
// Addition and subtraction
// ---------------------------------------------------------------------------

// The addition ladder of operator+= (the free operator+ has its own).
//
// Its half-sum tests are made on the sum: where they count, both
// magnitudes lie above 2m, so both halves are exact and the half-sum
// a/2 + b/2 is the rounded sum a + b halved (or, where that sum overflows
// to infinity, at least H all the same). So the half-sum is not below H
// exactly when the sum is not below C, and not above -H exactly when the
// sum is not above -C.
//
// The ladder runs in the class's own precision: the single sum is the
// double sum rounded once to single, a double sum at or beyond C (or at or
// beyond -C) stays so when rounded, and one inside that rounds onto C in
// single is stored as C either way.
template <class T>
typename T::stored add_assign(typename T::stored a_, typename T::stored b_) {
  using L = typename T::native_lane;
  const L a = T::load(a_), b = T::load(b_);
  const L A = magnitude(a), B = magnitude(b);
  const L C = L::of(T::ceiling), minus_C = L::of(-T::ceiling);
  const L two_m = L::of(2 * T::smallest_normal);
  const L sum = a + b;
  const auto half_sum_not_below_H = not_below(sum, C);
  const auto half_sum_not_above_minus_H = not_above(sum, minus_C);
  return T::store(first_match(
      // A saturated (or NaN) left value is kept.
      rung(equal_or_nan(A, C), a),
      // A saturated (or NaN) right value replaces it.
      rung(equal_or_nan(B, C), b),
      // An operand of magnitude not above 2m: the plain sum.
      rung(not_above(A, two_m) | not_above(B, two_m), sum),
      // The half-sum not below H: +C.
      rung(half_sum_not_below_H, C),
      // The half-sum not above -H: -C.
      rung(half_sum_not_above_minus_H, minus_C),
      // Otherwise the sum.
      sum));
}

// ---------------------------------------------------------------------------
// The four core operators between two objects of one class, and the
// compound members' division and multiplication
// ---------------------------------------------------------------------------

template <class T>
typename T::object core_div(const typename T::object& x, const typename T::object& y) {
  using L = typename T::native_lane;
  const L a = T::load(access::get(x)), b = T::load(access::get(y));
  return deliver<T>(quotient_ladder<T>(a, b, L::of(0.0)));
}

template <class T>
typename T::object core_mul(const typename T::object& x, const typename T::object& y) {
  return deliver<T>(product_ladder<T, true>(lane_of(access::get(x)), lane_of(access::get(y))));
}

// The free sum and difference: the plain result through the saturating
// construction, which carries their one rule beside it. That rung, half
// magnitudes A/2 + B/2 not below H with signs that carry the result one way,
// gives C with the sign of a; wherever it fires the plain result has the
// sign of a and a magnitude not below C, which the construction takes to
// that C.
//
// They run in the class's own precision: a sum or difference of two floats
// rounded to single is their double result rounded once to single (a
// double carries more than twice the single significand plus two bits),
// and the construction keeps C and order, so it limits either alike.
template <class T>
typename T::object core_add(const typename T::object& x, const typename T::object& y) {
  return deliver<T>(T::load(access::get(x)) + T::load(access::get(y)));
}

template <class T>
typename T::object core_sub(const typename T::object& x, const typename T::object& y) {
  return deliver<T>(T::load(access::get(x)) - T::load(access::get(y)));
}

template <class T>
typename T::stored divide_assign(typename T::stored a_, typename T::stored b_) {
  const typename T::native_lane a = T::load(a_);
  return T::store(quotient_ladder<T>(a, T::load(b_), a));
}

template <class T>
typename T::stored multiply_assign(typename T::stored a_, typename T::stored b_) {
  return T::store(product_ladder<T, false>(lane_of(a_), lane_of(b_)));
}

}  // namespace detail
}  // namespace safenum

#endif  // SAFENUM_FLOAT_ARITH_H
