// The ways into the three classes from plain numbers, against the model:
// edge values, random patterns, values aimed at the halves and limits of the
// rounding rules, and a sweep over the float patterns (all 2^32 of them
// under the exhaustive label) for every path from a float to an int.
#include <gtest/gtest.h>

#include <thread>

#include "checks.h"
#include "draws.h"

namespace {

void report(const std::string& failure) { ADD_FAILURE() << failure; }

TEST(Convert, FromDoubleFloatAndIntAgreeWithTheModel) {
  checks::checker c(report);
  for (double v : draws::double_operands()) checks::ways_in(c, v);
  for (float v : draws::edges<model::single_class>()) checks::ways_in(c, v);
  for (int v : draws::int_edges()) checks::ways_in(c, v);
  draws::rng r(5);
  for (long i = 0, n = draws::scaled(50000); i < n && !c.overwhelmed(); ++i) {
    checks::ways_in(c, draws::from_bits<double>(r()));
    checks::ways_in(c, draws::from_bits<float>(static_cast<std::uint32_t>(r())));
    checks::ways_in(c, draws::random_int(r));
    // The halves and their neighbours, and values by the 32-bit limits.
    const int k = draws::random_int(r);
    const double quarter = (k & 3) / 4.0;
    for (double v : {k + 0.5, 2147483646.5 + quarter, -2147483646.5 - quarter}) {
      for (double w : {std::nextafter(v, 0.0), v, std::nextafter(v, 1e300)}) {
        checks::ways_in(c, w);
        checks::float_value<model::double_class>(c, w);
        checks::float_to_int(c, static_cast<float>(w));
      }
    }
  }
}

TEST(Convert, EveryFloatToIntPathOverTheFloatPatterns) {
  const std::uint64_t patterns = std::uint64_t{1} << 32;
  const std::uint64_t wanted = static_cast<std::uint64_t>(draws::scaled(1 << 24));
  const std::uint64_t stride = wanted >= patterns ? 1 : (patterns / wanted) | 1;
  std::vector<int> failures(2);
  std::vector<std::thread> halves;
  for (int h = 0; h < 2; ++h) {
    halves.emplace_back([=, &failures] {
      checks::checker c(report);
      for (std::uint64_t b = h * (patterns / 2); b < (h + 1) * (patterns / 2) && !c.overwhelmed(); b += stride) {
        checks::float_to_int(c, draws::from_bits<float>(static_cast<std::uint32_t>(b)));
      }
      failures[h] = c.failures();
    });
  }
  for (std::thread& t : halves) t.join();
  EXPECT_EQ(failures, std::vector<int>(2, 0));
}

}  // namespace
