// The floating arithmetic, written once over the traits type and
// instantiated for single and double precision. Intermediate values and
// threshold tests are doubles, except in the ladders that run in the
// class's own precision because they round the same there (each says why);
// only the stored value is rounded. The ladders are evaluated on lanes
// (float/lane.h), each rung a comparison and a selection, so that no
// operand, however unusual, costs a mispredicted jump.
#ifndef SAFENUM_SRC_FLOAT_ARITH_H
#define SAFENUM_SRC_FLOAT_ARITH_H

#include "float/convert.h"
#include "float/lane.h"
#include "float/traits.h"
#include "module/runtime.h"

namespace safenum {
namespace detail {

// The value a compound member stores: a lane's double rounded once to the
// class's format, without any saturation test.
template <class T>
inline typename T::stored narrow(lane v) {
  if constexpr (std::is_same<typename T::stored, float>::value) {
    return to_single(v);
  } else {
    return value_of(v);
  }
}

// The result of a free operator: always through the saturating construction.
template <class T>
inline typename T::object deliver(double v) {
  return T::make(saturate<T>(v));
}

// A result known to lie within [-C, C] and not to be a NaN: the saturating
// construction would store it unchanged, so it is stored as it is.
template <class T>
inline typename T::object deliver_inside(typename T::stored v) {
  return T::make(v);
}

// The division ladder, but for its first rung (a zero or NaN dividend),
// whose result differs between the operator and the compound member. Its
// rungs, first to last, with s the sign factor (negative exactly when one
// operand is below zero and the other is not; a NaN counts as below zero, a
// zero of either sign does not):
//   a saturated dividend, or a zero (or NaN) divisor: s*C;
//   a saturated divisor: 0;
//   a divisor below 1 with C*B not above A: s*C;
//   a divisor of at least 1 with m*B not below A: s*m;
//   otherwise the quotient.
// The last two rungs are tests of the exact quotient A/B against C and m
// (C*B and m*B are exact: scaling by a power of two, into the normal
// range), and rounding to nearest is monotonic and keeps C and m, so they
// are the quotient's magnitude limited, for a divisor below 1, to at most C
// and, for a divisor of at least 1, to at least m. Where no rung fires the
// sign factor is the quotient's own sign, as neither operand is zero or NaN
// there. The one quotient of that kind that is a NaN, infinity by infinity,
// gives m: the lower limit takes the limit's side for a NaN.
// The magnitude of the quotient is formed as A over B, with a divisor that
// compares equal to zero (a zero, a NaN, or under denormals-are-zero a
// subnormal) replaced by 1, so that nothing is ever divided by zero; that
// divisor's rung has the last word. The sign factor is applied to it.
//
// The operator saturates its result, and then every result of magnitude
// beyond C is C of the same sign; its ladder applies the upper limit C for
// every divisor and so already gives a value within [-C, C], never a NaN.
// The compound member does not saturate, so its upper limit is C only for a
// divisor below 1 (a stored value beyond C, divided by at least 1, may stay
// beyond C).
//
// The ladder runs in the class's own precision: the quotient of two floats
// rounded to single is the double quotient rounded once to single (a double
// carries more than twice the single significand plus two bits), and the
// limits m and C, both floats, commute with that rounding.
template <class T, bool Saturating, class L>
inline L quotient_ladder(L a, L b) {
  const L zero = L::of(0.0), one = L::of(1.0);
  const L ceiling = L::of(T::ceiling);
  const L A = magnitude(a), B = magnitude(b);
  const auto negative = below(a, zero) ^ below(b, zero);
  const auto zero_divisor = not_above(B, zero);
  const auto small_divisor = below(B, one);
  const L quotient = A / select(zero_divisor, one, B);
  const L lower = zero_where(small_divisor, L::of(T::smallest_normal));
  const L upper = Saturating ? ceiling : select(small_divisor, ceiling, L::of(HUGE_VAL));
  L r = negated_where(negative, min(max(quotient, lower), upper));
  r = zero_where(same(B, ceiling), r);
  return select(same(A, ceiling) | zero_divisor, negated_where(negative, ceiling), r);
}

// The band around C in which the rounded product of two magnitudes of at
// least 1 does not decide on its own whether C/A rounds to B or below.
constexpr double kProductBandLow = 1 - 0x1p-50;
constexpr double kProductBandHigh = 1 + 0x1p-50;

// The product ladder, first rung to last: a zero (or NaN) factor gives
// +0.0; a saturated factor gives C; a product of two magnitudes of at least
// 1 with C/A not above B gives C; a product of two magnitudes below 1 whose
// scaled product (A*C)*(B*C) is below C gives +0.0; otherwise the product.
// Saturated results take the sign factor's sign. The operator saturates, so
// its ladder limits the magnitude to C as well; the compound member does
// not.
//
// The ladder works on the magnitude P of the rounded product a*b, whose
// sign bit is the sign factor wherever a rung but the zeros decides: there
// neither factor is a zero or a NaN. P is zero or NaN exactly when a factor
// is (a product of two nonzero magnitudes that rounds to zero has both
// below 1 and flushes anyway), so P alone decides the first rung.
template <class T, bool Saturating>
inline lane product_ladder(lane a, lane b) {
  const lane zero = lane_of(0.0), one = lane_of(1.0);
  const lane ceiling = lane_of(T::ceiling);
  const lane product = a * b;
  const lane P = magnitude(product), A = magnitude(a), B = magnitude(b);
  const lane_mask small_a = below(A, one), small_b = below(B, one);
  const lane_mask either_small = small_a | small_b;
  // The overflow rung compares C/A, rounded, with B. Away from C it is the
  // comparison of P with C: a P of at least C(1 + 2^-50) is exactly beyond
  // C, so C/A is below B; a P below C(1 - 2^-50) is exactly below
  // C/(1 + 2^-53), so C/A is beyond B by more than B's half unit in the last
  // place and rounds above it. Only a P in between, which ordinary factors
  // never give, needs the division, by an A of at least 1 wherever the rung
  // can fire.
  lane_mask overflows = and_not(not_below(P, ceiling), either_small);
  if (any(not_below(P, lane_of(kProductBandLow * T::ceiling)) &
          below(P, lane_of(kProductBandHigh * T::ceiling)))) {
    overflows = and_not(not_above(ceiling / max(A, one), B), either_small);
  }
  // A saturated factor is the larger one unless the other lies beyond C, in
  // which case both are at least 1 and the product overflows anyway.
  lane r = select(overflows | same(max(A, B), ceiling), ceiling, P);
  if (Saturating) r = min(r, ceiling);
  // (A*C)*(B*C) below C is (A*C)*B below 1: B*C is exact, and scaling the
  // product by C commutes with its rounding wherever the comparison is not
  // already decided by both sides being far below 1.
  const lane_mask flushes = small_a & small_b & below((A * ceiling) * B, one);
  return zero_where(not_above(P, zero) | flushes, with_sign_of(product, r));
}

// In-place division: a zero (or NaN) left value stays as it is, bit for bit.
template <class T>
typename T::stored divide_assign(typename T::stored a_, typename T::stored b_) {
  using L = typename T::native_lane;
  const L a = T::load(a_);
  const L r = quotient_ladder<T, false>(a, T::load(b_));
  return value_of(select(not_above(magnitude(a), L::of(0.0)), a, r));
}

// In-place multiplication.
template <class T>
typename T::stored multiply_assign(typename T::stored a_, typename T::stored b_) {
  return narrow<T>(product_ladder<T, false>(lane_of(a_), lane_of(b_)));
}

// In-place addition: a saturated (or NaN) left value is kept, a saturated
// (or NaN) right value replaces it, and otherwise, with both magnitudes
// above 2m, overflow is decided from the sum of halves: at least H gives C,
// not above -H (a NaN sum, infinity less infinity, included) gives -C.
//
// Above 2m both halves are exact, so the sum of halves is the rounded sum
// halved (or, where the sum overflows to infinity, at least H all the
// same), and its tests against H and -H are the rounded sum's against C
// and -C.
//
// The ladder runs in the class's own precision: the single sum is the double
// sum rounded once to single, a double sum at or beyond C (or not above -C)
// stays so when rounded, and one below C that rounds to C in single gives C
// either way.
template <class T>
typename T::stored add_assign(typename T::stored a_, typename T::stored b_) {
  using L = typename T::native_lane;
  const L a = T::load(a_), b = T::load(b_);
  const L A = magnitude(a), B = magnitude(b);
  const L ceiling = L::of(T::ceiling), guard = L::of(T::addition_guard);
  const L sum = a + b;
  const auto both_normal = above(A, guard) & above(B, guard);
  L r = select(both_normal & not_above(sum, negated(ceiling)), negated(ceiling), sum);
  r = select(both_normal & not_below(sum, ceiling), ceiling, r);
  r = select(equal(B, ceiling), b, r);
  return value_of(select(equal(A, ceiling), a, r));
}

// The four core operators between two objects of one class.
template <class T>
typename T::object core_div(const typename T::object& x, const typename T::object& y) {
  using L = typename T::native_lane;
  const L a = T::load(access::get(x));
  const L r = zero_where(not_above(magnitude(a), L::of(0.0)),
                         quotient_ladder<T, true>(a, T::load(access::get(y))));
  return deliver_inside<T>(value_of(r));
}

template <class T>
typename T::object core_mul(const typename T::object& x, const typename T::object& y) {
  const typename T::stored a_ = access::get(x), b_ = access::get(y);
  const lane r = product_ladder<T, true>(lane_of(a_), lane_of(b_));
  return deliver_inside<T>(static_cast<typename T::stored>(value_of(r)));
}

// Sum and difference saturate only on overflow, which their ladder decides
// from the half magnitudes and the strict signs of the operands: two
// positive operands whose half magnitudes sum to at least H give C, two
// negative ones -C. Both halves are exact wherever that sum can reach H
// (a subnormal half is negligible beside the other), so it is the rounded
// sum of the magnitudes halved, and two operands of one sign that pass the
// test have a sum of magnitude at least C: the saturating construction of
// the plain sum gives the same C. Operands of opposite signs, or a zero,
// leave the sum to the saturating construction in the ladder as well.
template <class T>
typename T::object core_add(const typename T::object& x, const typename T::object& y) {
  return deliver<T>(static_cast<double>(access::get(x)) + access::get(y));
}

template <class T>
typename T::object core_sub(const typename T::object& x, const typename T::object& y) {
  return deliver<T>(static_cast<double>(access::get(x)) - access::get(y));
}

}  // namespace detail
}  // namespace safenum

#endif  // SAFENUM_SRC_FLOAT_ARITH_H
