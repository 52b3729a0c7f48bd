// An independent model of the floating arithmetic: each outcome is stated in
// closed form and decided in exact arithmetic (integer significands in 128
// bits, long double, power-of-two scaling), never by re-running the
// library's double-precision tests.
#ifndef SAFENUM_TESTS_SUPPORT_FLOAT_MODEL_H
#define SAFENUM_TESTS_SUPPORT_FLOAT_MODEL_H

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "bits.h"
#include "safenum.h"

namespace float_model {

#if defined(__SIZEOF_INT128__)
__extension__ typedef unsigned __int128 u128;
#else
// Targets without a native 128-bit integer (32-bit x86) get the few
// operations the model needs. Products are of two significands below 2^64.
struct u128 {
  std::uint64_t hi = 0, lo = 0;
  u128() = default;
  u128(std::uint64_t v) : lo(v) {}  // NOLINT: used like the native type
  friend u128 operator*(u128 x, u128 y) {
    const std::uint64_t a0 = x.lo & 0xffffffffu, a1 = x.lo >> 32;
    const std::uint64_t b0 = y.lo & 0xffffffffu, b1 = y.lo >> 32;
    const std::uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
    const std::uint64_t mid = (p00 >> 32) + (p01 & 0xffffffffu) + (p10 & 0xffffffffu);
    u128 r;
    r.lo = (mid << 32) | (p00 & 0xffffffffu);
    r.hi = p11 + (p01 >> 32) + (p10 >> 32) + (mid >> 32) + x.hi * y.lo + x.lo * y.hi;
    return r;
  }
  friend u128 operator+(u128 x, u128 y) {
    u128 r;
    r.lo = x.lo + y.lo;
    r.hi = x.hi + y.hi + (r.lo < x.lo ? 1 : 0);
    return r;
  }
  friend std::uint64_t operator&(u128 x, std::uint64_t m) { return x.lo & m; }
  u128& operator<<=(int n) {
    while (n-- > 0) {
      hi = (hi << 1) | (lo >> 63);
      lo <<= 1;
    }
    return *this;
  }
  u128& operator>>=(int n) {
    while (n-- > 0) {
      lo = (lo >> 1) | (hi << 63);
      hi >>= 1;
    }
    return *this;
  }
  friend bool operator==(u128 x, u128 y) { return x.hi == y.hi && x.lo == y.lo; }
  friend bool operator!=(u128 x, u128 y) { return !(x == y); }
  friend bool operator<(u128 x, u128 y) { return x.hi != y.hi ? x.hi < y.hi : x.lo < y.lo; }
  friend bool operator>(u128 x, u128 y) { return y < x; }
};
#endif

// A positive finite number sig * 2^exp, held exactly.
struct exact {
  u128 sig;
  int exp;
};

inline int bit_length(u128 v) {
  int n = 0;
  while (v != 0) {
    v >>= 1;
    ++n;
  }
  return n;
}

// A positive finite double as a 53-bit integer significand and exponent.
inline exact exact_of(double v) {
  int e;
  double f = std::frexp(v, &e);  // v = f * 2^e, f in [0.5, 1)
  return {u128(static_cast<std::uint64_t>(std::ldexp(f, 53))), e - 53};
}

inline exact times(exact x, exact y) { return {x.sig * y.sig, x.exp + y.exp}; }

// -1, 0, 1 as x is less than, equal to or greater than y.
inline int compare(exact x, exact y) {
  const int lx = bit_length(x.sig) + x.exp, ly = bit_length(y.sig) + y.exp;
  if (lx != ly) return lx < ly ? -1 : 1;
  u128 sx = x.sig, sy = y.sig;
  if (x.exp > y.exp) sx <<= (x.exp - y.exp);
  if (y.exp > x.exp) sy <<= (y.exp - x.exp);
  return sx < sy ? -1 : (sx > sy ? 1 : 0);
}

// The constants of one class, and the ways a double value enters it.
struct single_fmt {
  using object = safefloat;
  using stored = float;
  static constexpr int ceiling_exp = 126;
  static constexpr int normal_exp = -126;
  static constexpr std::uint64_t ceiling_pattern = 0x7e800000u;
  static std::uint64_t pattern(double mag) {
    return testing_support::bits(static_cast<float>(mag));
  }
  // One rounding to single precision; a long double holds every exact
  // product of two floats, and rounding a 64-bit result to 24 bits gives
  // the correctly rounded value of a sum or quotient.
  static double round(long double v) {
    if (std::fabs(v) > FLT_MAX) {
      const long double over = 0x1.ffffffp127L;
      if (std::fabs(v) >= over) return std::copysign(HUGE_VAL, static_cast<double>(v));
      return std::copysign(static_cast<double>(FLT_MAX), static_cast<double>(v));
    }
    return static_cast<float>(v);
  }
  static long double add(double a, double b) { return static_cast<long double>(a) + b; }
  static long double sub(double a, double b) { return static_cast<long double>(a) - b; }
  static long double mul(double a, double b) { return static_cast<long double>(a) * b; }
  static long double div(double a, double b) { return static_cast<long double>(a) / b; }
  static safefloat hold(double v) { return testing_support::safefloat_from_bits(testing_support::bits(static_cast<float>(v))); }
  static double value(const safefloat& f) { return testing_support::value_of(f); }
};

struct double_fmt {
  using object = safedouble;
  using stored = double;
  static constexpr int ceiling_exp = 1022;
  static constexpr int normal_exp = -1022;
  static constexpr std::uint64_t ceiling_pattern = 0x7fd0000000000000u;
  static std::uint64_t pattern(double mag) { return testing_support::bits(mag); }
  // The result of one IEEE double operation is the reference for the value
  // itself; the model decides everything around it.
  static double round(long double v) { return static_cast<double>(v); }
  static long double add(double a, double b) { return a + b; }
  static long double sub(double a, double b) { return a - b; }
  static long double mul(double a, double b) { return a * b; }
  static long double div(double a, double b) { return a / b; }
  // A value below the ceiling, or an infinity, held unchanged.
  static safedouble hold(double v) {
    safedouble d;
    if (std::isinf(v)) {
      d = static_cast<float>(v);
    } else {
      d = v;
    }
    return d;
  }
  static double value(const safedouble& d) { return testing_support::value_of(d); }
};

template <class F>
constexpr double ceiling() { return std::ldexp(1.0, F::ceiling_exp); }
template <class F>
constexpr double smallest() { return std::ldexp(1.0, F::normal_exp); }

// A model result: the value, and whether its bits are fixed (a value passed
// through unchanged) or only its being a NaN (a NaN an operation computed).
struct result {
  double value;
  bool exact_bits;
};
inline result computed(double v) { return {v, false}; }
inline result kept(double v) { return {v, true}; }

// Negative: below zero, a NaN included; a zero of either sign is not.
inline bool negative(double x) { return x < 0 || std::isnan(x); }
inline double sign(double a, double b) { return negative(a) != negative(b) ? -1.0 : 1.0; }
inline bool zero_or_nan(double x) { return x == 0 || std::isnan(x); }

template <class F>
bool is_ceiling(double mag) { return F::pattern(mag) == F::ceiling_pattern; }

// The saturating construction applied to an exactly known value: a magnitude
// of at least C becomes C with its sign, anything else is rounded once.
template <class F>
double saturated(long double v) {
  if (std::fabs(v) >= ceiling<F>()) return std::copysign(ceiling<F>(), static_cast<double>(v));
  return F::round(v);
}

// a + b >= t exactly, for finite a, b and t > 0 near the ceiling. The larger
// operand lies within a factor of four of t (or the sum is far below t), so
// its difference from t is exact in long double, and the sign of a rounded
// sum is the sign of the exact one.
inline bool sum_reaches(double a, double b, long double t) {
  const double big = a > b ? a : b, small = a > b ? b : a;
  if (big < t / 4) return false;
  const long double rest = static_cast<long double>(big) - t;
  return rest + small >= 0;
}

// The threshold of a double-precision half-sum that reaches H: the exact sum
// at least C(1 - 2^-54), the midpoint below C that rounds up to C.
template <class F>
long double rounds_to_ceiling() { return std::ldexp(static_cast<long double>(0x1p54 - 1), F::ceiling_exp - 54); }

// ---------------------------------------------------------------------------
// Division. The quotient saturates when the divisor is below 1 and the exact
// quotient reaches C, and becomes s*m when the divisor is at least 1 and the
// exact quotient is at most m.
// ---------------------------------------------------------------------------
template <class F>
result divide(double a, double b, bool compound) {
  const double C = ceiling<F>(), s = sign(a, b);
  if (zero_or_nan(a)) return compound ? kept(a) : kept(0.0);
  const double A = std::fabs(a), B = std::fabs(b);
  if (is_ceiling<F>(A) || zero_or_nan(b)) return kept(s * C);
  if (is_ceiling<F>(B)) return kept(0.0);
  const long double lA = A, lB = B;
  if (B < 1 && lA >= std::ldexp(lB, F::ceiling_exp)) return kept(s * C);
  if (B >= 1 && lA <= std::ldexp(lB, F::normal_exp)) return kept(s * smallest<F>());
  const long double q = F::div(a, b);
  return computed(compound ? F::round(q) : saturated<F>(q));
}

// ---------------------------------------------------------------------------
// Multiplication. Both magnitudes at least 1: the product saturates when
// C/A, correctly rounded to double, is at most B, i.e. when A times the
// midpoint above B exceeds C (or meets it and B's significand is even). Both
// magnitudes below 1: +0.0 when the exact product, rounded to double
// precision with unbounded exponent, lies below m, i.e. below m(1 - 2^-54).
// ---------------------------------------------------------------------------
template <class F>
bool product_saturates(double A, double B) {
  if (std::isinf(A) || std::isinf(B)) return true;
  const exact eb = exact_of(B);
  const exact above_b{eb.sig * 2 + 1, eb.exp - 1};
  const exact c{1, F::ceiling_exp};
  const int cmp = compare(times(exact_of(A), above_b), c);
  return cmp > 0 || (cmp == 0 && (eb.sig & 1) == 0);
}

template <class F>
bool product_flushes(double A, double B) {
  const exact limit{u128((std::uint64_t{1} << 54) - 1), F::normal_exp - 54};
  return compare(times(exact_of(A), exact_of(B)), limit) < 0;
}

template <class F>
result multiply(double a, double b, bool compound) {
  const double C = ceiling<F>(), s = sign(a, b);
  if (zero_or_nan(a) || zero_or_nan(b)) return kept(0.0);
  const double A = std::fabs(a), B = std::fabs(b);
  if (is_ceiling<F>(A) || is_ceiling<F>(B)) return kept(s * C);
  if (A >= 1 && B >= 1 && product_saturates<F>(A, B)) return kept(s * C);
  if (A < 1 && B < 1 && product_flushes<F>(A, B)) return kept(0.0);
  const long double p = F::mul(a, b);
  return computed(compound ? F::round(p) : saturated<F>(p));
}

// ---------------------------------------------------------------------------
// In-place addition: a saturated left value (or a NaN) stays, a saturated
// right value (or a NaN) is taken, a magnitude of at most 2m gives the plain
// sum, and otherwise the sum saturates when its double-rounded half reaches
// H. Opposite infinities have no half-sum; an undefined half-sum is below H
// and not above -H, so it gives -C.
// ---------------------------------------------------------------------------
template <class F>
result add_in_place(double a, double b) {
  const double C = ceiling<F>(), guard = 2 * smallest<F>();
  const double A = std::fabs(a), B = std::fabs(b);
  if (A == C || std::isnan(a)) return kept(a);
  if (B == C || std::isnan(b)) return kept(b);
  if (A <= guard || B <= guard) return computed(F::round(F::add(a, b)));
  if (std::isinf(a) || std::isinf(b)) {
    if (std::isinf(a) && std::isinf(b) && (a > 0) != (b > 0)) return kept(-C);
    return kept((std::isinf(a) ? a : b) > 0 ? C : -C);
  }
  const long double t = rounds_to_ceiling<F>();
  if (sum_reaches(a, b, t)) return kept(C);
  if (sum_reaches(-a, -b, t)) return kept(-C);
  return computed(F::round(F::add(a, b)));
}

// ---------------------------------------------------------------------------
// Free sum and difference: the result saturates only when the magnitudes'
// double-rounded half-sum reaches H and both operands push the same way
// (strictly signed); otherwise the plain result is saturated on delivery.
// ---------------------------------------------------------------------------
template <class F>
result add_or_subtract(double a, double b, bool subtract) {
  const double C = ceiling<F>();
  const double A = std::fabs(a), B = std::fabs(b);
  const double b_effect = subtract ? -b : b;
  bool big = false;
  if (!std::isnan(a) && !std::isnan(b)) {
    big = std::isinf(A) || std::isinf(B) || sum_reaches(A, B, rounds_to_ceiling<F>());
  }
  if (big && a > 0 && b_effect > 0) return kept(C);
  if (big && a < 0 && b_effect < 0) return kept(-C);
  return computed(saturated<F>(subtract ? F::sub(a, b) : F::add(a, b)));
}

// The relations: the outcome table over less, equal, greater, unordered.
enum relation { eq, ne, lt, le, gt, ge };
inline int relate(relation r, long double a, long double b) {
  static const int table[6][4] = {
      {0, 1, 0, 1}, {1, 0, 1, 0}, {1, 0, 0, 1}, {1, 1, 0, 1}, {0, 0, 1, 0}, {0, 1, 1, 0}};
  const int outcome = std::isunordered(a, b) ? 3 : (a < b ? 0 : (a == b ? 1 : 2));
  return table[r][outcome];
}

// Agreement of a library value with a model result.
template <class F>
bool agrees(double got, const result& want) {
  if (std::isnan(want.value) && !want.exact_bits) return std::isnan(got);
  return F::pattern(got) == F::pattern(want.value);
}

}  // namespace float_model

#endif  // SAFENUM_TESTS_SUPPORT_FLOAT_MODEL_H
