// Differential tests of the floating arithmetic and relations against the
// closed-form model, on every pair of edge operands.
#include <gtest/gtest.h>

#include "bits.h"
#include "float_check.h"
#include "float_edges.h"
#include "float_model.h"

namespace {

template <class F>
class FloatEdgePairs : public ::testing::Test {};
using Formats = ::testing::Types<float_model::single_fmt, float_model::double_fmt>;
TYPED_TEST_SUITE(FloatEdgePairs, Formats, ::testing::internal::DefaultNameGenerator);

TYPED_TEST(FloatEdgePairs, EveryPairAgreesWithTheModel) {
  const auto values = float_edges::edges<TypeParam>();
  float_check::tally t;
  for (double a : values) {
    for (double b : values) float_check::check_pair<TypeParam>(t, a, b);
  }
  EXPECT_EQ(t.mismatches, 0);
  EXPECT_GT(t.pairs, 40000);
  std::printf("%ld edge pairs\n", t.pairs);
}

TYPED_TEST(FloatEdgePairs, PairsAtTheThresholdsAgreeWithTheModel) {
  std::mt19937_64 rng(7);
  float_check::tally t;
  for (int i = 0; i < 4000; ++i) {
    const double a = float_edges::random_value<TypeParam>(rng);
    for (double b : float_edges::threshold_partners<TypeParam>(a)) {
      float_check::check_pair<TypeParam>(t, a, b);
      float_check::check_pair<TypeParam>(t, b, a);
    }
  }
  EXPECT_EQ(t.mismatches, 0);
  EXPECT_GT(t.pairs, 50000);
  std::printf("%ld threshold pairs\n", t.pairs);
}

// Self-aliasing: each member reads both operands before it writes, so
// x op= x is x op= (a copy of x).
TYPED_TEST(FloatEdgePairs, SelfAliasingActsAsACopy) {
  using object = typename TypeParam::object;
  for (double a : float_edges::edges<TypeParam>()) {
    const object orig = TypeParam::hold(a);
    object x = orig, c = orig;
    const object& self = x;  // the right operand is the left object
    x /= self;
    c /= object(orig);
    EXPECT_EQ(TypeParam::pattern(TypeParam::value(x)), TypeParam::pattern(TypeParam::value(c))) << a;
    x = orig, c = orig;
    x *= self;
    c *= object(orig);
    EXPECT_EQ(TypeParam::pattern(TypeParam::value(x)), TypeParam::pattern(TypeParam::value(c))) << a;
    x = orig, c = orig;
    x += self;
    c += object(orig);
    EXPECT_EQ(TypeParam::pattern(TypeParam::value(x)), TypeParam::pattern(TypeParam::value(c))) << a;
  }
}

// A NaN or negative-zero left object is left as it is (bits and payload) by
// division and addition, and becomes +0.0 under multiplication.
TYPED_TEST(FloatEdgePairs, NanAndNegativeZeroLeftObjects) {
  using object = typename TypeParam::object;
  const auto values = float_edges::edges<TypeParam>();
  for (double a : values) {
    if (!(std::isnan(a) || (a == 0 && std::signbit(a)))) continue;
    for (double b : values) {
      object q = TypeParam::hold(a), p = TypeParam::hold(a), s = TypeParam::hold(a);
      q /= TypeParam::hold(b);
      p *= TypeParam::hold(b);
      s += TypeParam::hold(b);
      EXPECT_EQ(TypeParam::pattern(TypeParam::value(q)), TypeParam::pattern(a)) << b;
      EXPECT_EQ(TypeParam::pattern(TypeParam::value(p)), 0u) << b;
      if (std::isnan(a)) {
        EXPECT_EQ(TypeParam::pattern(TypeParam::value(s)), TypeParam::pattern(a)) << b;
      }
    }
  }
}

// Documented cases, stated as the value each one must give.
struct row {
  const char* op;
  double a, b, want;
};

template <class F>
double apply(const row& r) {
  using object = typename F::object;
  const object x = F::hold(r.a), y = F::hold(r.b);
  object z = x;
  const std::string op = r.op;
  if (op == "/=") return F::value(z /= y);
  if (op == "*=") return F::value(z *= y);
  if (op == "+=") return F::value(z += y);
  if (op == "/") return F::value(x / y);
  if (op == "*") return F::value(x * y);
  if (op == "+") return F::value(x + y);
  return F::value(x - y);
}

constexpr double kDC = 0x1p1022, kFC = 0x1p126, kDm = 0x1p-1022, kFm = 0x1p-126;

TEST(FloatDocumentedCases, Safedouble) {
  const row rows[] = {
      {"/=", 5, 0, kDC},        {"/=", -5, 0, -kDC},      {"/=", -5, -0.0, -kDC},
      {"/=", -0.0, 7, -0.0},    {"/=", 0, kDC, 0},        {"/=", kDC, kDC, kDC},
      {"/=", -kDC, kDC, -kDC},  {"/=", kDC, 0.5, kDC},    {"/=", -1, kDC, 0},
      {"/=", 0.5, 4e307, kDm},  {"/=", -0.5, 4e307, -kDm}, {"/=", 1, 4e307, 1 / 4e307},  {"/=", 1e300, 1e-10, kDC},
      {"*=", kDC, -0.5, -kDC},  {"*=", 0.5, kDC, kDC},    {"*=", -0.0, 5, 0},
      {"*=", 1e300, 1e10, kDC}, {"*=", 1e-160, 1e-160, 0}, {"*=", -3, 1e-310, -3e-310},
      {"+=", 3e307, 2e307, kDC}, {"+=", -3e307, -2e307, -kDC}, {"+=", 2.2e307, 2.2e307, 4.4e307},
      {"+=", kDC, -1e300, kDC}, {"+=", 1, -kDC, -kDC},   {"+=", -kDC, kDC, -kDC},
      {"+=", 1e-308, 4e307, 4e307},
      {"*=", HUGE_VAL, 2, kDC}, {"*=", HUGE_VAL, 0.5, HUGE_VAL}, {"+=", HUGE_VAL, 1, kDC},
      {"/=", HUGE_VAL, 0.5, kDC},
      {"/", 1, 0, kDC},         {"/", 1e100, 1e100, 1},   {"/", 1e-300, 1e10, kDm},
      {"*", 1e20, 1e20, 1e40},  {"+", 1e38, 1e38, 2e38},  {"*", 1e200, 1e200, kDC},
      {"-", -5e307, 5e307, -kDC}, {"+", kDC, -1e300, 4.49423273715579e307},
      {"/", -0.0, 5, 0},        {"/", HUGE_VAL, 2, kDC},  {"*", HUGE_VAL, 0.5, kDC},
  };
  for (const row& r : rows) {
    EXPECT_EQ(testing_support::bits(apply<float_model::double_fmt>(r)), testing_support::bits(r.want))
        << r.a << " " << r.op << " " << r.b;
  }
}

TEST(FloatDocumentedCases, Safefloat) {
  const row rows[] = {
      {"+=", 5e37f, 5e37f, kFC}, {"/=", 1, 1e38f, kFm},    {"/=", 3, 0, kFC},
      {"*=", 1e20f, 1e20f, kFC}, {"*=", 0x1p-63, 0x1p-63, kFm}, {"*=", 1e-19f, 1e-19f, 0},
      {"+=", 4e37f, 4e37f, 2.0 * 4e37f},
      {"/", 1, 0, kFC},          {"/", -1, 0, -kFC},        {"/", 1, -0.0, kFC},
      {"/", 0, 0, 0},            {"/", -0.0, 5, 0},         {"/", -5, kFC, 0},
      {"/", kFC, 2, kFC},        {"/", kFC, -kFC, -kFC},    {"/", 1e30f, 1e-10f, kFC},
      {"/", 1e-30f, 1e10f, kFm}, {"/", -1e-30f, 1e10f, -kFm}, {"/", 6, 4, 1.5},
      {"*", -1e20f, 1e20f, -kFC}, {"*", -1e-20f, 1e-20f, 0}, {"*", -kFC, 0.5, -kFC},
      {"*", 0, -5, 0},           {"*", -2, 3, -6},          {"+", -5e37f, -5e37f, -kFC},
      {"+", 3e37f, 3e37f, static_cast<float>(6e37)},         {"+", 5e37f, -5e37f, 0},
      {"+", kFC, 1, kFC},        {"+", 0, kFC, kFC},        {"+", kFC, -0x1p110, 8.506929365601998e37},
      {"-", 5e37f, -5e37f, kFC}, {"-", -5e37f, 5e37f, -kFC}, {"-", 0, kFC, -kFC},
      {"-", kFC, kFC, 0},        {"-", kFC, 0x1p110, 8.506929365601998e37},
  };
  for (const row& r : rows) {
    EXPECT_EQ(testing_support::bits(static_cast<float>(apply<float_model::single_fmt>(r))),
              testing_support::bits(static_cast<float>(r.want)))
        << r.a << " " << r.op << " " << r.b;
  }
  // 2e-20 x 1e-18 is at least m, so it is not flushed.
  EXPECT_EQ(static_cast<float>(apply<float_model::single_fmt>({"*", 2e-20f, 1e-18f, 0})),
            2e-20f * 1e-18f);
}

}  // namespace
