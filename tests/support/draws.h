// The inputs the drivers draw: every edge value, random bit patterns, and
// operands aimed at each rung's threshold. How many random and aimed inputs
// a driver draws scales with SAFENUM_DRAW_SCALE (1 in the default run; the
// exhaustive label sets a large one), so both runs are the same code.
#ifndef SAFENUM_TESTS_SUPPORT_DRAWS_H
#define SAFENUM_TESTS_SUPPORT_DRAWS_H

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <type_traits>
#include <vector>

#include "model_float.h"

namespace draws {

inline long scaled(long base) {
  const char* scale = std::getenv("SAFENUM_DRAW_SCALE");
  return base * (scale != nullptr ? std::max(1L, std::atol(scale)) : 1L);
}

using rng = std::mt19937_64;

template <class T, class B>
T from_bits(B b) {
  T v;
  static_assert(sizeof v == sizeof b, "one width");
  std::memcpy(&v, &b, sizeof v);
  return v;
}

// Each value with its neighbours in its own format, of both signs.
template <class T>
std::vector<T> with_neighbours(std::initializer_list<T> centres) {
  std::vector<T> out;
  for (T c : centres) {
    for (T v : {std::nextafter(c, T(0)), c, std::nextafter(c, std::numeric_limits<T>::infinity())}) {
      out.push_back(v);
      out.push_back(-v);
    }
  }
  return out;
}

// The edge values of a floating class: zeros, subnormals, m and 2m, the
// neighbours of 1 and of the halves, the roots of C and m, H, C, what lies
// beyond C (a safefloat can hold it), 2^31 and the integer thresholds,
// infinities, and NaNs with payloads, quiet and signalling, of both signs.
template <class F>
std::vector<typename F::stored> edges() {
  using S = typename F::stored;
  using B = typename F::bits;
  const S C = S(F::C), m = S(F::m), H = S(F::H), big = std::numeric_limits<S>::max();
  std::vector<S> out = with_neighbours<S>(
      {S(0), std::numeric_limits<S>::denorm_min(), m / 2, m, 2 * m, 3 * m, S(0.5), S(1), S(1.5),
       S(2), S(2.5), S(3), S(6), std::sqrt(C), std::sqrt(m), H, C / 2 + C / 4, C, big, S(1e-20),
       S(1e20), S(3e37), S(5e37), S(16777217), S(2147483647.0), S(2147483648.0),
       S(1073741823.5), S(2147483646.5)});
  const B sign = B{1} << (8 * sizeof(B) - 1), quiet = B{1} << (std::numeric_limits<S>::digits - 2);
  const B nan = from_bits<B>(std::numeric_limits<S>::infinity()) | quiet;
  for (B pattern : {nan, nan | 0x1234u, (nan & ~quiet) | 0x77u}) {
    out.push_back(from_bits<S>(pattern));
    out.push_back(from_bits<S>(B(pattern | sign)));
  }
  if (sizeof(S) == 8) {  // a safedouble holds nothing beyond its ceiling
    std::vector<S> held;
    for (S v : out) {
      if (!(std::fabs(v) > C)) held.push_back(v);
    }
    out = held;
  }
  out.push_back(std::numeric_limits<S>::infinity());
  out.push_back(-std::numeric_limits<S>::infinity());
  return out;
}

// Plain double operands: the safedouble edges and what lies beyond them.
inline std::vector<double> double_operands() {
  std::vector<double> out = edges<model::double_class>();
  for (double v : with_neighbours<double>({DBL_MAX, 1e308, 1.5 * model::double_class::C, 3.5e38,
                                           0x1p126 - 0x1p101, 1e-40, 1e-50})) {
    out.push_back(v);
  }
  return out;
}

// The integer edges: small values, the roots of the ceiling, the multiples
// of 2^28, the thresholds of the halves and of the sums, the ceiling.
inline std::vector<int> int_edges() {
  std::vector<long long> centres = {0, 1, 2, 3, 7, 46340, 46341, 65536, 16777217, 1073741792,
                                    1073741823, 2147483520, 2147483584, 2147483646};
  for (long long k = 1; k < 8; ++k) centres.push_back(k << 28);
  std::vector<int> out;
  for (long long c : centres) {
    for (long long v : {c - 1, c, c + 1}) {
      out.push_back(static_cast<int>(v));
      out.push_back(static_cast<int>(-v));
    }
  }
  out.push_back(std::numeric_limits<int>::min());
  return out;
}

// A value the class can hold, from a bit pattern. A finite safedouble
// pattern beyond the ceiling loses its top exponent bit, and so does a NaN
// unless its last four bits are zero.
template <class F, class B = typename F::bits>
typename F::stored held(B b) {
  using S = typename F::stored;
  const S v = from_bits<S>(b);
  const bool kept = std::isinf(v) || (std::isnan(v) && (b & 0xf) == 0);
  if (sizeof(S) == 8 && !(std::fabs(v) <= F::C) && !kept) b &= ~(B{1} << (8 * sizeof(B) - 2));
  return from_bits<S>(b);
}

template <class F>
typename F::stored random_value(rng& r) {
  return held<F>(static_cast<typename F::bits>(r()));
}

// A random int: a full 32-bit pattern or a small magnitude.
inline int random_int(rng& r) {
  const std::uint64_t b = r();
  const int v = static_cast<int>(static_cast<std::uint32_t>(b));
  return (b >> 32) % 4 == 0 ? v / 65536 : v;
}

// Partners of a that put a quotient, product or sum at a rung's threshold:
// the neighbours of A/C and A/m (division), C/A and m/A (product), C - A
// (sum and half-sum), in the class's format, of both signs.
template <class F>
std::vector<typename F::stored> aimed_at(typename F::stored a) {
  using S = typename F::stored;
  const double A = std::fabs(double{a});
  std::vector<S> out;
  if (!(A > 0) || std::isinf(A)) return out;
  for (double centre : {A / F::C, A / F::m, F::C / A, F::m / A, F::C - A, A * F::C}) {
    if (!(centre < F::C) || !(centre > 0)) continue;
    S v = static_cast<S>(centre);
    v = std::nextafter(std::nextafter(v, S(0)), S(0));
    for (int k = 0; k < 5; ++k, v = std::nextafter(v, S(F::C))) {
      out.push_back(v);
      out.push_back(-v);
    }
  }
  return out;
}

// Partners of a at the integer thresholds: sums and differences near the
// limits of either sign, products near MAX.
inline std::vector<int> aimed_at(int a) {
  std::vector<int> out;
  const long long A = a;
  std::vector<long long> centres = {2147483584 - A, 2147483646 - A, -2147483584 - A,
                                    -2147483646 - A, A - 2147483646, A + 2147483646};
  if (a != 0) centres.push_back(2147483647LL / (A < 0 ? -A : A));
  for (long long c : centres) {
    for (long long v = c - 2; v <= c + 2; ++v) {
      if (v > -2147483648LL && v < 2147483648LL) out.push_back(static_cast<int>(v));
    }
  }
  return out;
}

// ---------------------------------------------------------------------------
// The operand lists of the export table, and the pairs a row runs on.
// ---------------------------------------------------------------------------
struct none_list {};
struct int_list {};
struct char_list {};
struct float_list {};
struct double_list {};

inline const std::vector<int>& edges(none_list) {
  static const std::vector<int> none{0};
  return none;
}
inline const std::vector<int>& edges(int_list) {
  static const std::vector<int> ints = int_edges();
  return ints;
}
inline const std::vector<char>& edges(char_list) {
  static const std::vector<char> chars = [] {
    std::vector<char> out;
    for (int c = -128; c < 128; ++c) out.push_back(static_cast<char>(c));
    return out;
  }();
  return chars;
}
inline const std::vector<float>& edges(float_list) {
  static const std::vector<float> floats = edges<model::single_class>();
  return floats;
}
inline const std::vector<double>& edges(double_list) {
  static const std::vector<double> doubles = double_operands();
  return doubles;
}

inline int random(none_list, rng&) { return 0; }
inline int random(int_list, rng& r) { return random_int(r); }
inline char random(char_list, rng& r) { return static_cast<char>(r()); }
inline float random(float_list, rng& r) { return random_value<model::single_class>(r); }
// A double pattern, a value a safedouble holds, or one by a half or by a
// limit of the conversions to int.
inline double random(double_list, rng& r) {
  const std::uint64_t b = r();
  const double k = static_cast<int>(b), quarter = static_cast<double>(b >> 62) / 4;
  const double nudge = static_cast<double>((b >> 32) % 3) - 1;  // the value or a neighbour
  switch (b % 4) {
    case 0: return from_bits<double>(r());
    case 1: return random_value<model::double_class>(r);
    case 2: return std::nextafter(k + 0.5, k + 0.5 + nudge);
    default: {
      const double v = k < 0 ? -2147483646.5 - quarter : 2147483646.5 + quarter;
      return std::nextafter(v, v + nudge);
    }
  }
}

inline std::vector<int> aimed(int_list, int a) { return aimed_at(a); }
inline std::vector<float> aimed(float_list, float a) { return aimed_at<model::single_class>(a); }
inline std::vector<double> aimed(double_list, double a) { return aimed_at<model::double_class>(a); }

// The operands of one row: every pair of edge values, then random ones; a
// row over one list also takes each random a with the partners aimed at its
// thresholds, on either side.
template <class A, class B, class Body>
void for_pairs(A list_a, B list_b, std::uint64_t seed, Body body) {
  for (auto a : edges(list_a)) {
    for (auto b : edges(list_b)) body(a, b);
  }
  if constexpr (!std::is_same<A, none_list>::value) {
    rng r(seed);
    const long n = scaled(std::is_same<B, none_list>::value ? 40000 : 4000);
    for (long i = 0; i < n; ++i) {
      const auto a = random(list_a, r);
      body(a, random(list_b, r));
      if constexpr (std::is_same<A, B>::value) {
        for (auto p : aimed(list_a, a)) {
          body(a, p);
          body(p, a);
        }
      }
    }
  }
}

}  // namespace draws

#endif  // SAFENUM_TESTS_SUPPORT_DRAWS_H
