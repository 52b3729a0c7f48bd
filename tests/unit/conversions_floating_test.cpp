// safefloat and safedouble: construction, assignment, the saturating
// construction from double, nint and the numbered conversions out.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>

#include "bits.h"

namespace ts = testing_support;

namespace {

constexpr int kSatPos = 0x7fffffff;
constexpr int kSatNeg = -0x7fffffff;
constexpr double kC = 0x1p1022;    // safedouble ceiling
constexpr double kCf = 0x1p126;    // safefloat ceiling, as a double
constexpr std::uint32_t kCfBits = 0x7e800000u;
constexpr std::uint64_t kCBits = 0x7fd0000000000000u;
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
const float kInff = std::numeric_limits<float>::infinity();
constexpr std::uint32_t kNaNfPayload = 0x7fc01234u;

safedouble assigned_double(float f) {
  safedouble d;
  d = f;
  return d;
}

TEST(ConversionsFloating, DefaultHoldsPositiveZero) {
  EXPECT_EQ(ts::bits(ts::value_of(safefloat())), 0u);
  EXPECT_EQ(ts::bits(ts::value_of(safedouble())), 0u);
}

TEST(ConversionsFloating, FromIntCtorAndAssignment) {
  struct Case {
    int v;
    float single;
  };
  const Case cases[] = {
      {0, 0.0f},          {-1, -1.0f},         {16777217, 16777216.0f},
      {16777219, 16777220.0f}, {INT_MAX, 2147483648.0f}, {INT_MIN, -2147483648.0f},
      {-2147483647, -2147483648.0f}, {123, 123.0f},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ts::bits(ts::value_of(safefloat(c.v))), ts::bits(c.single)) << c.v;
    EXPECT_EQ(ts::value_of(safedouble(c.v)), static_cast<double>(c.v)) << c.v;
    safefloat f(3.0);
    safedouble d(3.0);
    EXPECT_EQ(&(f = c.v), &f);
    EXPECT_EQ(&(d = c.v), &d);
    EXPECT_EQ(ts::bits(ts::value_of(f)), ts::bits(c.single)) << c.v;
    EXPECT_EQ(ts::value_of(d), static_cast<double>(c.v)) << c.v;
  }
}

TEST(ConversionsFloating, FromCharIsSignedForEveryByte) {
  for (int byte = 0; byte < 256; ++byte) {
    const char c = static_cast<char>(static_cast<unsigned char>(byte));
    const double want = byte < 128 ? byte : byte - 256;
    EXPECT_EQ(ts::value_of(safefloat(c)), want) << byte;
    EXPECT_EQ(ts::value_of(safedouble(c)), want) << byte;
    safefloat f;
    safedouble d;
    EXPECT_EQ(&(f = c), &f);
    EXPECT_EQ(&(d = c), &d);
    EXPECT_EQ(ts::value_of(f), want) << byte;
    EXPECT_EQ(ts::value_of(d), want) << byte;
  }
}

// Saturating construction: a magnitude not below C, infinity included,
// becomes C with the argument's sign; anything else is stored (rounded once
// to single precision for safefloat).
TEST(ConversionsFloating, SafedoubleSaturatingConstruction) {
  struct Case {
    double x;
    std::uint64_t want;
  };
  const Case cases[] = {
      {1e308, kCBits},                   {-1e308, kCBits | 1ull << 63},
      {kC, kCBits},                      {-kC, kCBits | 1ull << 63},
      {DBL_MAX, kCBits},                 {kInf, kCBits},
      {-kInf, kCBits | 1ull << 63},      {std::nextafter(kC, 0.0), ts::bits(std::nextafter(kC, 0.0))},
      {-0.0, 0x8000000000000000u},       {5e-324, 1u},
      {2.7, ts::bits(2.7)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ts::bits(ts::value_of(safedouble(c.x))), c.want) << c.x;
    safedouble d;
    EXPECT_EQ(&(d = c.x), &d);
    EXPECT_EQ(ts::bits(ts::value_of(d)), c.want) << c.x;
  }
  EXPECT_TRUE(std::isnan(ts::value_of(safedouble(kNaN))));
  safedouble d;
  d = kNaN;
  EXPECT_TRUE(std::isnan(ts::value_of(d)));
}

TEST(ConversionsFloating, SafefloatSaturatingConstruction) {
  struct Case {
    double x;
    std::uint32_t want;
  };
  const Case cases[] = {
      {3e38, kCfBits},                       {-1e300, kCfBits | 0x80000000u},
      {kCf, kCfBits},                        {kInf, kCfBits},
      {-kInf, kCfBits | 0x80000000u},        {FLT_MAX, kCfBits},
      // Below C at the test, rounded up to C by the single rounding.
      {0x1p126 - 0x1p100, kCfBits},          {-(0x1p126 - 0x1p100), kCfBits | 0x80000000u},
      {0x1p126 - 0x1p101, kCfBits},          // the midpoint, to even
      {std::nextafter(0x1p126 - 0x1p101, 0.0), 0x7e7fffffu},
      {0x1p126 - 0x1p102, 0x7e7fffffu},
      {1e-50, 0u},                           {-1e-50, 0x80000000u},
      {1e-40, 0x000116c2u},                  // the nearest subnormal, not flushed
      {1.1, 0x3f8ccccdu},                    {-0.0, 0x80000000u},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ts::bits(ts::value_of(safefloat(c.x))), c.want) << c.x;
    safefloat f;
    EXPECT_EQ(&(f = c.x), &f);
    EXPECT_EQ(ts::bits(ts::value_of(f)), c.want) << c.x;
  }
  EXPECT_TRUE(std::isnan(ts::value_of(safefloat(kNaN))));
}

// Assignment from float takes no test; a float argument to the constructor
// is promoted to double and saturated.
TEST(ConversionsFloating, FloatAssignmentIsUnchecked) {
  const std::uint32_t patterns[] = {0x7f7fffffu, 0x7e800001u, 0xff800000u,
                                    0x7f800000u, kNaNfPayload, 0x80000000u, 0x00000001u};
  for (std::uint32_t p : patterns) {
    const float f = ts::float_from_bits(p);
    safefloat sf;
    EXPECT_EQ(&(sf = f), &sf);
    EXPECT_EQ(ts::bits(ts::value_of(sf)), p);
    safedouble sd;
    EXPECT_EQ(&(sd = f), &sd);
    EXPECT_EQ(ts::bits(ts::value_of(sd)), ts::bits(static_cast<double>(f)));
  }
  safefloat constructed(3e38f);
  safefloat assigned;
  assigned = 3e38f;
  EXPECT_EQ(ts::bits(ts::value_of(constructed)), kCfBits);
  EXPECT_EQ(ts::value_of(assigned), 3e38f);
  EXPECT_EQ(assigned.Function_1981(), 0);
}

TEST(ConversionsFloating, CopiesKeepEveryBit) {
  for (std::uint32_t p : {kNaNfPayload, 0x80000000u, 0x7f7fffffu, kCfBits}) {
    const safefloat a = ts::safefloat_from_bits(p);
    safefloat b(a);
    safefloat c;
    EXPECT_EQ(&(c = a), &c);
    EXPECT_EQ(ts::bits(ts::value_of(b)), p);
    EXPECT_EQ(ts::bits(ts::value_of(c)), p);
  }
  const safedouble neg_zero(-0.0);
  safedouble d(neg_zero);
  safedouble e;
  e = neg_zero;
  EXPECT_EQ(ts::bits(ts::value_of(d)), 0x8000000000000000u);
  EXPECT_EQ(ts::bits(ts::value_of(e)), 0x8000000000000000u);
}

// A saturated safeint converts as the plain number, not the floating ceiling.
TEST(ConversionsFloating, FromSafeintBothOverloads) {
  struct Case {
    int v;
    float single;
  };
  const Case cases[] = {
      {kSatPos, 2147483648.0f}, {kSatNeg, -2147483648.0f}, {INT_MIN, -2147483648.0f},
      {16777217, 16777216.0f},  {-5, -5.0f},               {0, 0.0f},
  };
  for (const Case& c : cases) {
    safeint s(c.v);
    const safeint& cs = s;
    EXPECT_EQ(ts::bits(ts::value_of(safefloat(s))), ts::bits(c.single));
    EXPECT_EQ(ts::bits(ts::value_of(safefloat(cs))), ts::bits(c.single));
    EXPECT_EQ(ts::value_of(safedouble(s)), static_cast<double>(c.v));
    EXPECT_EQ(ts::value_of(safedouble(cs)), static_cast<double>(c.v));
  }
}

struct NintCase {
  double x;
  int want;
};

// Nearest integer with halves away from zero. A rounded magnitude of 2^31
// takes the saturated value of its sign.
TEST(ConversionsFloating, SafedoubleNint) {
  const NintCase cases[] = {
      {2.5, 3},           {-2.5, -3},          {0.5, 1},           {-0.5, -1},
      {0.49999999999999994, 0}, {-0.4, 0},     {-0.0, 0},          {2.7, 3},
      {1e10, kSatPos},    {-1e10, kSatNeg},    {2147483647.4, 2147483647},
      {2147483647.5, kSatPos}, {2147483647.9, kSatPos}, {0x1p31, kSatPos},
      {-2147483647.4, -2147483647}, {-2147483647.5, kSatNeg}, {-0x1p31, kSatNeg},
      {-2147483648.5, kSatNeg}, {2147483646.5, 2147483647}, {-2147483646.5, -2147483647},
      {kC, kSatPos},      {-kC, kSatNeg},      {kNaN, kSatPos},    {-kNaN, kSatPos},
  };
  for (const NintCase& c : cases) {
    safedouble d(c.x);
    EXPECT_EQ(d.nint(), c.want) << c.x;
    EXPECT_EQ(static_cast<int>(d), c.want) << c.x;
    EXPECT_EQ(ts::value_of(safeint(d)), c.want) << c.x;
  }
  EXPECT_EQ(assigned_double(kInff).nint(), kSatPos);
  EXPECT_EQ(assigned_double(-kInff).nint(), kSatNeg);
}

TEST(ConversionsFloating, SafefloatNint) {
  const NintCase cases[] = {
      {2.5, 3},           {-2.5, -3},          {0.5, 1},           {-0.5, -1},
      {0.49999997, 0},    {-0.0, 0},           {8388607.5, 8388608},
      {-8388606.5, -8388607}, {2147483520.0, 2147483520}, {-2147483520.0, -2147483520},
      {0x1p31, kSatPos},  {-0x1p31, kSatNeg},  {1e10, kSatPos},    {-1e10, kSatNeg},
  };
  for (const NintCase& c : cases) {
    safefloat f(c.x);
    EXPECT_EQ(f.nint(), c.want) << c.x;
    EXPECT_EQ(static_cast<int>(f), c.want) << c.x;
    EXPECT_EQ(ts::value_of(safeint(f)), c.want) << c.x;
  }
  for (std::uint32_t p : {kNaNfPayload, 0xffc00000u, 0x7f800001u}) {
    EXPECT_EQ(ts::safefloat_from_bits(p).nint(), kSatPos) << std::hex << p;
  }
  EXPECT_EQ(ts::safefloat_from_bits(0x7f800000u).nint(), kSatPos);
  EXPECT_EQ(ts::safefloat_from_bits(0xff800000u).nint(), kSatNeg);
}

// The constructor from float sends halves toward zero, nint away from zero.
TEST(ConversionsFloating, FloatHalfThroughSafeintAndThroughSafefloat) {
  EXPECT_EQ(ts::value_of(safeint(2.5f)), 2);
  EXPECT_EQ(ts::value_of(safeint(safefloat(2.5f))), 3);
}

// There is no conversion to double: a plain double is reached through nint.
TEST(ConversionsFloating, PlainDoubleGoesThroughNint) {
  safedouble d(2.7);
  safefloat f(-2.5);
  const double from_d = d;
  const double from_f = f;
  EXPECT_EQ(from_d, 3.0);
  EXPECT_EQ(from_f, -3.0);
}

// safedouble::Function_1975 rounds to nearest without saturation: from the
// midpoint between FLT_MAX and 2^128 up the result is an infinity.
TEST(ConversionsFloating, SafedoubleToSingle) {
  constexpr double kOverflowMidpoint = 0x1.ffffffp127;
  struct Case {
    double x;
    std::uint32_t want;
  };
  const Case cases[] = {
      {1e300, 0x7f800000u},        {-1e300, 0xff800000u},
      {kC, 0x7f800000u},           {-kC, 0xff800000u},
      {kOverflowMidpoint, 0x7f800000u}, {-kOverflowMidpoint, 0xff800000u},
      {std::nextafter(kOverflowMidpoint, 0.0), 0x7f7fffffu},
      {-std::nextafter(kOverflowMidpoint, 0.0), 0xff7fffffu},
      {static_cast<double>(FLT_MAX), 0x7f7fffffu},
      {1.1, 0x3f8ccccdu},          {1e-50, 0u},   {-1e-50, 0x80000000u},
      {1e-40, 0x000116c2u},        {0x1p126, kCfBits},
  };
  for (const Case& c : cases) {
    safedouble d(c.x);
    EXPECT_EQ(ts::bits(d.Function_1975()), c.want) << c.x;
  }
  safedouble nan(kNaN);
  EXPECT_TRUE(std::isnan(nan.Function_1975()));
  EXPECT_EQ(ts::bits(assigned_double(-kInff).Function_1975()), 0xff800000u);
}

TEST(ConversionsFloating, ValueAccessors) {
  for (std::uint32_t p : {kNaNfPayload, 0x7f7fffffu, 0x80000001u, kCfBits}) {
    safefloat f = ts::safefloat_from_bits(p);
    EXPECT_EQ(ts::bits(f.Function_1975()), p);
    EXPECT_EQ(ts::bits(f.Function_1978()), ts::bits(static_cast<double>(ts::float_from_bits(p))));
  }
  for (double x : {2.7, -kC, 5e-324, -0.0}) {
    safedouble d(x);
    EXPECT_EQ(ts::bits(d.Function_1978()), ts::bits(x));
  }
}

TEST(ConversionsFloating, FloorAndCeiling) {
  struct Case {
    double x, floor, ceil;
  };
  const Case cases[] = {
      {-2.5, -3.0, -2.0},   {2.5, 2.0, 3.0},       {-0.5, -1.0, -0.0},
      {0.5, 0.0, 1.0},      {-3.0, -3.0, -3.0},    {8388607.5, 8388607.0, 8388608.0},
      {1e30, 1e30, 1e30},   {1e-40, 0.0, 1.0},     {-1e-40, -1.0, -0.0},
  };
  for (const Case& c : cases) {
    safedouble d(c.x);
    EXPECT_EQ(ts::bits(d.Function_1979()), ts::bits(c.floor)) << c.x;
    EXPECT_EQ(ts::bits(d.Function_1977()), ts::bits(c.ceil)) << c.x;
    safefloat f(c.x);
    const double fx = ts::value_of(f);
    EXPECT_EQ(ts::bits(f.Function_1979()), ts::bits(static_cast<float>(std::floor(fx)))) << c.x;
    EXPECT_EQ(ts::bits(f.Function_1977()), ts::bits(static_cast<float>(std::ceil(fx)))) << c.x;
  }
  // The ceiling and non-finite values pass unchanged.
  safedouble top(kInf);
  EXPECT_EQ(top.Function_1979(), kC);
  safefloat inf = ts::safefloat_from_bits(0xff800000u);
  EXPECT_EQ(ts::bits(inf.Function_1977()), 0xff800000u);
  safedouble nan(kNaN);
  EXPECT_TRUE(std::isnan(nan.Function_1979()));
  EXPECT_TRUE(std::isnan(nan.Function_1977()));
}

// Truncation toward zero, unsaturated; outside the int range and for a NaN
// the result is 0x80000000.
TEST(ConversionsFloating, Truncation) {
  const NintCase cases[] = {
      {-2.7, -2},           {2.7, 2},               {-0.9, 0},
      {2147483647.9, INT_MAX}, {-2147483648.9, INT_MIN}, {0x1p31, INT_MIN},
      {-2147483649.0, INT_MIN}, {1e10, INT_MIN},    {-1e300, INT_MIN},
      {kInf, INT_MIN},      {kNaN, INT_MIN},
  };
  for (const NintCase& c : cases) {
    safedouble d(c.x);
    EXPECT_EQ(d.Function_1980(), c.want) << c.x;
  }
  const NintCase single_cases[] = {
      {-2.7, -2}, {2147483520.0, 2147483520}, {-0x1p31, INT_MIN}, {0x1p31, INT_MIN},
      {1e10, INT_MIN}, {kNaN, INT_MIN},
  };
  for (const NintCase& c : single_cases) {
    safefloat f(c.x);
    EXPECT_EQ(f.Function_1980(), c.want) << c.x;
  }
  EXPECT_EQ(ts::safefloat_from_bits(0x7f800000u).Function_1980(), INT_MIN);
}

// 1 for +-C and for a NaN (the equality test is unordered); 0 otherwise.
TEST(ConversionsFloating, SaturatedTest) {
  struct Case {
    double x;
    int want;
  };
  const Case doubles[] = {
      {kC, 1}, {-kC, 1}, {kNaN, 1}, {0.0, 0}, {std::nextafter(kC, 0.0), 0},
      {-std::nextafter(kC, 0.0), 0}, {1.0, 0},
  };
  for (const Case& c : doubles) {
    safedouble d(c.x);
    EXPECT_EQ(d.Function_1981(), c.want) << c.x;
  }
  EXPECT_EQ(assigned_double(kInff).Function_1981(), 0);
  EXPECT_EQ(assigned_double(-kInff).Function_1981(), 0);

  const std::uint32_t saturated[] = {kCfBits, kCfBits | 0x80000000u, kNaNfPayload};
  const std::uint32_t ordinary[] = {0u, 0x7e7fffffu, 0xfe7fffffu, 0x7e800001u,
                                    0x7f7fffffu, 0x7f800000u, 0xff800000u};
  for (std::uint32_t p : saturated) EXPECT_EQ(ts::safefloat_from_bits(p).Function_1981(), 1) << std::hex << p;
  for (std::uint32_t p : ordinary) EXPECT_EQ(ts::safefloat_from_bits(p).Function_1981(), 0) << std::hex << p;
}

}  // namespace
