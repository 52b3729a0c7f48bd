// The floating families against their model, once per class: every pair of
// edge values, random pairs, and pairs aimed at each rung's threshold; the
// mixed overloads with each other operand type; several threads at once.
#include <gtest/gtest.h>

#include <thread>

#include "checks.h"
#include "draws.h"

namespace {

void report(const std::string& failure) { ADD_FAILURE() << failure; }

template <class F>
class Float : public ::testing::Test {};
using Classes = ::testing::Types<model::single_class, model::double_class>;
TYPED_TEST_SUITE(Float, Classes);

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

}  // namespace
