// The library's ceil and abs sit in the global namespace beside the standard
// library's: plain arguments still reach the plain functions, unambiguously.
#include <cmath>
#include <cstdlib>

#include "safenum.h"

#include <gtest/gtest.h>

#include <type_traits>

#include "bits.h"

TEST(MathStdOverloads, PlainArgumentsReachThePlainFunctions) {
  static_assert(std::is_same<decltype(ceil(2.5)), double>::value, "ceil(double)");
  static_assert(std::is_same<decltype(abs(-3)), int>::value, "abs(int)");
  static_assert(std::is_same<decltype(std::ceil(2.5)), double>::value, "std::ceil");
  static_assert(std::is_same<decltype(std::abs(-3)), int>::value, "std::abs");
  EXPECT_EQ(ceil(2.5), 3.0);
  EXPECT_EQ(ceil(-2.5), -2.0);
  EXPECT_EQ(abs(-3), 3);
  EXPECT_EQ(std::ceil(2.5), 3.0);
  EXPECT_EQ(std::abs(-3), 3);
  EXPECT_EQ(std::abs(-2.5), 2.5);
  EXPECT_EQ(std::ceil(2.5f), 3.0f);
}

TEST(MathStdOverloads, LibraryArgumentsReachTheLibraryFunctions) {
  safedouble d(2.5);
  safefloat f(-2.5);
  static_assert(std::is_same<decltype(ceil(d)), safedouble>::value, "ceil(safedouble&)");
  static_assert(std::is_same<decltype(ceil(f)), safefloat>::value, "ceil(safefloat&)");
  static_assert(std::is_same<decltype(abs(safeint(-3))), safeint>::value, "abs(safeint)");
  EXPECT_EQ(testing_support::value_of(ceil(d)), 3.0);
  EXPECT_EQ(testing_support::value_of(ceil(f)), -2.0f);
  EXPECT_EQ(testing_support::value_of(abs(safeint(-2147483647))), 2147483647);
}
