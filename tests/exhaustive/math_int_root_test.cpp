// Function_1971 of safeint at every perfect square and every half-square
// boundary up to 2^31, on both signs, against the integer model.
#include <gtest/gtest.h>

#include <cstdint>

#include "bits.h"
#include "math_models.h"

using testing_support::value_of;

TEST(MathIntRootExhaustive, EverySquareAndHalfSquareBoundary) {
  const std::int64_t kMax = 2147483647;
  for (std::int64_t r = 0; r * r <= kMax + 1; ++r) {
    // r^2 + r is the last input whose root rounds to r, r^2 + r + 1 the first
    // that rounds to r + 1; test each with its neighbours.
    for (std::int64_t base : {r * r, r * r + r, r * r + r + 1}) {
      for (std::int64_t n = base - 1; n <= base + 1; ++n) {
        if (n < 0 || n > kMax + 1) continue;
        const std::int64_t want = math_models::rounded_root(n);
        if (n <= kMax) {
          ASSERT_EQ(value_of(Function_1971(safeint(static_cast<int>(n)))), want) << n;
        }
        ASSERT_EQ(value_of(Function_1971(safeint(static_cast<int>(-n)))), want) << -n;
      }
    }
  }
}

// Every input from 0 to 2^24 and its negation: the dense part of the range.
TEST(MathIntRootExhaustive, DenseLowRange) {
  for (std::int64_t n = 0; n <= (1 << 24); ++n) {
    const std::int64_t want = math_models::rounded_root(n);
    ASSERT_EQ(value_of(Function_1971(safeint(static_cast<int>(n)))), want) << n;
    ASSERT_EQ(value_of(Function_1971(safeint(static_cast<int>(-n)))), want) << -n;
  }
}
