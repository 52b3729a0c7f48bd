// Edge operands of the floating classes: zeros, NaNs with payloads,
// infinities, subnormals, m and 2m, values next to 1, sqrt of the ceiling
// and of m, H, C and beyond, the format's largest value; both signs, each
// with its neighbours.
#ifndef SAFENUM_TESTS_SUPPORT_FLOAT_EDGES_H
#define SAFENUM_TESTS_SUPPORT_FLOAT_EDGES_H

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "bits.h"
#include "float_model.h"

namespace float_edges {

template <class F>
std::vector<double> edges() {
  using stored = typename F::stored;
  const stored inf = std::numeric_limits<stored>::infinity();
  const stored C = static_cast<stored>(float_model::ceiling<F>());
  const stored m = static_cast<stored>(float_model::smallest<F>());
  const int p = std::numeric_limits<stored>::digits;
  std::vector<stored> centres = {
      stored(0), std::numeric_limits<stored>::denorm_min(), m / 2, m, 2 * m, 3 * m,
      stored(0.5), stored(1), stored(2), stored(3), stored(6), stored(4), stored(1.5),
      std::ldexp(stored(1), (F::ceiling_exp) / 2),       // sqrt C
      std::ldexp(stored(1), (F::normal_exp) / 2),        // sqrt m
      std::ldexp(stored(1), (F::normal_exp) / 2 - 1),
      std::ldexp(stored(1), -p), std::ldexp(stored(1), p),
      C / 2, C / 4, C * stored(0.75), C, std::numeric_limits<stored>::max(),
      stored(1e-10), stored(1e10), stored(1e20), stored(1e-20), stored(1e30), stored(1e-30),
      stored(3e37), stored(4e37), stored(5e37), stored(16777217), stored(2147483647.0)};
  if (sizeof(stored) == 4) {
    // single values beyond the ceiling reachable by the plain assignment
    centres.push_back(C * stored(1.5));
    centres.push_back(C * stored(2));
  } else {
    for (double v : {1e-300, 1e300, 1e-160, 1e160, 1e200, 1e-200, 1e-310, 1e307, 2.2e307, 3e307, 1e308})
      centres.push_back(static_cast<stored>(v));
  }
  std::vector<double> out;
  for (stored c : centres) {
    for (stored v : {std::nextafter(c, stored(0)), c, std::nextafter(c, inf)}) {
      if (std::fabs(v) >= C && std::fabs(v) != C && sizeof(stored) == 8) continue;
      out.push_back(v);
      out.push_back(-v);
    }
  }
  out.push_back(inf);
  out.push_back(-inf);
  // quiet NaNs carrying payloads, of both signs
  if (sizeof(stored) == 4) {
    out.push_back(testing_support::float_from_bits(0x7fc01234u));
    out.push_back(testing_support::float_from_bits(0xffc00077u));
  } else {
    out.push_back(testing_support::double_from_bits(0x7ff8000000001234u));
    out.push_back(testing_support::double_from_bits(0xfff8000000000077u));
  }
  return out;
}

// A random stored value of the class from a uniformly random bit pattern;
// for safedouble, a pattern beyond the ceiling is folded below it (only an
// infinity can be held above it).
template <class F>
double random_value(std::mt19937_64& rng) {
  if (sizeof(typename F::stored) == 4) {
    return testing_support::float_from_bits(static_cast<std::uint32_t>(rng()));
  }
  std::uint64_t b = rng();
  double v = testing_support::double_from_bits(b);
  if (std::isnan(v) || std::isinf(v)) {
    if ((b & 0xff) == 0) return (b >> 63) ? -HUGE_VAL : HUGE_VAL;
    if ((b & 0xff) == 1) return v;
  }
  if (!(std::fabs(v) <= float_model::ceiling<F>())) {
    b &= ~(std::uint64_t{1} << 62);  // halve the exponent range
    v = testing_support::double_from_bits(b);
  }
  return v;
}

// Partners of a that put a product, quotient or sum right at a threshold:
// the neighbours of C/|a|, m/|a| and C - |a| in the class's format, where
// the double rounding of C/A and of the scaled product decides.
template <class F>
std::vector<double> threshold_partners(double a) {
  using stored = typename F::stored;
  const double C = float_model::ceiling<F>(), m = float_model::smallest<F>();
  const double A = std::fabs(a);
  std::vector<double> out;
  if (!std::isfinite(A) || A == 0) return out;
  for (double centre : {C / A, m / A, C - A, C * A, m * A}) {
    if (!std::isfinite(centre) || !(std::fabs(centre) < C)) continue;
    stored v = static_cast<stored>(centre);
    v = std::nextafter(std::nextafter(v, stored(0)), stored(0));
    for (int k = 0; k < 5; ++k, v = std::nextafter(v, stored(C))) {
      if (std::fabs(static_cast<double>(v)) < C) {
        out.push_back(v);
        out.push_back(-static_cast<double>(v));
      }
    }
  }
  return out;
}

}  // namespace float_edges

#endif  // SAFENUM_TESTS_SUPPORT_FLOAT_EDGES_H
