// Several threads, each on its own objects, run the same long sequence of
// operations and must all reach the checksum one thread reaches alone: the
// library keeps no state that one caller could disturb for another (nint's
// rounding and the rounding conversions included).
#include <gtest/gtest.h>

#include <cstdint>
#include <thread>
#include <vector>

#include "workload.h"

namespace {

constexpr int kThreads = 4;
constexpr int kRounds = 3000;

TEST(Threads, EveryThreadGetsTheSingleThreadResults) {
  std::vector<std::uint64_t> alone;
  for (int t = 0; t < kThreads; ++t) alone.push_back(workload::run(1000 + t % 2, kRounds));
  // Two seeds, so a thread reading another's objects would show.
  ASSERT_NE(alone[0], alone[1]);

  std::vector<std::uint64_t> together(kThreads, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t, &together] { together[t] = workload::run(1000 + t % 2, kRounds); });
  }
  for (std::thread& th : threads) th.join();
  EXPECT_EQ(together, alone);
}

TEST(Threads, NintAndRoundingAgreeAcrossThreads) {
  // The rounding paths alone, dense around halves, where a shared buffer or
  // rounding mode would first show.
  auto sweep = [] {
    std::uint64_t sum = 0;
    for (int k = -200000; k <= 200000; ++k) {
      const double v = k * 0.5 + (k % 7) * 1e6;
      safedouble sd(v);
      safefloat sf(v);
      safeint si(v), sj(static_cast<float>(v));
      sum = sum * 31 + static_cast<std::uint32_t>(sd.nint());
      sum = sum * 31 + static_cast<std::uint32_t>(sf.nint());
      sum = sum * 31 + static_cast<std::uint32_t>(static_cast<int>(si));
      sum = sum * 31 + static_cast<std::uint32_t>(static_cast<int>(sj));
    }
    return sum;
  };
  const std::uint64_t alone = sweep();
  std::vector<std::uint64_t> together(kThreads, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) threads.emplace_back([t, &together, &sweep] { together[t] = sweep(); });
  for (std::thread& th : threads) th.join();
  for (std::uint64_t s : together) EXPECT_EQ(s, alone);
}

}  // namespace
