// Math functions: square root of the magnitude, larger and smaller value,
// ceiling and absolute value, checked against independent models.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "bits.h"
#include "math_models.h"

using testing_support::object_bits;
using testing_support::bits;
using testing_support::double_from_bits;
using testing_support::float_from_bits;
using testing_support::safefloat_from_bits;
using testing_support::value_of;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::uint32_t kFloatSatPos = 0x7e800000u;
constexpr std::uint32_t kFloatSatNeg = 0xfe800000u;
constexpr std::uint64_t kDoubleSatPos = 0x7fd0000000000000u;
constexpr std::uint64_t kDoubleSatNeg = 0xffd0000000000000u;

// A safedouble holding an arbitrary double, infinity included: the float
// assignment is unchecked and widens exactly.
safedouble sd_inf(bool negative) {
  safedouble d;
  d = negative ? -std::numeric_limits<float>::infinity()
               : std::numeric_limits<float>::infinity();
  return d;
}

// ---------------------------------------------------------------------------
// Function_1971 of safeint against the integer model.
// ---------------------------------------------------------------------------
TEST(MathIntRoot, TableOfSmallAndExtremeValues) {
  struct Case {
    int in;
    int out;
  };
  const Case cases[] = {{0, 0},  {1, 1},   {2, 1},   {3, 2},
                        {8, 3},  {15, 4},  {-16, 4}, {-2, 1},
                        {2147483647, 46341}, {-2147483647, 46341},
                        {std::numeric_limits<int>::min(), 46341}};
  for (const Case& c : cases) {
    EXPECT_EQ(value_of(Function_1971(safeint(c.in))), c.out) << c.in;
  }
}

TEST(MathIntRoot, DenseRangeMatchesIntegerModel) {
  for (std::int64_t n = -200000; n <= 200000; ++n) {
    const int got = value_of(Function_1971(safeint(static_cast<int>(n))));
    ASSERT_EQ(got, math_models::rounded_root(n < 0 ? -n : n)) << n;
  }
}

// Around every perfect square r^2 and every half-square r^2 + r (the last n
// that rounds down to r) up to 2^31, for a sample of r in the default run;
// the exhaustive binary covers every r.
TEST(MathIntRoot, SampledSquareAndHalfSquareBoundaries) {
  for (std::int64_t r = 1; r <= 46341; r += 97) {
    for (std::int64_t base : {r * r, r * r + r}) {
      for (std::int64_t n = base - 1; n <= base + 1; ++n) {
        if (n > 2147483647) continue;
        ASSERT_EQ(value_of(Function_1971(safeint(static_cast<int>(n)))),
                  math_models::rounded_root(n))
            << n;
        ASSERT_EQ(value_of(Function_1971(safeint(static_cast<int>(-n)))),
                  math_models::rounded_root(n))
            << -n;
      }
    }
  }
}

// ---------------------------------------------------------------------------
// Function_1971 of the floating classes against long double / exact models.
// ---------------------------------------------------------------------------
TEST(MathFloatRoot, SpecialOperands) {
  EXPECT_EQ(value_of(Function_1971(safefloat(-4.0))), 2.0f);
  EXPECT_EQ(bits(value_of(Function_1971(safedouble(-0.0)))), 0u);  // +0.0
  EXPECT_EQ(bits(value_of(Function_1971(safefloat(-0.0)))), 0u);
  EXPECT_TRUE(std::isnan(value_of(Function_1971(safedouble(kNaN)))));
  EXPECT_TRUE(std::isnan(value_of(Function_1971(safefloat(kNaN)))));
  // An infinity held by the unchecked assignment: root is infinite, so it
  // saturates (positively, whatever the sign of the argument).
  EXPECT_EQ(bits(value_of(Function_1971(sd_inf(false)))), kDoubleSatPos);
  EXPECT_EQ(bits(value_of(Function_1971(sd_inf(true)))), kDoubleSatPos);
  EXPECT_EQ(bits(value_of(Function_1971(safefloat_from_bits(0x7f800000u)))), kFloatSatPos);
  EXPECT_EQ(bits(value_of(Function_1971(safefloat_from_bits(0xff800000u)))), kFloatSatPos);
  // Saturated arguments have ordinary roots.
  EXPECT_EQ(value_of(Function_1971(safefloat(1e300))), 0x1p63f);
  EXPECT_EQ(value_of(Function_1971(safefloat(-1e300))), 0x1p63f);
  EXPECT_EQ(value_of(Function_1971(safedouble(1e308))), 0x1p511);
  EXPECT_EQ(safefloat(0x1p63).Function_1981(), 0);
}

#if defined(__SIZEOF_FLOAT128__)
// r is the correctly rounded square root of y exactly when y lies strictly
// between the squares of the midpoints to r's neighbours. The midpoints have
// 54 significant bits, so their squares are exact in binary128.
bool is_rounded_root(double r, double y) {
  if (y == 0) return r == 0;
  const __float128 lo = static_cast<__float128>(r) - (r - std::nextafter(r, 0.0)) / 2;
  const __float128 hi = static_cast<__float128>(r) + (std::nextafter(r, kInf) - r) / 2;
  const __float128 Y = y;
  return lo * lo < Y && Y < hi * hi;
}
#endif

// Differential: for safedouble the root is the correctly rounded root of the
// magnitude; for safefloat it is the root rounded once to single precision
// (rounding through double first changes no single-precision root), taken
// here from long double.
TEST(MathFloatRoot, RandomPatternsMatchExactModels) {
  std::mt19937_64 rng(1971);
  for (int i = 0; i < 20000; ++i) {
    const std::uint32_t fb = static_cast<std::uint32_t>(rng());
    safefloat f = safefloat_from_bits(fb);
    const float x = value_of(f);
    const float got = value_of(Function_1971(f));
    if (std::isnan(x)) {
      ASSERT_TRUE(std::isnan(got));
      continue;
    }
    const long double exact = std::sqrt(std::fabs(static_cast<long double>(x)));
    if (exact >= 0x1p126L) {
      ASSERT_EQ(bits(got), kFloatSatPos) << fb;
    } else {
      ASSERT_EQ(bits(got), bits(static_cast<float>(exact))) << fb;
    }
#if defined(__SIZEOF_FLOAT128__)
    const std::uint64_t db = rng();
    const double y = double_from_bits(db);
    if (std::isnan(y) || std::fabs(y) >= 0x1p1022) continue;
    const double dgot = value_of(Function_1971(safedouble(y)));
    ASSERT_FALSE(std::signbit(dgot)) << db;
    ASSERT_TRUE(is_rounded_root(dgot, std::fabs(y))) << db;
#endif
  }
}

// ---------------------------------------------------------------------------
// Function_1982 / Function_1983.
// ---------------------------------------------------------------------------
// Which argument comes back, identified by its bits: 'L' left, 'R' right.
template <class F>
char picked(const F& got, const F& left, const F& right) {
  const auto g = bits(value_of(got));
  const bool is_left = g == bits(value_of(left));
  const bool is_right = g == bits(value_of(right));
  if (is_left && !is_right) return 'L';
  if (is_right && !is_left) return 'R';
  return '?';
}

TEST(MathLargerSmaller, FloatingSpecialPairs) {
  struct Case {
    double a, b;
    char larger, smaller;
  };
  const Case cases[] = {
      {0.0, -0.0, 'R', 'R'},   // equal: the right one
      {-0.0, 0.0, 'R', 'R'},
      {kNaN, 1.0, 'R', 'L'},   // NaN on the left
      {1.0, kNaN, 'R', 'L'},   // NaN on the right
      {2.0, 1.0, 'L', 'R'},
      {1.0, 2.0, 'R', 'L'},
      {-3.0, -7.0, 'L', 'R'},
      {1e300, 5.0, 'L', 'R'},  // saturated vs smaller
      {-1e300, 5.0, 'R', 'L'},
  };
  for (const Case& c : cases) {
    const safedouble da(c.a), db(c.b);
    EXPECT_EQ(picked(Function_1982(da, db), da, db), c.larger) << c.a << " " << c.b;
    EXPECT_EQ(picked(Function_1983(da, db), da, db), c.smaller) << c.a << " " << c.b;
    const safefloat fa(c.a), fb(c.b);
    EXPECT_EQ(picked(Function_1982(fa, fb), fa, fb), c.larger) << c.a << " " << c.b;
    EXPECT_EQ(picked(Function_1983(fa, fb), fa, fb), c.smaller) << c.a << " " << c.b;
  }
  // The bit-exact results of the signed-zero and NaN pairs.
  EXPECT_EQ(bits(value_of(Function_1982(safedouble(0.0), safedouble(-0.0)))),
            bits(-0.0));
  EXPECT_EQ(bits(value_of(Function_1982(safedouble(-0.0), safedouble(0.0)))), 0u);
  EXPECT_EQ(bits(value_of(Function_1983(safefloat(0.0), safefloat(-0.0)))),
            bits(-0.0f));
  EXPECT_TRUE(std::isnan(value_of(Function_1982(safefloat(1.0), safefloat(kNaN)))));
  EXPECT_TRUE(std::isnan(value_of(Function_1983(safefloat(kNaN), safefloat(1.0)))));
  EXPECT_EQ(bits(value_of(Function_1982(safedouble(1e308), safedouble(3.0)))), kDoubleSatPos);
}

#if defined(__i386__)
std::uint32_t quieted(std::uint32_t pattern) {
  const bool nan = (pattern & 0x7f800000u) == 0x7f800000u && (pattern & 0x007fffffu) != 0;
  return nan ? pattern | 0x00400000u : pattern;
}
#endif

// Larger and smaller are the relations' choice, bit for bit, over random
// patterns of both classes (NaN and infinities included).
TEST(MathLargerSmaller, MatchRelationsOverRandomPatterns) {
  std::mt19937_64 rng(1982);
  for (int i = 0; i < 20000; ++i) {
    // Bias toward collisions: sometimes reuse one pattern's magnitude.
    std::uint32_t xa = static_cast<std::uint32_t>(rng());
    std::uint32_t xb = (i % 4 == 0) ? (xa ^ 0x80000000u) : static_cast<std::uint32_t>(rng());
#if defined(__i386__)
    // The 32-bit x86 calling convention returns a safefloat on the x87
    // stack, which quiets a signalling NaN; only quiet NaNs survive a return
    // bit for bit there.
    xa = quieted(xa);
    xb = quieted(xb);
#endif
    const float a = float_from_bits(xa), b = float_from_bits(xb);
    // The objects get their patterns by copying bytes: on 32-bit x86 a float
    // passed through the x87 stack would have a signalling NaN quieted.
    safefloat fa, fb;
    std::memcpy(static_cast<void*>(&fa), &xa, sizeof fa);
    std::memcpy(static_cast<void*>(&fb), &xb, sizeof fb);
    const std::uint32_t want_max = (a > b) ? xa : xb;  // ordered '>'
    const std::uint32_t want_min = !(a >= b) ? xa : xb;  // NaN counts as less
    ASSERT_EQ(object_bits(Function_1982(fa, fb)), want_max);
    ASSERT_EQ(object_bits(Function_1983(fa, fb)), want_min);

    const std::uint64_t ya = rng();
    const std::uint64_t yb = (i % 4 == 0) ? (ya ^ 0x8000000000000000u) : rng();
    const double p = double_from_bits(ya), q = double_from_bits(yb);
    const safedouble da(p), dq(q);  // saturated on the way in
    const double sp = value_of(da), sq = value_of(dq);
    ASSERT_EQ(bits(value_of(Function_1982(da, dq))), bits(sp > sq ? sp : sq));
    ASSERT_EQ(bits(value_of(Function_1983(da, dq))), bits(!(sp >= sq) ? sp : sq));
  }
}

TEST(MathLargerSmaller, SafeintUsesAtLeastAndAtMost) {
  const int values[] = {std::numeric_limits<int>::min(), -2147483647, -5, -1, 0, 1, 7,
                        2147483646, 2147483647};
  for (int a : values) {
    for (int b : values) {
      EXPECT_EQ(value_of(Function_1982(safeint(a), safeint(b))), a >= b ? a : b);
      EXPECT_EQ(value_of(Function_1983(safeint(a), safeint(b))), a <= b ? a : b);
    }
  }
}

// ---------------------------------------------------------------------------
// ceil.
// ---------------------------------------------------------------------------
TEST(MathCeil, DoubleTable) {
  struct Case {
    double in;
    std::uint64_t out_bits;
  };
  const Case cases[] = {
      {2.3, bits(3.0)},   {2.0, bits(2.0)},          {-2.3, bits(-2.0)},
      {-2.7, bits(-2.0)}, {-0.5, bits(-0.0)},        {-0.0, bits(-0.0)},
      {0.0, 0},           {1e300, bits(1e300)},      {1e308, kDoubleSatPos},
      {-1e308, kDoubleSatNeg}, {0x1p-1074, bits(1.0)}, {-1.0, bits(-1.0)},
  };
  for (const Case& c : cases) {
    safedouble x(c.in);
    const std::uint64_t before = bits(value_of(x));
    EXPECT_EQ(bits(value_of(ceil(x))), c.out_bits) << c.in;
    EXPECT_EQ(bits(value_of(x)), before) << "argument changed";
  }
  safedouble n(kNaN);
  EXPECT_TRUE(std::isnan(value_of(ceil(n))));
  safedouble pinf = sd_inf(false), minf = sd_inf(true);
  EXPECT_EQ(bits(value_of(ceil(pinf))), kDoubleSatPos);
  EXPECT_EQ(bits(value_of(ceil(minf))), kDoubleSatNeg);
}

TEST(MathCeil, FloatTable) {
  struct Case {
    std::uint32_t in;
    std::uint32_t out;
  };
  const Case cases[] = {
      {bits(2.5f), bits(3.0f)},   {bits(-2.5f), bits(-2.0f)},
      {bits(-0.25f), bits(-0.0f)}, {kFloatSatNeg, kFloatSatNeg},
      {kFloatSatPos, kFloatSatPos}, {0x7f800000u, kFloatSatPos},  // +inf
      {0xff800000u, kFloatSatNeg},  // -inf
      {0x7f7fffffu, kFloatSatPos},  // FLT_MAX, above the ceiling
      {0xff000000u, kFloatSatNeg},  // -2^127
      {0x7e7fffffu, 0x7e7fffffu},   // largest value below the ceiling: integral
  };
  for (const Case& c : cases) {
    safefloat x = safefloat_from_bits(c.in);
    EXPECT_EQ(bits(value_of(ceil(x))), c.out) << std::hex << c.in;
    EXPECT_EQ(bits(value_of(x)), c.in) << "argument changed";
  }
  safefloat n = safefloat_from_bits(0x7fc00000u);
  EXPECT_TRUE(std::isnan(value_of(ceil(n))));
}

// Differential over random single patterns: the ceiling is exact in single
// precision below the ceiling, so the model is the long double ceiling.
TEST(MathCeil, FloatRandomPatternsMatchLongDouble) {
  std::mt19937 rng(1977);
  for (int i = 0; i < 20000; ++i) {
    const std::uint32_t b = static_cast<std::uint32_t>(rng());
    safefloat x = safefloat_from_bits(b);
    const float v = value_of(x);
    const float got = value_of(ceil(x));
    if (std::isnan(v)) {
      ASSERT_TRUE(std::isnan(got));
      continue;
    }
    const long double c = std::ceil(static_cast<long double>(v));
    if (std::fabs(c) >= 0x1p126L) {
      ASSERT_EQ(bits(got), c < 0 ? kFloatSatNeg : kFloatSatPos) << b;
    } else {
      ASSERT_EQ(bits(got), bits(static_cast<float>(c))) << b;
    }
  }
}

// ---------------------------------------------------------------------------
// abs.
// ---------------------------------------------------------------------------
TEST(MathAbs, TableAndBitCopy) {
  struct Case {
    int in, out;
  };
  const Case cases[] = {{-5, 5}, {0, 0}, {5, 5}, {2147483647, 2147483647},
                        {-2147483646, 2147483646}, {-2147483647, 2147483647},
                        {std::numeric_limits<int>::min(), 2147483647}};
  for (const Case& c : cases) {
    EXPECT_EQ(value_of(abs(safeint(c.in))), c.out) << c.in;
  }
}

// Over a dense range and random values the result is the magnitude, computed
// in 64 bits, clipped to the positive saturated value.
TEST(MathAbs, MatchesClippedMagnitude) {
  std::mt19937 rng(6);
  std::vector<std::int64_t> inputs;
  for (std::int64_t n = -70000; n <= 70000; ++n) inputs.push_back(n);
  for (int i = 0; i < 20000; ++i) inputs.push_back(static_cast<std::int32_t>(rng()));
  for (std::int64_t edge = -2147483648LL; edge <= -2147483640LL; ++edge) inputs.push_back(edge);
  for (std::int64_t edge = 2147483640LL; edge <= 2147483647LL; ++edge) inputs.push_back(edge);
  for (std::int64_t n : inputs) {
    const std::int64_t mag = n < 0 ? -n : n;
    const std::int64_t want = mag > 2147483647 ? 2147483647 : mag;
    ASSERT_EQ(value_of(abs(safeint(static_cast<int>(n)))), want) << n;
  }
}

}  // namespace
