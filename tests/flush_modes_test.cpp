// SPDX-License-Identifier: BSL-1.0
// A client built with fast-math sets flush-to-zero and denormals-are-zero
// for the whole process at start-up. Subnormal results and operands then
// change, but what the classes promise must hold: no result beyond the
// ceiling, no infinity or NaN from operands that are neither, no trap (the
// sanitizer stage runs this with division by zero trapping).
#include <gtest/gtest.h>

#include <cmath>

#include "check.h"
#include "draws.h"
#include "exports_library.h"

#if defined(__SSE2__)
#include <xmmintrin.h>
#endif

namespace {

// Runs every floating operation on pairs of operands within the ceiling,
// neither infinite nor NaN, and counts the results that are not.
template <class S, class Make>
long results_beyond_the_ceiling(Make make) {
  using F = model::class_of<S>;
  std::vector<S> operands, drawn = draws::edges<S>();
  draws::rng r(6);
  while (drawn.size() < 2000) drawn.push_back(draws::random_value<S>(r));
  for (S v : drawn) {
    if (std::fabs(v) <= F::C && operands.size() < 600) operands.push_back(v);
  }
  long outside = 0;
  const auto count = [&](const auto& x) { outside += !(std::fabs(checks::value_of(x)) <= F::C); };
  for (auto a : operands) {
    count(Function_1971(make(a)));
    for (auto b : operands) {
      auto q = make(a), p = make(a), s = make(a);
      count(q /= make(b));
      count(p *= make(b));
      count(s += make(b));
      count(make(a) / make(b));
      count(make(a) * make(b));
      count(make(a) + make(b));
      count(make(a) - make(b));
    }
  }
  return outside;
}

TEST(FlushModes, SaturationHoldsWithFlushToZeroAndDenormalsAreZero) {
#if defined(__SSE2__)
  const unsigned saved = _mm_getcsr();
  _mm_setcsr(saved | 0x8040);  // flush-to-zero and denormals-are-zero
  const long single = results_beyond_the_ceiling<float>(library_side::sf);
  const long twice = results_beyond_the_ceiling<double>(library_side::sd);
  _mm_setcsr(saved);
  EXPECT_EQ(single, 0);
  EXPECT_EQ(twice, 0);
#else
  GTEST_SKIP() << "the flush modes are set through SSE's control register";
#endif
}

}  // namespace
