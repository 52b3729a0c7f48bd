// safeint construction, assignment and conversions out. The constructors
// from float and double round (halves toward zero), the assignments truncate.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "bits.h"

namespace ts = testing_support;

namespace {

constexpr int kSatPos = 0x7fffffff;
constexpr int kSatNeg = -0x7fffffff;
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
const float kNaNf = std::numeric_limits<float>::quiet_NaN();
const float kInff = std::numeric_limits<float>::infinity();

TEST(ConversionsSafeint, DefaultHoldsZero) { EXPECT_EQ(ts::value_of(safeint()), 0); }

TEST(ConversionsSafeint, IntStoredUnchangedByCtorAndAssignment) {
  for (int v : {0, 1, -1, INT_MAX, -INT_MAX, INT_MIN, 123456789}) {
    EXPECT_EQ(ts::value_of(safeint(v)), v);
    safeint s(7);
    safeint& ref = (s = v);
    EXPECT_EQ(&ref, &s);
    EXPECT_EQ(ts::value_of(s), v);
  }
  // -2147483648 is stored as 0x80000000, not as the saturated -2147483647.
  EXPECT_EQ(static_cast<unsigned long>(safeint(INT_MIN)), 0x80000000ul);
}

TEST(ConversionsSafeint, CharIsSignExtendedForEveryByte) {
  for (int byte = 0; byte < 256; ++byte) {
    const char c = static_cast<char>(static_cast<unsigned char>(byte));
    const int want = byte < 128 ? byte : byte - 256;
    EXPECT_EQ(ts::value_of(safeint(c)), want) << byte;
    safeint s(99);
    safeint& ref = (s = c);
    EXPECT_EQ(&ref, &s);
    EXPECT_EQ(ts::value_of(s), want) << byte;
  }
}

struct RoundCase {
  double x;
  int want;
};

// Nearest integer, halves toward zero; saturates at +-2147483647.0.
TEST(ConversionsSafeint, DoubleCtorRoundsHalvesTowardZero) {
  const RoundCase cases[] = {
      {2.5, 2},           {2.5000001, 3},    {-2.5, -2},          {-2.6, -3},
      {0.7, 1},           {-0.7, -1},        {0.5, 0},            {-0.5, 0},
      {3.5, 3},           {2.51, 3},         {-0.0, 0},           {1e-300, 0},
      {2147483647.0, kSatPos},  {2147483646.75, kSatPos},  {2147483646.5, 2147483646},
      {2147483646.0, 2147483646}, {-2147483646.5, -2147483646},
      {-2147483646.75, kSatNeg}, {-2147483647.0, kSatNeg}, {-2147483648.0, kSatNeg},
      {1e300, kSatPos},   {-1e300, kSatNeg}, {kInf, kSatPos},     {-kInf, kSatNeg},
      {kNaN, kSatNeg},    {-kNaN, kSatNeg},
  };
  for (const RoundCase& c : cases) EXPECT_EQ(ts::value_of(safeint(c.x)), c.want) << c.x;
}

struct RoundCaseF {
  float x;
  int want;
};

// The float limits are +-2^31; every float with a fraction is below 2^24.
TEST(ConversionsSafeint, FloatCtorRoundsWithTheFloatLimits) {
  const RoundCaseF cases[] = {
      {2.5f, 2},          {-2.5f, -2},        {2.75f, 3},          {-2.75f, -3},
      {0.5f, 0},          {8388607.5f, 8388607}, {-8388606.5f, -8388606},
      {2147483648.0f, kSatPos}, {2147483520.0f, 2147483520}, {-2147483520.0f, -2147483520},
      {-2147483648.0f, kSatNeg}, {3e38f, kSatPos}, {kInff, kSatPos}, {-kInff, kSatNeg},
      {kNaNf, kSatNeg},
  };
  for (const RoundCaseF& c : cases) EXPECT_EQ(ts::value_of(safeint(c.x)), c.want) << c.x;
}

// Truncation toward zero, saturated at magnitude 2147483647.0; a NaN stores
// the negative saturated value, as the constructors do.
TEST(ConversionsSafeint, AssignmentsTruncate) {
  const RoundCase doubles[] = {
      {2.9, 2},           {-2.9, -2},          {2147483646.9, 2147483646},
      {2147483647.0, kSatPos}, {-2147483647.0, kSatNeg}, {-2147483648.0, kSatNeg},
      {-5e9, kSatNeg},    {5e9, kSatPos},      {-0.0, 0},           {-0.7, 0},
      {kInf, kSatPos},    {-kInf, kSatNeg},    {kNaN, kSatNeg},     {-kNaN, kSatNeg},
  };
  for (const RoundCase& c : doubles) {
    safeint s(42);
    safeint& ref = (s = c.x);
    EXPECT_EQ(&ref, &s);
    EXPECT_EQ(ts::value_of(s), c.want) << c.x;
  }
  const RoundCaseF floats[] = {
      {-2.9f, -2},        {2.9f, 2},           {2147483520.0f, 2147483520},
      {2147483648.0f, kSatPos}, {-2147483648.0f, kSatNeg}, {-0.0f, 0},
      {kInff, kSatPos},   {-kInff, kSatNeg},   {kNaNf, kSatNeg},
  };
  for (const RoundCaseF& c : floats) {
    safeint s(42);
    safeint& ref = (s = c.x);
    EXPECT_EQ(&ref, &s);
    EXPECT_EQ(ts::value_of(s), c.want) << c.x;
  }
}

// The same argument through the rounding constructor and the assignment.
TEST(ConversionsSafeint, CtorRoundsWhereAssignmentTruncates) {
  struct Case {
    double x;
    int constructed, assigned;
  };
  const Case cases[] = {
      {2.7, 3, 2},       {-2.7, -3, -2},    {2.5, 2, 2},  {-0.7, -1, 0},
      {2147483646.7, kSatPos, 2147483646},  {-2147483647.0, kSatNeg, kSatNeg},
      {1e300, kSatPos, kSatPos},            {kNaN, kSatNeg, kSatNeg},
  };
  for (const Case& c : cases) {
    safeint s;
    s = c.x;
    EXPECT_EQ(ts::value_of(safeint(c.x)), c.constructed) << c.x;
    EXPECT_EQ(ts::value_of(s), c.assigned) << c.x;
  }
}

TEST(ConversionsSafeint, ConversionsOut) {
  struct Case {
    int v;
    unsigned long as_unsigned;
    float as_float;
  };
  const Case cases[] = {
      {0, 0ul, 0.0f},
      {-1, 4294967295ul, -1.0f},
      {kSatNeg, 2147483649ul, -2147483648.0f},
      {INT_MIN, 2147483648ul, -2147483648.0f},
      {kSatPos, 2147483647ul, 2147483648.0f},
      {16777217, 16777217ul, 16777216.0f},
      {16777219, 16777219ul, 16777220.0f},  // ties to even
      {-16777217, 4278190079ul, -16777216.0f},
  };
  for (const Case& c : cases) {
    safeint s(c.v);
    EXPECT_EQ(static_cast<int>(s), c.v);
    EXPECT_EQ(static_cast<unsigned long>(s), c.as_unsigned) << c.v;
    EXPECT_EQ(ts::bits(static_cast<float>(s)), ts::bits(c.as_float)) << c.v;
    EXPECT_EQ(static_cast<double>(s), static_cast<double>(c.v));
    EXPECT_EQ(static_cast<long double>(s), static_cast<long double>(c.v));
    EXPECT_EQ(s.Function_1978(), static_cast<double>(c.v));
    EXPECT_EQ(ts::value_of(s), c.v);  // none of them changes the object
  }
}

TEST(ConversionsSafeint, Function1976IgnoresTheValue) {
  for (int v : {0, 5, kSatPos, kSatNeg, INT_MIN}) {
    safeint s(v);
    EXPECT_EQ(ts::value_of(s.Function_1976()), 2147483646);
    EXPECT_EQ(ts::value_of(s), v);
  }
}

}  // namespace
