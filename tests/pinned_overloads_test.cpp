// SPDX-License-Identifier: BSL-1.0
// Expressions that compiled before the inline additions still call what they
// called: each result equals the exported function it called then, named by
// its type, on operands for which another candidate would give another value.
#include <gtest/gtest.h>

#include "check.h"

namespace {

template <class Signature>
Signature* exported(Signature* f) { return f; }
template <class Class, class Signature>
Signature Class::*member(Signature Class::*m) { return m; }

#define PIN(expression, expected) \
  EXPECT_TRUE(checks::identical(checks::value_of(expression), checks::value_of(expected))) << #expression

TEST(Pinned, ExpressionsThatCompiledBeforeCallWhatTheyCalled) {
  safeint s(7), t1, t2;
  safedouble d(2.7), e1, e2;
  safefloat f(2.5f), g1, g2;
  const short small = 3;
  PIN(s * 0.5, exported<safeint(const safeint&, const double&)>(operator*)(s, 0.5));
  PIN(0.5f + s, exported<safeint(const float&, const safeint&)>(operator+)(0.5f, s));
  PIN(d - 7, exported<safedouble(const safedouble&, const int&)>(operator-)(d, 7));
  PIN(d + s, exported<safedouble(const safedouble&, const safeint&)>(operator+)(d, s));
  PIN(s / d, exported<safedouble(const safeint&, const safedouble&)>(operator/)(s, d));
  PIN(f * small, exported<safefloat(const safefloat&, const int&)>(operator*)(f, 3));
  PIN(t1 = 2.7, (t2.*member<safeint, safeint&(double)>(&safeint::operator=))(2.7));
  PIN(g1 = 3e38f, (g2.*member<safefloat, safefloat&(float)>(&safefloat::operator=))(3e38f));
  PIN(e1 = 'x', (e2.*member<safedouble, safedouble&(char)>(&safedouble::operator=))('x'));
  // A floating object where a plain number is expected rounds through nint.
  double y = d;
  y += d;
  EXPECT_TRUE(y == 2.0 * d.nint() && -d == -d.nint() && sqrt(d) == std::sqrt(double(d.nint())));
  EXPECT_FALSE(safedouble(0.3) ? true : false);
}

}  // namespace
