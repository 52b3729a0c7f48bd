// The floating arithmetic, written once over the traits type and
// instantiated for single and double precision. Every intermediate value and
// every threshold test is a double; only the stored value is rounded.
#ifndef SAFENUM_SRC_FLOAT_ARITH_H
#define SAFENUM_SRC_FLOAT_ARITH_H

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
inline double sign_factor(double a, double b) {
  return below(a, 0.0) != below(b, 0.0) ? -1.0 : 1.0;
}

// Magnitude in the class's own format, widened exactly to double.
template <class T>
inline double mag(typename T::stored v) {
  return static_cast<double>(magnitude<T>(v));
}

// In-place division. Overflow and underflow are decided before dividing; a
// zero (or NaN) left value stays as it is.
template <class T>
typename T::stored divide_assign(typename T::stored a_, typename T::stored b_) {
  using stored = typename T::stored;
  const double a = a_, b = b_;
  if (equal(a, 0.0)) return a_;
  const double s = sign_factor(a, b);
  const stored ma = magnitude<T>(a_), mb = magnitude<T>(b_);
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
  if (equal(a, 0.0) || equal(b, 0.0)) return narrow<T>(0.0);
  const double s = sign_factor(a, b);
  const stored ma = magnitude<T>(a_), mb = magnitude<T>(b_);
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
  return narrow<T>(a * b);
}

// In-place addition: a saturated left value is kept, a saturated right value
// replaces it, and otherwise overflow is decided from the sum of halves.
template <class T>
typename T::stored add_assign(typename T::stored a_, typename T::stored b_) {
  const double a = a_, b = b_;
  const double A = mag<T>(a_), B = mag<T>(b_);
  if (equal(A, T::ceiling)) return a_;
  if (equal(B, T::ceiling)) return b_;
  if (!above(A, T::addition_guard) || !above(B, T::addition_guard)) {
    return narrow<T>(a + b);
  }
  const double h = a / 2 + b / 2;
  if (!below(h, T::half_ceiling)) return narrow<T>(T::ceiling);
  if (!above(h, -T::half_ceiling)) return narrow<T>(-T::ceiling);
  return narrow<T>(a + b);
}

// The four core operators between two objects of one class.
template <class T>
typename T::object core_div(const typename T::object& x, const typename T::object& y) {
  using stored = typename T::stored;
  const stored a_ = access::get(x), b_ = access::get(y);
  const double a = a_, b = b_;
  if (equal(a, 0.0)) return deliver<T>(0.0);
  const double s = sign_factor(a, b);
  const stored ma = magnitude<T>(a_), mb = magnitude<T>(b_);
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
  if (equal(a, 0.0) || equal(b, 0.0)) return deliver<T>(0.0);
  const double s = sign_factor(a, b);
  const stored ma = magnitude<T>(a_), mb = magnitude<T>(b_);
  const double A = ma, B = mb;
  if (is_ceiling<T>(ma) || is_ceiling<T>(mb)) return deliver<T>(s * T::ceiling);
  if (!below(A, 1.0) && !below(B, 1.0) && !above(T::ceiling / A, B)) {
    return deliver<T>(s * T::ceiling);
  }
  if (below(A, 1.0) && below(B, 1.0) &&
      below((A * T::ceiling) * (B * T::ceiling), T::ceiling)) {
    return deliver<T>(0.0);
  }
  return deliver<T>(a * b);
}

// Sum and difference test only for overflow, from the half magnitudes and
// the strict signs of the operands; a saturated operand is an ordinary number.
template <class T>
typename T::object core_add(const typename T::object& x, const typename T::object& y) {
  const double a = access::get(x), b = access::get(y);
  const double h = mag<T>(access::get(x)) / 2 + mag<T>(access::get(y)) / 2;
  if (!below(h, T::half_ceiling)) {
    if (above(a, 0.0) && above(b, 0.0)) return deliver<T>(T::ceiling);
    if (below(a, 0.0) && below(b, 0.0)) return deliver<T>(-T::ceiling);
  }
  return deliver<T>(a + b);
}

template <class T>
typename T::object core_sub(const typename T::object& x, const typename T::object& y) {
  const double a = access::get(x), b = access::get(y);
  const double h = mag<T>(access::get(x)) / 2 + mag<T>(access::get(y)) / 2;
  if (!below(h, T::half_ceiling)) {
    if (above(a, 0.0) && below(b, 0.0)) return deliver<T>(T::ceiling);
    if (below(a, 0.0) && above(b, 0.0)) return deliver<T>(-T::ceiling);
  }
  return deliver<T>(a - b);
}

}  // namespace detail
}  // namespace safenum

#endif  // SAFENUM_SRC_FLOAT_ARITH_H
