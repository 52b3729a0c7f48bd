// SPDX-License-Identifier: BSL-1.0
// The floating arithmetic, written once over the traits type and
// instantiated for both classes. Each ladder reads in the order of its
// rules, first rung first (common/first_match.h), every rung a comparison
// and a selection on lanes (float/lane.h). Where a rung's test is made in
// another form than its rule's, for speed, that form is one named piece
// just above the ladder, which says why it is the same test. The ladders
// are declared inline: g++ inlines a template not so declared only while it
// is small, and a ladder left as a call in a loop keeps the loop from
// vectorizing.
//
// Intermediate values and tests are doubles; only the stored value is
// rounded. Some ladders run in the class's own precision instead, where
// that rounds the same: a sum, difference or quotient of two floats rounded
// to single is their double result rounded once to single (a double
// carries more than twice the single significand plus two bits), and the
// product's ladder says why it may run there too. The free
// operators deliver every result through the saturating construction
// (float/saturate.h); the compound members store theirs as computed.
//
// a, b: the left and right operands; A, B: their magnitudes; C: the
// ceiling; H = C/2; m: the smallest normal magnitude; s: the sign factor,
// -1 exactly when one operand is below zero and the other is not (a NaN
// counts as below zero, a zero of either sign does not).
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
// only C's bits pass (never a NaN).
template <class T, class L>
auto is_ceiling(L magnitude) {
  return same_number(magnitude, L::of(T::ceiling));
}

// ---------------------------------------------------------------------------
// Division
// ---------------------------------------------------------------------------

// The last three rungs of the division as one clamp of the quotient:
//   B < 1,  C*B <= A  =>  s*C;   B >= 1,  m*B >= A  =>  s*m;   else A/B.
// C*B and m*B are exact (powers of two), so the tests compare the exact
// A/B with C and m, and rounding keeps C, m and order:
//   C*B <= A  <=>  A/B >= C  <=>  round(A/B) >= C,  and likewise for m.
// So |q| is limited to at most C for B < 1 and to at least m for B >= 1
// (a NaN quotient, infinity by infinity, takes m, as its test does). B here
// is the divisor used.
//
// Where B >= 1 a dividend below m*B is raised to m*B, a quotient of m
// exactly, the value its limit gives anyway: so no subnormal dividend is
// divided there (a division with a subnormal operand takes a slow path on
// some processors), and no quotient comes out subnormal.
//
// Where B < 1 and an operand is subnormal, both are scaled by 2^p (p the
// fraction bits), where the lanes multiply a subnormal at full speed: both
// come out normal or zero, and the exact quotient is unchanged unless A*2^p
// overflows. That needs A >= 2^(E-p), 2^E the format's overflow threshold,
// so A is normal and B subnormal, and
//   A/B > 2^(E-p)/m >= C,
// which the infinity of the scaled quotient gives too, limited to C.
template <class T, class L, class M>
L quotient_within_limits(L A, L B, M divisor_below_1, M negative) {
  if constexpr (kLanesFuseMultiplySubtract) {
    const auto subnormal = below(min(A, B), L::of(T::smallest_normal)) & divisor_below_1;
    const L scale = select(subnormal, L::of(T::subnormal_scale), L::of(1.0));
    A = full_speed_product(A, scale);
    B = full_speed_product(B, scale);
  }
  const L upper = max(zero_where(divisor_below_1, L::of(HUGE_VAL)), L::of(T::ceiling));
  const L lower = zero_where(divisor_below_1, L::of(T::smallest_normal));
  const L dividend = max(A, lower * B);
  return negated_where(negative, min(max(dividend / B, lower), upper));
}

// The division ladder, shared by operator/ and operator/=, which differ in
// the value of its first rung only: a new +0.0 for the operator, the left
// value itself for the member. It runs in the class's own precision, where
// C*B and m*B are exact too.
//
// A divisor that compares equal to zero (a zero, a NaN, or under
// denormals-are-zero a subnormal) has 1 added before the quotient is
// formed, so nothing is divided by zero; its rung decides the result. (An
// addition rather than a selection, so that compilers keep the division
// out of any branch.)
template <class T, class L>
inline L quotient_ladder(L a, L b, L for_zero_dividend) {
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

// Half the spacing of the doubles in [1, 2).
constexpr double kHalfSpacing = 0x1p-53;

// C/A, rounded to double, not above B, for A and B not below 1: the
// product reaching C, decided by the rounded product P:
//   P >= C           => AB >= C(1 - 2^-54)   => C/A < B(1 + 2^-53)    => rounds to <= B;
//   P < C(1 - 2^-53) => AB <= C(1 - 3*2^-54) => C/A > B(1 + 3*2^-54)  => rounds above B.
// Only a P just below C needs the quotient itself. For safefloat, whose
// product is exact in double, it never does: an exact P below C has at
// most 48 bits and lies below C(1 - 2^-53); P is rounded to single here,
// and where that reaches C the product's value is s*C anyway. (L is a
// parameter so that the fused form, which the SSE2 lanes do not have, is
// looked up where it is taken.)
template <class T, class L>
auto just_below_ceiling_reaches_it(L A, L B, L P) {
  const L one = L::of(1.0);
  if constexpr (T::exact_product) {
    return below(one, one);  // never
  } else {
    constexpr double just_below_C = T::ceiling * (1 - kHalfSpacing);
    const auto just_below = same_number(P, L::of(just_below_C));
    if constexpr (kLanesFuseMultiplySubtract) {
      // Without the quotient, where fma is an instruction. With u = C*2^-53
      // (the spacing below C) and w the spacing at B, C/A rounds to at most
      // B exactly when
      //   C/A < B + w/2  <=>  C - AB < A*w/2  <=>  AB - P > u - A*w/2
      // (never equal: A*(B + w/2) = C would make B + w/2 a power of two),
      // and every term is exact: AB - P (a product's error, by fma), A*w/2
      // (A times a power of two) and u - A*w/2 (A*w/2 lies in [u/2, u]).
      // Other lanes take A as 0 and P as the value it has here, so that
      // none of them multiplies a subnormal, and the test fails there:
      // -P > u never holds (nor does a NaN, from an infinite B, compare).
      // (binade(B)*2^-53 is subnormal for a small B, so it too is fused.)
      const L A1 = only_where(just_below, A), P1 = L::of(just_below_C);
      const L minus_half_spacing_at_B = full_speed_product(binade_of(B), L::of(-kHalfSpacing));
      const L minus_u = L::of(-T::ceiling * kHalfSpacing);
      return above(fused_multiply_subtract(A1, B, P1),
                   fused_multiply_subtract(A1, minus_half_spacing_at_B, minus_u));
    } else {
      // One operation at a time, a jump skips the quotient (ordinary factors
      // never need it); over a loop it is formed for every pair and chosen.
      if (kLanesTakeRareJumps && !any(just_below)) return just_below;
      const L divisor = A + only_where(below(A, one), one);  // at least 1, or NaN
      return just_below & not_above(L::of(T::ceiling) / divisor, B);
    }
  }
}

// (A*C)*(B*C) below C, for A and B below 1: the product below m.
//
// The scalings by C are made on the bits, of magnitudes limited to 1 first
// (the test counts only below 1): exact for a normal magnitude, and a
// subnormal one comes out below C*m = 1, as A*C would, so the test passes
// either way. No plain multiplication here sees a subnormal factor, which
// some processors take a slow path for; a fused one may.
//
// Where fma is an instruction the test is made on (A*C)*B - 1, rounded once
// (C*m = 1), whose exact value is below a bound exactly where the rule's
// test holds:
//   safefloat:  (A*C)*(B*C) is exact, so the bound is 0, and rounding keeps
//               the sign of a difference that cannot underflow;
//   safedouble: the rounded (A*C)*(B*C) is below C exactly where the exact
//               one is below C(1 - 2^-54) (the midpoint below C rounds to
//               even, up), so the bound is -2^-54; a difference within
//               2^-52 of 0 needs both factors normal, and is then a
//               multiple of 2^-105, so exact.
// Otherwise, for safefloat, AB below m on the double product of the
// factors, exact too (the single product cannot make it, as one just below
// m rounds onto m); for safedouble, the rule's rounded product.
template <class T, class L>
auto product_below_m(L A, L B) {
  const L one = L::of(1.0), C = L::of(T::ceiling);
  if constexpr (kLanesFuseMultiplySubtract) {
    const L bound = L::of(T::exact_product ? 0.0 : -kHalfSpacing / 2);
    return below(fused_multiply_subtract(scaled_on_bits(min(A, one), C), B, one), bound);
  } else if constexpr (T::exact_product) {
    return T::native_mask(below(lane_of(A) * lane_of(B), lane::of(T::smallest_normal)));
  } else {
    return below(scaled_on_bits(min(A, one), C) * scaled_on_bits(min(B, one), C), C);
  }
}

// The multiplication ladder, shared by operator* and operator*=, in the
// class's own precision. For safefloat the product of two singles is exact
// in double, and the single product rounds it once, as storing it would;
// the tests read the same on the rounded product P: it is zero where the
// exact one is, or where it underflows, which needs A and B below 1 and
// the product below m, a rung of the same value; it reaches C where the
// exact one does, or rounds onto C, which is the value of s*C. The
// operator's result leaves through the saturating construction
// (delivered), the member's is stored as it is.
template <class T, bool delivered>
inline typename T::native_lane product_ladder(typename T::native_lane a,
                                              typename T::native_lane b) {
  using L = typename T::native_lane;
  const L zero = L::of(0.0), one = L::of(1.0), C = L::of(T::ceiling);
  const L A = magnitude(a), B = magnitude(b), larger = max(A, B);
  // (The sign of a zero product is never read: where P is zero the first
  // rung fires.)
  const L product = full_speed_product(a, b), P = magnitude(product);
  // The product reaching C. Where P is just below C a factor below 1 would
  // need the other beyond P, so C (no finite value of the class lies beyond
  // it), whose rung fires anyway. P not below C reaches C where A and B are
  // not below 1; a delivered product gets s*C there from the construction.
  const auto reaches_C =
      just_below_ceiling_reaches_it<T>(A, B, P) |
      (delivered ? below(one, one) : not_below(P, C) & not_below(min(A, B), one));
  // s*C, where no factor is zero or NaN: the product's sign is s.
  const L signed_ceiling = with_sign_of(product, C);
  // Third in the rules, this rung joins the first: both give +0.0, and the
  // one between them needs a factor not below 1. (A NaN factor takes the
  // first rung, whatever the larger magnitude makes of it.)
  const auto below_m = product_below_m<T>(A, B) & below(larger, one);
  return first_match(
      // A zero (or NaN) factor, seen in P (a product that rounds to zero is
      // one below m as well): +0.0. A and B below 1 with (A*C)*(B*C) below
      // C, the product below m: +0.0.
      rung(zero_or_nan(P) | below_m, zero),
      // A saturated factor: s*C, tested on the larger magnitude: where the
      // other lies beyond C, so does the product, which reaches C above or
      // in the construction. And A and B not below 1 with C/A not above B,
      // the product reaching C: s*C as well.
      rung(is_ceiling<T>(larger) | reaches_C, signed_ceiling),
      // Otherwise the product.
      product);
}

// ---------------------------------------------------------------------------
// Addition and subtraction
// ---------------------------------------------------------------------------

// The addition ladder of operator+= (the free operator+ has its own), in
// the class's own precision. Its half-sum tests are made on the sum: where
// they count, A and B lie above 2m, so the halves are exact and
//   a/2 + b/2 = round(a + b)/2  =>  (a/2 + b/2 >= H  <=>  round(a + b) >= C)
// (a sum that overflows to infinity is beyond C either way); a single sum
// that rounds onto C is stored as C either way.
template <class T>
inline typename T::stored add_assign(typename T::stored a_, typename T::stored b_) {
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
  return deliver<T>(product_ladder<T, true>(T::load(access::get(x)), T::load(access::get(y))));
}

// The free sum and difference, in the class's own precision: the plain
// result through the saturating construction, which gives their one rung's
// value wherever it fires (half magnitudes A/2 + B/2 not below H with signs
// that carry the result one way: a plain result of a's sign and magnitude
// at least C, which the construction takes to that sign's C).
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
  return T::store(product_ladder<T, false>(T::load(a_), T::load(b_)));
}

}  // namespace detail
}  // namespace safenum

#endif  // SAFENUM_FLOAT_ARITH_H
