// A client built with fast-math sets flush-to-zero and denormals-are-zero
// for the whole process at start-up. Subnormal results and operands then
// change, but what the classes promise must hold: no result beyond the
// ceiling, no infinity or NaN from operands that are neither, no trap.
#include <gtest/gtest.h>

#include <cmath>

#include "checks.h"
#include "draws.h"

#if defined(__SSE2__)
#include <xmmintrin.h>
#endif

namespace {

template <class F>
class FlushModes : public ::testing::Test {};
using Classes = ::testing::Types<model::single_class, model::double_class>;
TYPED_TEST_SUITE(FlushModes, Classes);

// Operands within the ceiling, neither infinite nor NaN.
template <class F>
std::vector<typename F::stored> ordinary_operands() {
  std::vector<typename F::stored> out;
  for (auto v : draws::edges<F>()) {
    if (std::fabs(v) <= F::C) out.push_back(v);
  }
  draws::rng r(6);
  while (out.size() < 600) {
    const auto v = draws::random_value<F>(r);
    if (std::fabs(v) <= F::C) out.push_back(v);
  }
  return out;
}

TYPED_TEST(FlushModes, SaturationHoldsWithFlushToZeroAndDenormalsAreZero) {
#if defined(__SSE2__)
  using S = typename TypeParam::stored;
  const unsigned saved = _mm_getcsr();
  _mm_setcsr(saved | 0x8040);  // flush-to-zero and denormals-are-zero
  long outside = 0;
  const auto within = [&](auto x) {
    const double v = checks::stored_of(x);
    outside += !(std::fabs(v) <= TypeParam::C);  // a NaN or an infinity is outside too
  };
  const auto operands = ordinary_operands<TypeParam>();
  for (S a : operands) {
    const checks::object_of<TypeParam> x = checks::hold(a);
    within(Function_1971(x));
    for (S b : operands) {
      const checks::object_of<TypeParam> y = checks::hold(b);
      checks::object_of<TypeParam> q = x, p = x, s = x;
      within(q /= y);
      within(p *= y);
      within(s += y);
      within(x / y);
      within(x * y);
      within(x + y);
      within(x - y);
    }
  }
  _mm_setcsr(saved);
  EXPECT_EQ(outside, 0);
#else
  GTEST_SKIP() << "the flush modes are set through SSE's control register";
#endif
}

}  // namespace
