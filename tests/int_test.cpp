// The safeint family against its model: every pair of edge values, random
// pairs, and pairs aimed at the thresholds of the sums, differences and
// products; the mixed overloads with each plain operand type.
#include <gtest/gtest.h>

#include "checks.h"
#include "draws.h"

namespace {

void report(const std::string& failure) { ADD_FAILURE() << failure; }

TEST(Int, EveryOperationAgreesWithTheModel) {
  checks::checker c(report);
  const std::vector<int> edges = draws::int_edges();
  for (int a : edges) {
    checks::int_value(c, a);
    checks::ways_in(c, a);
    checks::limits(c, a, draws::double_operands()[static_cast<unsigned>(a) % 64]);
    for (int b : edges) checks::int_pair(c, a, b);
  }
  draws::rng r(1);
  for (long i = 0, n = draws::scaled(20000); i < n && !c.overwhelmed(); ++i) {
    const int a = draws::random_int(r);
    checks::int_value(c, a);
    checks::ways_in(c, a);
    checks::int_pair(c, a, draws::random_int(r));
    for (int b : draws::aimed_at(a)) {
      checks::int_pair(c, a, b);
      checks::int_pair(c, b, a);
    }
  }
}

TEST(Int, MixedOverloadsConvertTheirOperandThenRunTheCore) {
  checks::checker c(report);
  const std::vector<int> edges = draws::int_edges();
  for (int a : edges) {
    for (int x : edges) checks::int_mixed(c, a, x);
    for (float x : draws::edges<model::single_class>()) checks::int_mixed(c, a, x);
    for (double x : draws::double_operands()) checks::int_mixed(c, a, x);
  }
  draws::rng r(2);
  for (long i = 0, n = draws::scaled(20000); i < n && !c.overwhelmed(); ++i) {
    const int a = draws::random_int(r);
    checks::int_mixed(c, a, draws::random_int(r));
    checks::int_mixed(c, a, draws::random_value<model::single_class>(r));
    checks::int_mixed(c, a, draws::random_value<model::double_class>(r));
    // Plain operands that round onto a threshold of the core.
    for (int b : draws::aimed_at(a)) checks::int_mixed(c, a, b + 0.5 * (i % 3 - 1));
  }
}

}  // namespace
