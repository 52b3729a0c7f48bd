// The floating families against their model, once per class: every pair of
// edge values, random pairs, and pairs aimed at each rung's threshold; the
// mixed overloads with each other operand type; several threads at once;
// the process-wide flush modes.
#include <gtest/gtest.h>

#include <thread>

#if defined(__SSE2__)
#include <xmmintrin.h>
#endif

#include "checks.h"
#include "draws.h"

namespace {

void report(const std::string& failure) { ADD_FAILURE() << failure; }

template <class F>
class Float : public ::testing::Test {};
struct class_name {
  template <class F>
  static std::string GetName(int) {
    return sizeof(typename F::stored) == 4 ? "safefloat" : "safedouble";
  }
};
using Classes = ::testing::Types<model::single_class, model::double_class>;
TYPED_TEST_SUITE(Float, Classes, class_name);

// Random pairs, each value with the partners aimed at its thresholds.
template <class F>
void random_pairs(checks::checker& c, std::uint64_t seed, long n) {
  draws::rng r(seed);
  for (long i = 0; i < n && !c.overwhelmed(); ++i) {
    const auto a = draws::random_value<F>(r);
    checks::float_value<F>(c, a);
    checks::float_pair<F>(c, a, draws::random_value<F>(r));
    for (auto b : draws::aimed_at<F>(a)) {
      checks::float_pair<F>(c, a, b);
      checks::float_pair<F>(c, b, a);
    }
  }
}

TYPED_TEST(Float, EveryOperationAgreesWithTheModel) {
  checks::checker c(report);
  const auto edges = draws::edges<TypeParam>();
  for (auto a : edges) {
    checks::float_value<TypeParam>(c, a);
    for (auto b : edges) checks::float_pair<TypeParam>(c, a, b);
    for (auto b : draws::aimed_at<TypeParam>(a)) checks::float_pair<TypeParam>(c, b, a);
  }
  random_pairs<TypeParam>(c, 3, draws::scaled(20000));
}

TYPED_TEST(Float, MixedOverloadsConvertTheirOperandThenRunTheCore) {
  checks::checker c(report);
  for (auto a : draws::edges<TypeParam>()) {
    for (int x : draws::int_edges()) {
      checks::float_mixed<TypeParam>(c, a, x);
      checks::float_mixed<TypeParam>(c, a, checks::safeint_operand{x});
    }
    for (float x : draws::edges<model::single_class>()) checks::float_mixed<TypeParam>(c, a, x);
    for (double x : draws::double_operands()) checks::float_mixed<TypeParam>(c, a, x);
  }
  draws::rng r(4);
  for (long i = 0, n = draws::scaled(20000); i < n && !c.overwhelmed(); ++i) {
    const auto a = draws::random_value<TypeParam>(r);
    const int k = draws::random_int(r);
    checks::float_mixed<TypeParam>(c, a, k);
    checks::float_mixed<TypeParam>(c, a, checks::safeint_operand{k});
    checks::float_mixed<TypeParam>(c, a, draws::random_value<model::single_class>(r));
    checks::float_mixed<TypeParam>(c, a, draws::from_bits<double>(r()));
  }
}

// The library keeps no state between calls: four threads drawing at once
// all agree with the model (run under ThreadSanitizer in CI).
TYPED_TEST(Float, FourThreadsAtOnce) {
  std::vector<std::thread> threads;
  std::vector<int> failures(4);
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([t, &failures] {
      checks::checker c([](const std::string&) {});
      random_pairs<TypeParam>(c, 10 + t, draws::scaled(2000));
      failures[t] = c.failures();
    });
  }
  for (std::thread& t : threads) t.join();
  EXPECT_EQ(failures, std::vector<int>(4, 0));
}

// A client built with fast-math sets flush-to-zero and denormals-are-zero
// for the whole process at start-up. Subnormal results and operands then
// change, but what the classes promise must hold: no result beyond the
// ceiling, no infinity or NaN from operands that are neither, no trap.

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

TYPED_TEST(Float, SaturationHoldsWithFlushToZeroAndDenormalsAreZero) {
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
