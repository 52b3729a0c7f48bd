// Every single-precision bit pattern through the float conversions, and a
// dense walk of doubles around the halves near the nint limits, each against
// the exact model.
#include <gtest/gtest.h>

#include "conversion_sweeps.h"

namespace ts = testing_support;

namespace {

constexpr std::uint64_t kEveryPattern = 1;
constexpr std::uint64_t kAllPatterns = std::uint64_t{1} << 32;
// Units in the last place walked on each side of every centre.
constexpr std::uint64_t kDenseReach = std::uint64_t{1} << 18;

void expect_clean(const ts::sweep_result& r, std::uint64_t expected_checks) {
  EXPECT_EQ(r.checked, expected_checks);
  EXPECT_EQ(r.failures, 0u) << r.first_failure;
}

TEST(ConversionsSweep, SafeintFromEveryFloat) {
  expect_clean(ts::sweep_safeint_from_float(kEveryPattern), kAllPatterns);
}

TEST(ConversionsSweep, SafeintAssignedEveryFloat) {
  expect_clean(ts::sweep_safeint_assign_float(kEveryPattern), kAllPatterns);
}

TEST(ConversionsSweep, SafefloatFromEveryWidenedFloat) {
  expect_clean(ts::sweep_safefloat_from_widened_float(kEveryPattern), kAllPatterns);
}

TEST(ConversionsSweep, SafefloatNintOfEveryFloat) {
  expect_clean(ts::sweep_safefloat_nint(kEveryPattern, false), kAllPatterns);
}

TEST(ConversionsSweep, DoublesAroundHalvesNearTheLimits) {
  const std::uint64_t centres = ts::dense_double_centres().size();
  expect_clean(ts::sweep_doubles_around_halves(kDenseReach),
               centres * (2 * kDenseReach + 1) * 4);
}

TEST(ConversionsSweep, SafefloatFromDoubles) {
  constexpr std::uint64_t kRandomDoubles = std::uint64_t{1} << 28;
  const ts::sweep_result r = ts::sweep_safefloat_from_doubles(kRandomDoubles, kDenseReach);
  EXPECT_EQ(r.failures, 0u) << r.first_failure;
  EXPECT_EQ(r.checked, kRandomDoubles + 2 * 2 * kDenseReach + 64 * (2 * kDenseReach + 1));
}

}  // namespace
