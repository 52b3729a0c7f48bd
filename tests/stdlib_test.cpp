// SPDX-License-Identifier: BSL-1.0
// The inline additions against the models: relations with plain numbers and
// the mixed operators the exported list lacks, on every pair of edge values;
// the other integer widths; the limits.
#include <gtest/gtest.h>
#include <safenum/names.h>

#include "check.h"
#include "draws.h"
#include "exports_library.h"
#include "exports_model.h"

namespace {

using model::double_class;
using model::single_class;

TEST(Stdlib, RelationsAndMixedOperatorsConvertThePlainOperandByTheClass) {
  checks::checker c([](const std::string& failure) { ADD_FAILURE() << failure; });
  // Both orders of every relation between a and b, whose model values are ma and mb.
  auto relations = [&](const char* what, const auto& a, const auto& b, double ma, double mb) {
    for (auto r : {model::eq, model::ne, model::lt, model::le, model::gt, model::ge}) {
      const int ab[] = {a == b, a != b, a < b, a <= b, a > b, a >= b}, ba[] = {b == a, b != a, b < a, b <= a, b > a, b >= a};
      c.same(what, ab[r], model::relate(r, ma, mb));
      c.same(what, ba[r], model::relate(r, mb, ma));
    }
  };
  for (int i : draws::int_edges()) {
    for (double x : draws::edges<double>()) {
      const float fx = static_cast<float>(x), mf = model::from_int<single_class>(i);
      const safeint s(i);
      const safedouble d = library_side::sd(x);
      const safefloat f = library_side::sf(fx);
      const double md = model_side::sd(x), mi = model::from_int<double_class>(i);
      const int k = model::truncated(x);
      c.about(i, x);
      relations("safeint, int", s, k, i, k);
      relations("safeint, float", s, fx, i, model::round_from_float(fx));
      relations("safeint, double", s, x, i, model::round_from_double(x));
      relations("safeint, long long", s, i * 3LL, i, model::from_wider(i * 3.0L));
      relations("safedouble, int", d, i, md, mi);
      relations("safedouble, double", d, x, md, model::construct<double_class>(x));
      relations("safedouble, safeint", d, s, md, mi);
      relations("safefloat, float", f, fx, fx, model::construct<single_class>(fx));
      relations("safefloat, int", f, i, fx, mf);
      relations("safefloat, safeint", f, s, fx, mf);
      c.same("exact_value", safenum::exact_value(d), md);
      c.same("is_saturated", safenum::is_saturated(f), model::is_saturated(fx));
      c.same("safedouble - safeint", d - s, model::subtract(md, mi));
      c.same("safeint - safedouble", s - d, model::subtract(mi, md));
      c.same("safedouble / safeint", d / s, model::divide(md, mi));
      c.same("safefloat - safeint", f - s, model::subtract(fx, mf));
      c.same("safeint - safefloat", s - f, model::subtract(mf, fx));
      c.same("safefloat / safeint", f / s, model::divide(fx, mf));
    }
    for (long long wide : {i * 4294967296LL - i, i * 3LL, i + 0LL}) {
      c.about(i, double(wide));
      c.same("safeint(long long)", safeint(wide), model::from_wider(wide));
      c.same("safeint(unsigned long long)", safeint(0ULL + wide), model::from_wider(0ULL + wide));
      c.same("safedouble = long", ASSIGN(safedouble(), =, long(wide)), model::construct<double_class>(double(wide)));
    }
  }
}

template <class T, class F>
void expect_floating_limits() {
  using L = std::numeric_limits<T>;
  EXPECT_EQ(checks::value_of(L::max()), F::C);
  EXPECT_EQ(checks::value_of(L::lowest()), -F::C);
  EXPECT_EQ(checks::value_of(L::min()), F::m);
  EXPECT_EQ(std::ldexp(1.0, L::max_exponent - 1), F::C);
  EXPECT_TRUE(std::isnan(checks::value_of(L::quiet_NaN())) && L::is_bounded && !L::has_infinity && !L::is_iec559);
}

TEST(Stdlib, LimitsAreTheSaturatedValues) {
  expect_floating_limits<safefloat, single_class>();
  expect_floating_limits<safedouble, double_class>();
  EXPECT_EQ(checks::value_of(std::numeric_limits<safeint>::max()), model::kMax);
  EXPECT_EQ(checks::value_of(std::numeric_limits<safeint>::lowest()), model::kNegMax);
  EXPECT_FALSE(std::numeric_limits<safeint>::is_modulo || std::numeric_limits<safeint>::traps);
}

}  // namespace
