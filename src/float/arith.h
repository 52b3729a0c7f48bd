// The floating arithmetic, written once over the traits type and
// instantiated for single and double precision. Every intermediate value and
// every threshold test is a double; only the stored value is rounded.
#ifndef SAFENUM_SRC_FLOAT_ARITH_H
#define SAFENUM_SRC_FLOAT_ARITH_H

#include <cmath>
#include <type_traits>

#include "float/convert.h"
#include "float/traits.h"

namespace safenum {
namespace detail {

// The value a compound member stores: a double rounded once to the class's
// format, without any saturation test.
template <class T>
inline typename T::stored narrow(double v) {
  if constexpr (std::is_same<typename T::stored, float>::value) {
    return to_single(v);
  } else {
    return v;
  }
}

// The result of a free operator: always through the saturating construction.
template <class T>
inline typename T::object deliver(double v) {
  return T::make(saturate<T>(v));
}

// The sign factor: -1 exactly when one operand is below zero and the other
// is not (a NaN counts as below zero, a zero of either sign does not).
// Computed, not branched on: the operands' signs are anything at all.
inline double sign_factor(double a, double b) {
  const int negative = static_cast<int>(below(a, 0.0)) ^ static_cast<int>(below(b, 0.0));
  return 1.0 - 2.0 * negative;
}

// Magnitude in the class's own format, widened exactly to double.
template <class T>
inline double mag(typename T::stored v) {
  return static_cast<double>(magnitude<T>(v));
}

// The common case of a product or a quotient r of magnitudes A and B: r lies
// between 2m and H and neither operand is the ceiling. Then no test of the
// ladders can fire (the overflow tests need r near C or beyond, even after
// the rounding of their own products and quotients; the flush tests need r
// near m or below), the saturating construction stores r as it is, and the
// ladder's result is r rounded once to the class's format. Zeros, NaNs and
// infinities never pass.
template <class T>
inline bool is_plain_result(double r, typename T::stored ma, typename T::stored mb) {
  const double magnitude_r = std::fabs(r);
  return !below(magnitude_r, 2 * T::smallest_normal) && above(T::half_ceiling, magnitude_r) &&
         !is_ceiling<T>(ma) && !is_ceiling<T>(mb);
}

// The operand window: a test on the magnitude's bit pattern alone, one
// integer comparison, which is ready as soon as the operand is loaded. A
// product or quotient of two operands inside the window passes the result
// test above, so its ladder's result is the plain result; a miss is then
// noticed before any division has finished. Zeros, subnormal numbers, the
// ceiling, infinities and NaNs all lie outside.
template <class T>
inline bool in_factor_window(typename T::stored mag) {
  constexpr typename T::bits low = T::power_of_two_bits(-T::factor_window_exponent);
  constexpr typename T::bits high = T::power_of_two_bits(T::factor_window_exponent);
  return bits_of<T>(mag) - low < high - low;
}

// The fast path shared by both products: the operand window first, then the
// wider result test, which needs the product itself.
template <class T>
inline bool is_plain_product(double product, typename T::stored ma, typename T::stored mb) {
  return (in_factor_window<T>(ma) && in_factor_window<T>(mb)) || is_plain_result<T>(product, ma, mb);
}

// The common case of a sum or a difference r: its magnitude is below H, so
// it is no overflow of two operands of one sign. A NaN never passes.
template <class T>
inline bool is_plain_sum(double r) {
  return above(T::half_ceiling, std::fabs(r));
}

// In-place division. Overflow and underflow are decided before dividing; a
// zero (or NaN) left value stays as it is.
template <class T>
typename T::stored divide_assign(typename T::stored a_, typename T::stored b_) {
  using stored = typename T::stored;
  const double a = a_, b = b_;
  const stored ma = magnitude<T>(a_), mb = magnitude<T>(b_);
  // Zero divisors lie outside the window: the quotient is formed only
  // inside it or once the ladder has ruled a zero divisor out.
  if (in_factor_window<T>(ma) && in_factor_window<T>(mb)) return static_cast<stored>(a / b);
  if (equal(a, 0.0)) return a_;
  const double s = sign_factor(a, b);
  const double A = ma, B = mb;
  if (is_ceiling<T>(ma)) return narrow<T>(s * T::ceiling);
  if (equal(b, 0.0)) return narrow<T>(s * T::ceiling);
  if (is_ceiling<T>(mb)) return narrow<T>(0.0);
  if (below(B, 1.0) && !above(T::ceiling * B, A)) return narrow<T>(s * T::ceiling);
  if (!below(B, 1.0) && !below(B * T::smallest_normal, A)) {
    return narrow<T>(s * T::smallest_normal);
  }
  return narrow<T>(a / b);
}

// In-place multiplication: a saturated factor keeps the product saturated,
// an overflowing product saturates, and a product of two magnitudes below 1
// that falls below the smallest normal magnitude becomes +0.0.
template <class T>
typename T::stored multiply_assign(typename T::stored a_, typename T::stored b_) {
  using stored = typename T::stored;
  const double a = a_, b = b_;
  const stored ma = magnitude<T>(a_), mb = magnitude<T>(b_);
  const double product = a * b;
  if (is_plain_product<T>(product, ma, mb)) return static_cast<stored>(product);
  if (equal(a, 0.0) || equal(b, 0.0)) return narrow<T>(0.0);
  const double s = sign_factor(a, b);
  const double A = ma, B = mb;
  if (is_ceiling<T>(ma) || is_ceiling<T>(mb)) return narrow<T>(s * T::ceiling);
  if (!below(A, 1.0) && !below(B, 1.0) && !above(T::ceiling / A, B)) {
    return narrow<T>(s * T::ceiling);
  }
  // The scaled product stands for A*B*C*C; an overflow to infinity is not
  // below C.
  if (below(A, 1.0) && below(B, 1.0) &&
      below((A * T::ceiling) * (B * T::ceiling), T::ceiling)) {
    return narrow<T>(0.0);
  }
  return narrow<T>(product);
}

// In-place addition: a saturated left value is kept, a saturated right value
// replaces it, and otherwise overflow is decided from the sum of halves.
template <class T>
typename T::stored add_assign(typename T::stored a_, typename T::stored b_) {
  const double a = a_, b = b_;
  const double sum = a + b;
  // Away from the ceiling on both sides the sum of halves is half the sum.
  if (is_plain_sum<T>(sum) && !is_ceiling<T>(magnitude<T>(a_)) && !is_ceiling<T>(magnitude<T>(b_))) {
    return static_cast<typename T::stored>(sum);
  }
  const double A = mag<T>(a_), B = mag<T>(b_);
  if (equal(A, T::ceiling)) return a_;
  if (equal(B, T::ceiling)) return b_;
  if (!above(A, T::addition_guard) || !above(B, T::addition_guard)) {
    return narrow<T>(sum);
  }
  const double h = a / 2 + b / 2;
  if (!below(h, T::half_ceiling)) return narrow<T>(T::ceiling);
  if (!above(h, -T::half_ceiling)) return narrow<T>(-T::ceiling);
  return narrow<T>(sum);
}

// The four core operators between two objects of one class.
template <class T>
typename T::object core_div(const typename T::object& x, const typename T::object& y) {
  using stored = typename T::stored;
  const stored a_ = access::get(x), b_ = access::get(y);
  const double a = a_, b = b_;
  const stored ma = magnitude<T>(a_), mb = magnitude<T>(b_);
  // Zero divisors lie outside the window: the quotient is formed only
  // inside it or once the ladder has ruled a zero divisor out.
  if (in_factor_window<T>(ma) && in_factor_window<T>(mb)) return deliver<T>(a / b);
  if (equal(a, 0.0)) return deliver<T>(0.0);
  const double s = sign_factor(a, b);
  const double A = ma, B = mb;
  if (is_ceiling<T>(ma) || equal(B, 0.0)) return deliver<T>(s * T::ceiling);
  if (is_ceiling<T>(mb)) return deliver<T>(0.0);
  if (below(B, 1.0) && !above(T::ceiling * B, A)) return deliver<T>(s * T::ceiling);
  if (!below(B, 1.0) && !below(T::smallest_normal * B, A)) {
    return deliver<T>(s * T::smallest_normal);
  }
  return deliver<T>(a / b);
}

template <class T>
typename T::object core_mul(const typename T::object& x, const typename T::object& y) {
  using stored = typename T::stored;
  const stored a_ = access::get(x), b_ = access::get(y);
  const double a = a_, b = b_;
  const stored ma = magnitude<T>(a_), mb = magnitude<T>(b_);
  const double product = a * b;
  if (is_plain_product<T>(product, ma, mb)) return deliver<T>(product);
  if (equal(a, 0.0) || equal(b, 0.0)) return deliver<T>(0.0);
  const double s = sign_factor(a, b);
  const double A = ma, B = mb;
  if (is_ceiling<T>(ma) || is_ceiling<T>(mb)) return deliver<T>(s * T::ceiling);
  if (!below(A, 1.0) && !below(B, 1.0) && !above(T::ceiling / A, B)) {
    return deliver<T>(s * T::ceiling);
  }
  if (below(A, 1.0) && below(B, 1.0) &&
      below((A * T::ceiling) * (B * T::ceiling), T::ceiling)) {
    return deliver<T>(0.0);
  }
  return deliver<T>(product);
}

// Sum and difference test only for overflow, from the half magnitudes and
// the strict signs of the operands; a saturated operand is an ordinary number.
template <class T>
typename T::object core_add(const typename T::object& x, const typename T::object& y) {
  const double a = access::get(x), b = access::get(y);
  const double sum = a + b;
  if (is_plain_sum<T>(sum)) return deliver<T>(sum);
  const double h = mag<T>(access::get(x)) / 2 + mag<T>(access::get(y)) / 2;
  if (!below(h, T::half_ceiling)) {
    if (above(a, 0.0) && above(b, 0.0)) return deliver<T>(T::ceiling);
    if (below(a, 0.0) && below(b, 0.0)) return deliver<T>(-T::ceiling);
  }
  return deliver<T>(sum);
}

template <class T>
typename T::object core_sub(const typename T::object& x, const typename T::object& y) {
  const double a = access::get(x), b = access::get(y);
  const double difference = a - b;
  if (is_plain_sum<T>(difference)) return deliver<T>(difference);
  const double h = mag<T>(access::get(x)) / 2 + mag<T>(access::get(y)) / 2;
  if (!below(h, T::half_ceiling)) {
    if (above(a, 0.0) && below(b, 0.0)) return deliver<T>(T::ceiling);
    if (below(a, 0.0) && above(b, 0.0)) return deliver<T>(-T::ceiling);
  }
  return deliver<T>(difference);
}

}  // namespace detail
}  // namespace safenum

#endif  // SAFENUM_SRC_FLOAT_ARITH_H
