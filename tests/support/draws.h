// SPDX-License-Identifier: BSL-1.0
// The operands the drivers run the export table's rows on: every pair of
// edge values, random bit patterns, and operands aimed at each rung's
// threshold. How many random operands a row draws scales with
// SAFENUM_DRAW_SCALE (1 in the default run, 256 under the exhaustive
// label), so both runs are the same code.
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

// The edge values of a floating format, each with its neighbours and of
// both signs: zeros, subnormals, m and 2m, the neighbours of 1 and of the
// halves, the roots of C and m, H, C, what lies beyond C, 2^31 and 2^31 + 1
// (the negation of whose double truncates below the int range), the integer
// thresholds; then the infinities, and NaNs with payloads, quiet and
// signalling.
template <class S, class F = model::class_of<S>, class B = typename F::bits>
std::vector<S> edges() {
  const S C = S(F::C), m = S(F::m);
  std::vector<double> centres = {0, m / 2, m, 2 * m, 3 * m, 0.5, 1, 1.5, 2, 2.5, 3, 6,
                                 std::sqrt(C), std::sqrt(m), F::H, 0.75 * F::C, F::C, 1e-20, 1e20,
                                 3e37, 5e37, 16777217, 2147483646.5, 2147483647.0, 2147483648.0,
                                 2147483649.0, 0x1p23, 0x1p52};
  if (sizeof(S) == 8) centres.insert(centres.end(), {1e308, 1.5 * F::C, 3.5e38, 0x1.ffffffp127, 0x1p126 - 0x1p101, 1e-40});
  centres.push_back(std::numeric_limits<S>::denorm_min());
  centres.push_back(std::numeric_limits<S>::max());
  std::vector<S> out;
  for (double c : centres) {
    for (S v : {std::nextafter(S(c), S(0)), S(c), std::nextafter(S(c), S(INFINITY))}) {
      out.insert(out.end(), {v, -v});
    }
  }
  const B sign = B{1} << (8 * sizeof(B) - 1), quiet = B{1} << (std::numeric_limits<S>::digits - 2);
  const B nan = from_bits<B>(std::numeric_limits<S>::infinity()) | quiet;
  for (B pattern : {nan, nan | 0x1234u, (nan & ~quiet) | 0x77u}) {
    out.insert(out.end(), {from_bits<S>(pattern), from_bits<S>(B(pattern | sign))});
  }
  return out;
}

// The integer edges: small values, the roots of the ceiling, the multiples
// of 2^28, the thresholds of the halves and of the sums, the ceiling, each
// with its neighbours and of both signs; and -2147483648.
inline std::vector<int> int_edges() {
  std::vector<long long> centres = {0, 1, 2, 3, 7, 46340, 46341, 65536, 16777217, 1073741792,
                                    1073741823, 2147483520, 2147483584, 2147483646};
  for (long long k = 1; k < 8; ++k) centres.push_back(k << 28);
  std::vector<int> out = {-2147483647 - 1};
  for (long long c : centres) {
    for (long long v : {c - 1, c, c + 1}) out.insert(out.end(), {int(v), int(-v)});
  }
  return out;
}

// A random stored value of a class, from a random bit pattern. A finite
// safedouble pattern beyond the ceiling, which no safedouble holds, loses
// its top exponent bit, and so does a NaN unless its last four bits are
// zero; a safefloat holds any pattern.
template <class S>
S random_value(rng& r) {
  using B = typename model::class_of<S>::bits;
  B b = static_cast<B>(r());
  const S v = from_bits<S>(b);
  const bool kept = sizeof(S) == 4 || std::isinf(v) || (std::isnan(v) && (b & 0xf) == 0);
  if (!(std::fabs(v) <= model::class_of<S>::C) && !kept) b &= ~(B{1} << (8 * sizeof(B) - 2));
  return from_bits<S>(b);
}

// ---------------------------------------------------------------------------
// The operand lists of the export table.
// ---------------------------------------------------------------------------
struct none_list {};
struct int_list {};
struct char_list {};
struct float_list {};
struct double_list {};

template <class List, class Make>
const auto& cached(List, Make make) {
  static const auto values = make();
  return values;
}
inline const auto& edges(none_list l) { return cached(l, [] { return std::vector<int>{0}; }); }
inline const auto& edges(int_list l) { return cached(l, int_edges); }
inline const auto& edges(float_list l) { return cached(l, edges<float>); }
inline const auto& edges(double_list l) { return cached(l, edges<double>); }
inline const auto& edges(char_list l) {
  return cached(l, [] {
    std::vector<char> all;
    for (int c = -128; c < 128; ++c) all.push_back(static_cast<char>(c));
    return all;
  });
}

inline int random(none_list, rng&) { return 0; }
inline char random(char_list, rng& r) { return static_cast<char>(r()); }
inline float random(float_list, rng& r) { return random_value<float>(r); }
// A full 32-bit pattern or a small magnitude.
inline int random(int_list, rng& r) {
  const std::uint64_t b = r();
  const int v = static_cast<int>(static_cast<std::uint32_t>(b));
  return (b >> 32) % 4 == 0 ? v / 65536 : v;
}
// A double pattern, a value a safedouble holds, or one by a half or by a
// limit of the conversions to int, or a neighbour of it.
inline double random(double_list, rng& r) {
  const std::uint64_t b = r();
  const double k = static_cast<int>(b), quarter = static_cast<double>(b >> 62) / 4;
  const double nudge = static_cast<double>((b >> 32) % 3) - 1;
  const double near_limit = k < 0 ? -2147483646.5 - quarter : 2147483646.5 + quarter;
  switch (b % 4) {
    case 0: return from_bits<double>(r());
    case 1: return random_value<double>(r);
    case 2: return std::nextafter(k + 0.5, k + 0.5 + nudge);
    default: return std::nextafter(near_limit, near_limit + nudge);
  }
}

// Partners of a that put a quotient, product or sum at a rung's threshold:
// the neighbours of A/C and A/m (division), C/A and m/A (product), C - A
// (sum and half-sum), in the class's format, of both signs.
template <class S, class F = model::class_of<S>>
std::vector<S> aimed(S a) {
  const double A = std::fabs(double{a});
  std::vector<S> out;
  if (!(A > 0) || std::isinf(A)) return out;
  for (double centre : {A / F::C, A / F::m, F::C / A, F::m / A, F::C - A, A * F::C}) {
    if (!(centre < F::C) || !(centre > 0)) continue;
    S v = std::nextafter(std::nextafter(static_cast<S>(centre), S(0)), S(0));
    for (int k = 0; k < 5; ++k, v = std::nextafter(v, S(F::C))) out.insert(out.end(), {v, -v});
  }
  return out;
}
// Partners of an int a at the integer thresholds: sums and differences near
// the limits of either sign, products near MAX.
inline std::vector<int> aimed(int a) {
  const long long A = a;
  std::vector<long long> centres = {2147483584 - A, 2147483646 - A, -2147483584 - A,
                                    -2147483646 - A, A - 2147483646, A + 2147483646};
  if (a != 0) centres.push_back(2147483647LL / (A < 0 ? -A : A));
  std::vector<int> out;
  for (long long c : centres) {
    for (long long v = c - 2; v <= c + 2; ++v) {
      if (v > -2147483648LL && v < 2147483648LL) out.push_back(static_cast<int>(v));
    }
  }
  return out;
}

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
        for (auto p : aimed(a)) {
          body(a, p);
          body(p, a);
        }
      }
    }
  }
}

}  // namespace draws

#endif  // SAFENUM_TESTS_SUPPORT_DRAWS_H
