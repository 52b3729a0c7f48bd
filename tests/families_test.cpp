// SPDX-License-Identifier: BSL-1.0
// One driver per family of the library: every row of the export table
// (support/exports.h) in the family, on every pair of edge values, random
// pairs and pairs aimed at each rung's threshold, against the models. The
// exhaustive label runs the same drivers with 256 times the random draws.
#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "check.h"
#include "draws.h"
#include "exports_library.h"
#include "exports_model.h"

namespace {

void report(const std::string& failure) { ADD_FAILURE() << failure; }

// Runs the rows of one family: the library call in the library's terms and
// the model result in the model's, on the same operands.
void run_family(const char* family, checks::checker& c) {
  const draws::none_list NONE;
  const draws::int_list INTS;
  const draws::char_list CHARS;
  const draws::float_list FLOATS;
  const draws::double_list DOUBLES;
  const char* current = "";
#define FAMILY(name) current = #name;
#define ROW(A, B, library, model)                                                   \
  if (std::strcmp(current, family) == 0) {                                          \
    draws::for_pairs(A, B, __LINE__, [&](auto a, [[maybe_unused]] auto b) {        \
      c.about(a, b);                                                                \
      c.same(#library, [&] { using namespace library_side; return library; }(),    \
             [&] { using namespace model_side; return model; }());                 \
    });                                                                             \
  }
#include "exports.h"
}

void check_family(const char* family) {
  checks::checker c(report);
  run_family(family, c);
}

TEST(Families, Conversions) { check_family("conversions"); }
TEST(Families, Integer) { check_family("integer"); }
TEST(Families, Floating) { check_family("floating"); }
TEST(Families, MathAndLimits) { check_family("math_and_limits"); }

// Runs work(k, checker) on n threads at once; each thread's failures.
template <class Work>
std::vector<int> on_threads(int n, Work work) {
  std::vector<int> failures(n);
  std::vector<std::thread> threads;
  for (int k = 0; k < n; ++k) {
    threads.emplace_back([&, k] {
      checks::checker c(report);
      work(k, c);
      failures[k] = c.failures();
    });
  }
  for (std::thread& t : threads) t.join();
  return failures;
}

// The library keeps no state between calls: four threads running the
// floating family at once all agree with the model (run under
// ThreadSanitizer in CI).
TEST(Families, FloatingOnFourThreadsAtOnce) {
  EXPECT_EQ(on_threads(4, [](int, checks::checker& c) { run_family("floating", c); }), std::vector<int>(4, 0));
}

// Every path from a float to an int over the float patterns, all 2^32 of
// them under the exhaustive label, in two halves at once: safeint's
// rounding constructor and truncating assignment, a safefloat's nint and
// its truncation.
TEST(Families, EveryFloatToIntPathOverTheFloatPatterns) {
  const std::uint64_t half = std::uint64_t{1} << 31, wanted = draws::scaled(1 << 24);
  const std::uint64_t stride = wanted >= 2 * half ? 1 : (2 * half / wanted) | 1;
  const auto sweep = [&](int h, checks::checker& c) {
    for (std::uint64_t b = h * half; b < (h + 1) * half && !c.overwhelmed(); b += stride) {
      const float v = draws::from_bits<float>(static_cast<std::uint32_t>(b));
      safeint s;
      c.about(v, 0);
      c.same("safeint(float)", safeint(v), model::round_from_float(v));
      c.same("safeint = float", s = v, model::truncate_from(v));
      c.same("safefloat::nint", library_side::sf(v).nint(), model::nint(v));
      c.same("safefloat::Function_1980", library_side::sf(v).Function_1980(), model::truncated(v));
    }
  };
  EXPECT_EQ(on_threads(2, sweep), std::vector<int>(2, 0));
}

}  // namespace
