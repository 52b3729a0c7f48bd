// The limit functions: the argument only selects the overload, so every
// argument value, a NaN or a saturated value included, gives the same result.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>

#include "bits.h"

namespace ts = testing_support;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const float kNaNf = std::numeric_limits<float>::quiet_NaN();
const float kInff = std::numeric_limits<float>::infinity();

TEST(ConversionsLimits, PlainTypesWhateverTheArgument) {
  for (long a : {0L, -1L, LONG_MIN, LONG_MAX}) EXPECT_EQ(GetMaxSystemValue(a), 2147483647L);
  for (int a : {0, -1, INT_MIN, INT_MAX}) EXPECT_EQ(GetMaxSystemValue(a), 2147483647);
  for (short a : {short{0}, short{-1}, short{SHRT_MIN}}) {
    EXPECT_EQ(GetMaxSystemValue(a), short{32767});
  }
  for (float a : {0.0f, -1.0f, kNaNf, kInff, -FLT_MAX}) {
    EXPECT_EQ(ts::bits(GetMaxSystemValue(a)), 0x7f7fffffu);
  }
  for (double a : {0.0, -1.0, kNaN, -DBL_MAX}) {
    EXPECT_EQ(ts::bits(GetMaxSystemValue(a)), 0x7fefffffffffffffu);
  }
}

TEST(ConversionsLimits, FloatingClassesGiveTheirCeilingNotTheFormatMaximum) {
  safefloat stored_above;
  stored_above = FLT_MAX;  // unchecked, above the ceiling
  for (safefloat a : {safefloat(), safefloat(kNaN), safefloat(-1e300), stored_above}) {
    EXPECT_EQ(ts::bits(ts::value_of(GetMaxSystemValue(a))), 0x7e800000u);
  }
  for (safedouble a : {safedouble(), safedouble(kNaN), safedouble(-1e308), safedouble(1e308)}) {
    const double got = ts::value_of(GetMaxSystemValue(a));
    EXPECT_EQ(ts::bits(got), 0x7fd0000000000000u);
    EXPECT_LT(got, GetMaxSystemValue(0.0));
  }
}

TEST(ConversionsLimits, SafeintLimits) {
  for (safeint a : {safeint(), safeint(INT_MIN), safeint(-2147483647), safeint(5)}) {
    EXPECT_EQ(ts::value_of(GetMaxSystemValue(a)), 2147483647);
    EXPECT_EQ(ts::value_of(GetMaxSystemValue(a)), GetMaxSystemValue(0));
    EXPECT_EQ(ts::value_of(GetMaxSystemValueMinusOne(a)), 2147483646);
    EXPECT_EQ(ts::value_of(GetMinSystemValue(a)), 1);
  }
}

}  // namespace
