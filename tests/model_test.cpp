// SPDX-License-Identifier: BSL-1.0
// The models against values the rules state outright, so that a model that
// drifted from the rules cannot agree with a library that drifted with it.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "model_math.h"

namespace {

using model::single_class;

TEST(Model, SafeintRulesGiveTheStatedValues) {
  EXPECT_EQ(model::add_assign(2147483646, 0), 2147483647);  // the halves saturate
  EXPECT_EQ(model::multiply_assign(46341, 46340), 2147483647);  // the strict quotient test
  EXPECT_EQ(model::add(1073741792, 1073741792), 2147483647);  // single-precision half-sum
  EXPECT_EQ(model::subtract(1073741823, -1073741823), 2147483646);
  EXPECT_EQ(model::round_from_double(2.5), 2);
  EXPECT_EQ(model::truncate_from(2147483646.9), 2147483646);
  EXPECT_EQ(model::root(15), 4);
}

TEST(Model, FloatingRulesGiveTheStatedValues) {
  EXPECT_EQ(model::divide_assign(1.0f, 1e38f), FLT_MIN);
  EXPECT_EQ(model::multiply_assign(0x1p-63f, 0x1p-63f), FLT_MIN);
  EXPECT_EQ(model::multiply(1e-160, 1e-160), 0.0);
  EXPECT_EQ(model::add_assign(2.2e307, 2.2e307), 4.4e307);
  EXPECT_EQ(model::add(0x1p126f, -0x1p110f), 8.506929365601998e37f);
  EXPECT_EQ(model::construct<single_class>(0x1p126 - 0x1p100), 0x1p126f);
  EXPECT_EQ(model::nint(-2.5), -3);
  EXPECT_EQ(model::nint(0.49999999999999994), 0);
}

}  // namespace
