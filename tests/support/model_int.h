// SPDX-License-Identifier: BSL-1.0
// The safeint rules, read step by step in exact 64-bit arithmetic, as an
// independent reference for the library. Nothing here calls the library or
// shares code with it; where a rule states a test in double or single
// precision, the test is made in that precision.
#ifndef SAFENUM_TESTS_SUPPORT_MODEL_INT_H
#define SAFENUM_TESTS_SUPPORT_MODEL_INT_H

#include <cmath>
#include <cstdint>

namespace model {

using i64 = std::int64_t;

constexpr i64 MAX = 2147483647;  // the positive saturated value
constexpr int kMax = 2147483647;
constexpr int kNegMax = -2147483647;        // the negative saturated value
constexpr int kMostNegative = -2147483647 - 1;  // ordinary, not saturated

inline i64 mag(i64 v) { return v < 0 ? -v : v; }
inline int sign_factor(i64 a, i64 b) { return (a < 0) != (b < 0) ? -1 : 1; }
inline int saturated(int s) { return static_cast<int>(s * MAX); }

// ---------------------------------------------------------------------------
// Conversions into safeint.
// ---------------------------------------------------------------------------

// The constructors from float and double: nearest integer, exact halves
// toward zero, saturated outside the open interval (L, U).
inline int round_between(double x, double U, double L) {
  if (x >= U) return kMax;
  if (!(x > L)) return kNegMax;  // a NaN ends here too
  const i64 v = static_cast<i64>(std::trunc(x));
  const double f = x - std::trunc(x);
  if (std::fabs(f) > 0.5) return static_cast<int>(x > 0 ? v + 1 : v - 1);
  return static_cast<int>(v);
}
inline int round_from_float(float x) { return round_between(x, 2147483648.0, -2147483648.0); }
inline int round_from_double(double x) { return round_between(x, 2147483647.0, -2147483647.0); }
// An integer of another width: itself when an int holds it, else saturated.
inline int from_wider(long double v) { return v > 2147483647.0L ? kMax : v < -2147483648.0L ? kNegMax : int(v); }

// The assignments from float and double: truncation toward zero, saturated
// at magnitude 2147483647.0. A NaN is left open by the rules; the library
// stores the negative saturated value, as the constructors do.
inline int truncate_from(double x) {
  if (std::isnan(x)) return kNegMax;
  const double m = std::fabs(x);
  i64 v = m >= 2147483647.0 ? MAX : static_cast<i64>(std::trunc(m));
  if (x < 0) v = -v;
  return static_cast<int>(v);
}

// The char constructor and assignment read the byte as signed.
inline int from_char(char c) {
  const int byte = static_cast<unsigned char>(c);
  return byte >= 128 ? byte - 256 : byte;
}

// ---------------------------------------------------------------------------
// Compound assignment.
// ---------------------------------------------------------------------------

// Halving rounded toward minus infinity, as an arithmetic shift by one.
inline i64 shift_half(i64 v) { return v >= 0 ? v / 2 : -((1 - v) / 2); }

inline int add_assign(int a, int b) {
  if (a == MAX || b == MAX) return kMax;
  if (a == -MAX || b == -MAX) return kNegMax;
  const i64 h = shift_half(a) + shift_half(b);
  if (h >= 1073741823) return kMax;
  if (h <= -1073741823) return kNegMax;
  return static_cast<int>(i64{a} + b);
}

inline int multiply_assign(int a, int b) {
  if (a == 0 || b == 0) return 0;
  const int s = sign_factor(a, b);
  if (mag(a) == MAX || mag(b) == MAX) return saturated(s);
  const i64 q = MAX / mag(b);
  if (mag(a) >= q) {
    // -2147483648 *= 1 has no quotient test to fail: it keeps its value.
    if (a == kMostNegative && b == 1) return a;
    return saturated(s);
  }
  return static_cast<int>(i64{a} * b);
}

// Shared by operator/= and the core operator/. The one quotient that does
// not fit, -2147483648 / -1, is left open by the rules; the library gives
// the saturated value of its sign.
inline int divide(int a, int b) {
  if (a == 0) return 0;
  const int s = sign_factor(a, b);
  if (mag(a) == MAX || b == 0) return saturated(s);
  if (mag(b) == MAX) return 0;
  const i64 q = i64{a} / b;  // truncates toward zero
  return q > MAX ? kMax : static_cast<int>(q);
}
inline int divide_assign(int a, int b) { return divide(a, b); }

// ---------------------------------------------------------------------------
// Core binary operators.
// ---------------------------------------------------------------------------

inline int add(int a, int b) {
  if (a == MAX || b == MAX) return kMax;
  if (a == -MAX || b == -MAX) return kNegMax;
  const float h = static_cast<float>(a / 2.0 + b / 2.0);  // exact, then single
  if (a > 0 && b > 0 && h >= 1073741823.5f) return kMax;
  if (a < 0 && b < 0 && h <= -1073741823.5f) return kNegMax;
  return static_cast<int>(i64{a} + b);
}

inline int subtract(int a, int b) {
  if (a == MAX || b == -MAX) return kMax;
  if (a == -MAX || b == MAX) return kNegMax;
  if (a > 0 && b < 0) {
    const double t = static_cast<double>(mag(b)) / 2 + static_cast<double>(a / 2);
    if (t >= 1073741823.0) return kMax;
  }
  if (a < 0 && b > 0) {
    const double t = static_cast<double>(b / 2) + static_cast<double>(mag(a / 2));
    if (t >= 1073741823.0) return kNegMax;
  }
  // 0 - -2147483648 is left open by the rules; the library saturates it.
  const i64 d = i64{a} - b;
  return d > MAX ? kMax : static_cast<int>(d);
}

inline int multiply(int a, int b) {
  if (a == 0 || b == 0) return 0;
  if (a == 1 || b == 1) return static_cast<int>(i64{a} * b);
  const int s = sign_factor(a, b);
  if (mag(a) == MAX || mag(b) == MAX) return saturated(s);
  // Magnitudes are exact in 64 bits, so -2147483648 takes part as 2^31 and
  // saturates beside any factor but 0 and 1, which the rules leave open.
  const double q = 2147483647.0 / static_cast<double>(mag(b));
  if (static_cast<double>(mag(a)) >= q) return saturated(s);
  return static_cast<int>(i64{a} * b);
}

// ---------------------------------------------------------------------------
// Comparisons: one signed comparison of the stored integers.
// ---------------------------------------------------------------------------

enum relation { eq, ne, lt, le, gt, ge };

inline int relate(relation r, int a, int b) {
  switch (r) {
    case eq: return a == b;
    case ne: return a != b;
    case lt: return a < b;
    case le: return a <= b;
    case gt: return a > b;
    case ge: return a >= b;
  }
  return -1;
}

}  // namespace model

#endif  // SAFENUM_TESTS_SUPPORT_MODEL_INT_H
