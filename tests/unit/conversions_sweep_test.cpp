// A strided subset of the exhaustive conversion sweeps: the same model and
// the same loops, every 4099th single-precision pattern (4099 is prime, so
// the subset meets every exponent and a spread of significands), and a
// narrow walk around the halves near the nint limits.
#include <gtest/gtest.h>

#include "conversion_sweeps.h"

namespace ts = testing_support;

namespace {

constexpr std::uint64_t kStride = 4099;
constexpr std::uint64_t kStridedPatterns = ((std::uint64_t{1} << 32) + kStride - 1) / kStride;
constexpr std::uint64_t kNarrowReach = 64;

void expect_clean(const ts::sweep_result& r, std::uint64_t expected_checks) {
  EXPECT_EQ(r.checked, expected_checks);
  EXPECT_EQ(r.failures, 0u) << r.first_failure;
}

TEST(ConversionsStrided, SafeintFromFloat) {
  expect_clean(ts::sweep_safeint_from_float(kStride), kStridedPatterns);
}

TEST(ConversionsStrided, SafeintAssignedFloat) {
  expect_clean(ts::sweep_safeint_assign_float(kStride), kStridedPatterns);
}

TEST(ConversionsStrided, SafefloatFromWidenedFloat) {
  expect_clean(ts::sweep_safefloat_from_widened_float(kStride), kStridedPatterns);
}

TEST(ConversionsStrided, SafefloatNintAndItsCallers) {
  expect_clean(ts::sweep_safefloat_nint(kStride, true), 3 * kStridedPatterns);
}

TEST(ConversionsStrided, DoublesAroundHalvesNearTheLimits) {
  const std::uint64_t centres = ts::dense_double_centres().size();
  expect_clean(ts::sweep_doubles_around_halves(kNarrowReach),
               centres * (2 * kNarrowReach + 1) * 4);
}

TEST(ConversionsStrided, SafefloatFromDoubles) {
  constexpr std::uint64_t kRandomDoubles = 1u << 18;
  const ts::sweep_result r = ts::sweep_safefloat_from_doubles(kRandomDoubles, kNarrowReach);
  EXPECT_EQ(r.failures, 0u) << r.first_failure;
  EXPECT_GT(r.checked, kRandomDoubles);
}

// The model itself, on values whose outcome is known by hand, so that a
// broken model cannot agree with a broken library.
TEST(ConversionsModel, ExactDigitsOfKnownValues) {
  struct Case {
    double x;
    int nint, round, truncate;
  };
  const Case cases[] = {
      {2.5, 3, 2, 2},
      {-2.5, -3, -2, -2},
      {0.5, 1, 0, 0},
      {0.49999999999999994, 0, 0, 0},
      {2.5000000000000004, 3, 3, 2},
      {-0.7, -1, -1, 0},
      {2147483647.5, ts::kSatPos, ts::kSatPos, ts::kSatPos},
      {-2147483647.5, ts::kSatNeg, ts::kSatNeg, ts::kSatNeg},
      {2147483646.5, 2147483647, 2147483646, 2147483646},
      {-2147483648.0, ts::kSatNeg, ts::kSatNeg, ts::kSatNeg},
      {1e300, ts::kSatPos, ts::kSatPos, ts::kSatPos},
      {5e-324, 0, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ts::expected_nint(c.x), c.nint) << c.x;
    EXPECT_EQ(ts::expected_round_from_double(c.x), c.round) << c.x;
    EXPECT_EQ(ts::expected_truncate(c.x), c.truncate) << c.x;
  }
  EXPECT_EQ(ts::expected_round_from_float(-2147483648.0f), ts::kSatNeg);
  EXPECT_EQ(ts::expected_round_from_float(2147483520.0f), 2147483520);
  struct Single {
    double x;
    std::uint32_t want;
  };
  const Single singles[] = {
      {1.0, 0x3f800000u},           {-1.5, 0xbfc00000u},
      {0x1p126 - 0x1p100, 0x7e800000u}, {0x1p126 - 0x1p102, 0x7e7fffffu},
      {0x1p126 - 0x1p101, 0x7e800000u}, {1e300, 0x7e800000u},
      {0x1p-149, 0x00000001u},       {0x1p-150, 0u},  // tie to even: zero
      {0x1.8p-150, 0x00000001u},     {0x1p-126, 0x00800000u},
      {0x1.fffffffp-127, 0x00800000u}, {1e-50, 0u},
  };
  for (const Single& c : singles) {
    EXPECT_EQ(ts::expected_safefloat_from_double(c.x), c.want) << c.x;
  }
  EXPECT_EQ(ts::expected_nint(std::nan("")), ts::kSatPos);
  EXPECT_EQ(ts::expected_round_from_double(std::nan("")), ts::kSatNeg);
}

}  // namespace
