// Independent models for the math function tests.
#ifndef SAFENUM_TESTS_SUPPORT_MATH_MODELS_H
#define SAFENUM_TESTS_SUPPORT_MATH_MODELS_H

#include <cstdint>

namespace math_models {

// Integer square root, floor(sqrt(n)), by integer-only Newton iteration.
inline std::int64_t isqrt(std::int64_t n) {
  if (n < 2) return n;
  std::int64_t x = n;
  std::int64_t y = (x + 1) / 2;
  while (y < x) {
    x = y;
    y = (x + n / x) / 2;
  }
  return x;
}

// sqrt(n) rounded to the nearest integer, an exact half going down. With
// r = isqrt(n): sqrt(n) > r + 1/2 exactly when 4n > (2r + 1)^2, that is when
// n - r^2 > r (the two sides are integers, and 4n is never (2r+1)^2).
inline std::int64_t rounded_root(std::int64_t n) {
  const std::int64_t r = isqrt(n);
  return (n - r * r > r) ? r + 1 : r;
}

}  // namespace math_models

#endif  // SAFENUM_TESTS_SUPPORT_MATH_MODELS_H
