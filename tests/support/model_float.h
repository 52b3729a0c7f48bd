// SPDX-License-Identifier: BSL-1.0
// The rules of safefloat and safedouble, read rung by rung in plain double
// precision, as an independent reference for the library. Every threshold
// test is one comparison read in its form (below, equal, above); the ladders
// are written in the order of their rules, first rung first. Nothing here
// calls the library or shares code with it.
#ifndef SAFENUM_TESTS_SUPPORT_MODEL_FLOAT_H
#define SAFENUM_TESTS_SUPPORT_MODEL_FLOAT_H

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "model_int.h"

namespace model {

// The constants of each class: the ceiling C, the half ceiling H, the
// smallest normal magnitude m, and the ceiling's bit pattern in the class's
// own format.
struct single_class {
  using stored = float;
  using bits = std::uint32_t;
  static constexpr double C = 0x1p126, H = 0x1p125, m = 0x1p-126;
  static constexpr bits ceiling_pattern = 0x7e800000u;
};
struct double_class {
  using stored = double;
  using bits = std::uint64_t;
  static constexpr double C = 0x1p1022, H = 0x1p1021, m = 0x1p-1022;
  static constexpr bits ceiling_pattern = 0x7fd0000000000000u;
};

// The class of a stored format: a float is a safefloat's, a double a
// safedouble's.
template <class S>
using class_of = typename std::conditional<sizeof(S) == 4, single_class, double_class>::type;

template <class T>
auto bits_of(T v) {
  typename std::conditional<sizeof(T) == 4, std::uint32_t, std::uint64_t>::type b;
  std::memcpy(&b, &v, sizeof b);
  return b;
}

// ---------------------------------------------------------------------------
// The comparison forms. A comparison is unordered when a NaN takes part; a
// NaN counts as below and as equal, never as above.
// ---------------------------------------------------------------------------
inline bool below(double x, double y) { return std::isunordered(x, y) || x < y; }
inline bool equal(double x, double y) { return std::isunordered(x, y) || x == y; }
inline bool above(double x, double y) { return x > y; }

// The pattern test "a magnitude is the ceiling", in the class's own format.
template <class F>
bool is_ceiling(double magnitude) {
  return bits_of(static_cast<typename F::stored>(magnitude)) == F::ceiling_pattern;
}

// -1 when exactly one operand is below zero (a NaN is, a zero of either
// sign is not), else +1.
inline double sign_factor(double a, double b) { return below(a, 0) != below(b, 0) ? -1.0 : 1.0; }

// IEEE rounding to single precision, to nearest with ties to even; what
// rounds past the largest float becomes an infinity.
inline float to_single(double x) {
  constexpr double kPastLargest = 0x1p128 - 0x1p103;  // FLT_MAX plus half its unit
  if (std::fabs(x) >= kPastLargest) return x < 0 ? -INFINITY : INFINITY;
  return static_cast<float>(x);
}

// A double stored in the class's field: rounded once for safefloat.
template <class F>
typename F::stored store(double v) {
  if constexpr (sizeof(typename F::stored) == 4) {
    return to_single(v);
  } else {
    return v;
  }
}

// ---------------------------------------------------------------------------
// The saturating construction from double.
// ---------------------------------------------------------------------------
template <class F>
typename F::stored construct(double x) {
  if (!below(std::fabs(x), F::C)) {  // at or beyond the ceiling
    double field = F::C;
    if (below(x, 0)) field = -field;  // with the argument's sign
    return store<F>(field);
  }
  return store<F>(x);  // anything else, a NaN included
}

// The way in from an int, which tests nothing: exact, or rounded once to single.
template <class F>
typename F::stored from_int(int v) { return store<F>(v); }

// ---------------------------------------------------------------------------
// The compound members. `a` is the left object's value, `b` the right
// operand's; returning `a_` unchanged is "end".
// ---------------------------------------------------------------------------
template <class S>
S divide_assign(S a_, S b_) {
  using F = class_of<S>;
  const double a = a_, b = b_;
  if (equal(a, 0)) return a_;  // a zero or NaN dividend stays
  const double s = sign_factor(a, b);
  const double A = std::fabs(a), B = std::fabs(b);
  if (is_ceiling<F>(A)) return store<F>(s * F::C);  // saturated dividend
  if (equal(b, 0)) return store<F>(s * F::C);  // zero or NaN divisor
  if (is_ceiling<F>(B)) return store<F>(0.0);  // saturated divisor
  if (below(B, 1.0) && !above(F::C * B, A)) return store<F>(s * F::C);  // overflow
  if (!below(B, 1.0) && !below(B * F::m, A)) return store<F>(s * F::m);  // underflow
  return store<F>(a / b);
}

template <class S>
S multiply_assign(S a_, S b_) {
  using F = class_of<S>;
  const double a = a_, b = b_;
  if (equal(a, 0) || equal(b, 0)) return store<F>(0.0);  // zero or NaN factor
  const double s = sign_factor(a, b);
  const double A = std::fabs(a), B = std::fabs(b);
  if (is_ceiling<F>(A) || is_ceiling<F>(B)) return store<F>(s * F::C);  // saturated factor
  if (!below(A, 1.0) && !below(B, 1.0) && !above(F::C / A, B)) {
    return store<F>(s * F::C);  // overflow
  }
  if (below(A, 1.0) && below(B, 1.0) && below((A * F::C) * (B * F::C), F::C)) {
    return store<F>(0.0);  // underflow
  }
  return store<F>(a * b);
}

template <class S>
S add_assign(S a_, S b_) {
  using F = class_of<S>;
  const double a = a_, b = b_;
  const double A = std::fabs(a), B = std::fabs(b);
  if (equal(A, F::C)) return a_;  // saturated (or NaN) left value stays
  if (equal(B, F::C)) return b_;  // saturated (or NaN) right value replaces it
  if (!above(A, 2 * F::m) || !above(B, 2 * F::m)) return store<F>(a + b);  // a tiny operand
  const double h = a / 2 + b / 2;
  if (!below(h, F::H)) return store<F>(F::C);
  if (!above(h, -F::H)) return store<F>(-F::C);
  return store<F>(a + b);
}

// ---------------------------------------------------------------------------
// The free operators between two objects of one class. Every result leaves
// through the saturating construction.
// ---------------------------------------------------------------------------
template <class S>
S divide(S a_, S b_) {
  using F = class_of<S>;
  const double a = a_, b = b_;
  if (equal(a, 0)) return construct<F>(0.0);  // zero (or NaN) dividend
  const double s = sign_factor(a, b);
  const double A = std::fabs(a), B = std::fabs(b);
  if (is_ceiling<F>(A) || equal(B, 0)) return construct<F>(s * F::C);
  if (is_ceiling<F>(B)) return construct<F>(0.0);
  if (below(B, 1.0) && !above(F::C * B, A)) return construct<F>(s * F::C);
  if (!below(B, 1.0) && !below(F::m * B, A)) return construct<F>(s * F::m);
  return construct<F>(a / b);
}

template <class S>
S multiply(S a_, S b_) {
  using F = class_of<S>;
  const double a = a_, b = b_;
  if (equal(a, 0) || equal(b, 0)) return construct<F>(0.0);
  const double s = sign_factor(a, b);
  const double A = std::fabs(a), B = std::fabs(b);
  if (is_ceiling<F>(A) || is_ceiling<F>(B)) return construct<F>(s * F::C);
  if (!below(A, 1.0) && !below(B, 1.0) && !above(F::C / A, B)) return construct<F>(s * F::C);
  if (below(A, 1.0) && below(B, 1.0) && below((A * F::C) * (B * F::C), F::C)) {
    return construct<F>(0.0);
  }
  return construct<F>(a * b);
}

template <class S>
S add(S a_, S b_) {
  using F = class_of<S>;
  const double a = a_, b = b_;
  const double h = std::fabs(a) / 2 + std::fabs(b) / 2;
  if (!below(h, F::H)) {
    if (above(a, 0) && above(b, 0)) return construct<F>(F::C);
    if (below(a, 0) && below(b, 0)) return construct<F>(-F::C);
  }
  return construct<F>(a + b);
}

template <class S>
S subtract(S a_, S b_) {
  using F = class_of<S>;
  const double a = a_, b = b_;
  const double h = std::fabs(a) / 2 + std::fabs(b) / 2;
  if (!below(h, F::H)) {
    if (above(a, 0) && below(b, 0)) return construct<F>(F::C);
    if (below(a, 0) && above(b, 0)) return construct<F>(-F::C);
  }
  return construct<F>(a - b);
}

// ---------------------------------------------------------------------------
// The relations: the outcome of one comparison (less, equal, greater,
// unordered) mapped by the relation's row.
// ---------------------------------------------------------------------------
inline int relate(relation r, double a, double b) {
  static const int kOutcome[6][4] = {
      {0, 1, 0, 1},  // ==
      {1, 0, 1, 0},  // !=
      {1, 0, 0, 1},  // <
      {1, 1, 0, 1},  // <=
      {0, 0, 1, 0},  // >
      {0, 1, 1, 0},  // >=
  };
  const int outcome = std::isunordered(a, b) ? 3 : a < b ? 0 : a == b ? 1 : 2;
  return kOutcome[r][outcome];
}

// ---------------------------------------------------------------------------
// Rounding to int, nint: halves away from zero through a decimal reading.
// ---------------------------------------------------------------------------
static_assert(LDBL_MANT_DIG >= 57, "ten times a double's fraction is exact in long double");

// The digits of |a| as a fixed-point decimal with no digits after the point:
// the integer part, increased by one when the first digit after the point is
// 5 or more. |a| lies below 2^31 + 1 here.
inline i64 decimal_digits(double a) {
  const double magnitude = std::fabs(a);
  const double whole = std::trunc(magnitude);
  const int first_fraction_digit = static_cast<int>(10.0L * (magnitude - whole));
  return static_cast<i64>(whole) + (first_fraction_digit >= 5 ? 1 : 0);
}

template <class S>
int nint(S a_) {
  const double a = a_, T = 2147483648.0;
  if (sizeof(S) == 4 ? !below(a, T) : !above(T, a)) return kMax;
  if (above(-1.0 * T, a)) return kNegMax;
  // A NaN safefloat gets here; the rules leave it open and the library gives
  // 0x7fffffff, as a NaN safedouble gets from the upper limit.
  if (std::isnan(a)) return kMax;
  i64 digits = decimal_digits(a);
  if (digits > MAX) digits = MAX;  // 2147483648 reads as the saturated value
  return static_cast<int>(std::signbit(a) ? -digits : digits);
}

// ---------------------------------------------------------------------------
// The numbered members of the floating classes.
// ---------------------------------------------------------------------------

// Function_1980: the plain truncation toward zero. Beyond the int range and
// for a NaN the library gives 0x80000000, the value of the x86 conversion.
inline int truncated(double a) {
  if (a > -2147483649.0 && a < 2147483648.0) return static_cast<int>(std::trunc(a));
  return kMostNegative;
}

// Function_1981: equal to +C or to -C, in the class's own precision.
template <class S>
int is_saturated(S v) {
  const auto c = static_cast<S>(class_of<S>::C);
  return equal(v, c) || equal(v, -c);
}

// Function_1979 and Function_1977: floor and ceiling in double precision,
// handed back in the class's format.
template <class S>
S floor_of(S v) { return store<class_of<S>>(std::floor(double{v})); }
template <class S>
S ceiling_of(S v) { return store<class_of<S>>(std::ceil(double{v})); }

// Function_1975: the value in single precision; a safefloat's own value.
template <class S>
float single_of(S v) {
  if constexpr (sizeof(S) == 4) {
    return v;
  } else {
    return to_single(v);
  }
}

}  // namespace model

#endif  // SAFENUM_TESTS_SUPPORT_MODEL_FLOAT_H
