// safeint arithmetic and relations against the exact 64-bit model, over
// every pair of edge values, plus the documented edge cases as tables.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "int_model.h"
#include "int_operators.h"

namespace {

using int_model::kMax;
using int_model::kMin;
using int_model::kNegMax;
using int_operators::kOperators;
using int_operators::kRelations;
using int_operators::value;

const std::vector<int>& edges() {
  static const std::vector<int> values = int_model::edge_values();
  return values;
}

TEST(IntEdgeValues, CoverTheThresholds) {
  const auto& e = edges();
  EXPECT_GE(e.size(), 300u);
  for (int v : {0, 1, -1, 2, -2, kMax, kNegMax, kMin, 46340, 46341, 1073741792, 2147483584, 1 << 30})
    EXPECT_TRUE(std::binary_search(e.begin(), e.end(), v)) << v;
}

// --- core operators and their int overloads: every edge pair ---------------

TEST(IntBinary, CoreAndIntOverloadsMatchModelOnEdgePairs) {
  for (const auto& op : kOperators) {
    int failures = 0;
    for (int a : edges()) {
      for (int b : edges()) {
        const int core = value(op.core(safeint(a), safeint(b)));
        const int si = value(op.si(safeint(a), b));
        const int is = value(op.is(a, safeint(b)));
        const int want_core = op.model(a, b);
        const int want_si = int_operators::model_safe_left(op, a, b);
        const int want_is = int_operators::model_safe_right(op, a, b);
        if (core != want_core || si != want_si || is != want_is) {
          if (++failures <= 5)
            ADD_FAILURE() << a << " " << op.name << " " << b << ": core " << core << " (model "
                          << want_core << "), s op int " << si << " (" << want_si << "), int op s "
                          << is << " (" << want_is << ")";
        }
      }
    }
    EXPECT_EQ(failures, 0) << op.name;
  }
}

// --- compound assignment: every edge pair, and self-aliasing ----------------

struct Compound {
  const char* name;
  safeint& (safeint::*member)(const safeint&);
  int (*model)(int, int);
};

const Compound kCompounds[] = {
    {"+=", &safeint::operator+=, &int_model::add_assign},
    {"*=", &safeint::operator*=, &int_model::multiply_assign},
    {"/=", &safeint::operator/=, &int_model::divide},
};

TEST(IntCompound, MatchesModelOnEdgePairs) {
  for (const auto& c : kCompounds) {
    int failures = 0;
    for (int a : edges()) {
      for (int b : edges()) {
        safeint s(a);
        const safeint rhs(b);
        safeint& r = (s.*c.member)(rhs);
        EXPECT_EQ(&r, &s);
        const int got = value(s);
        if (got != c.model(a, b) && ++failures <= 5)
          ADD_FAILURE() << a << " " << c.name << " " << b << " gives " << got << ", model "
                        << c.model(a, b);
      }
    }
    EXPECT_EQ(failures, 0) << c.name;
  }
}

TEST(IntCompound, SelfAliasingActsAsWithACopy) {
  for (const auto& c : kCompounds) {
    for (int a : edges()) {
      safeint s(a);
      (s.*c.member)(s);
      EXPECT_EQ(value(s), c.model(a, a)) << a << " " << c.name << " itself";
    }
  }
  safeint big(1073741824), seven(7), zero(0);
  const safeint &big_alias = big, &seven_alias = seven, &zero_alias = zero;
  big += big_alias;
  seven /= seven_alias;
  zero /= zero_alias;
  EXPECT_EQ(value(big), kMax);
  EXPECT_EQ(value(seven), 1);
  EXPECT_EQ(value(zero), 0);
}

// --- documented cases ---------------------------------------------------------

struct Row {
  int a;
  char op;
  int b;
  int want;
};

TEST(IntCompound, DocumentedCases) {
  const Row rows[] = {
      {kMax, '+', kNegMax, kMax},      {kNegMax, '+', kMax, kMax},
      {kNegMax, '+', 5, kNegMax},      {kMax, '+', -5, kMax},
      {1073741823, '+', 1073741823, 2147483646}, {1073741824, '+', 1073741822, kMax},
      {2147483646, '+', 0, kMax},      {2147483645, '+', 1, 2147483646},
      {2147483643, '+', 2, 2147483645}, {-2147483643, '+', -1, kNegMax},
      {-2147483642, '+', -2, -2147483644}, {-2147483644, '+', 0, -2147483644},
      {-2147483645, '+', 1, kNegMax},  {-2147483646, '+', 2, -2147483644},
      {kMin, '+', kMax, kMax},         {kMin, '+', 4, -2147483644},
      {kMin, '+', 3, kNegMax},         {kMin, '+', -1, kNegMax},
      {0, '*', kMax, 0},               {kMax, '*', -2, kNegMax},
      {kNegMax, '*', kNegMax, kMax},   {-3, '*', 5, -15},
      {1, '*', 1073741824, kMax},      {1073741824, '*', 1, 1073741824},
      {2, '*', 1073741823, kMax},      {1, '*', 2146483646, kMax},
      {46341, '*', 46340, kMax},       {46340, '*', 46340, 2147395600},
      {kMin, '*', 1, kMin},            {kMin, '*', -1, kMax},
      {kMin, '*', 2, kNegMax},         {3, '*', kMin, kNegMax},
      {0, '/', 0, 0},                  {5, '/', 0, kMax},
      {-5, '/', 0, kNegMax},           {kMax, '/', kMax, kMax},
      {kMax, '/', -3, kNegMax},        {kNegMax, '/', -3, kMax},
      {5, '/', kMax, 0},               {-7, '/', 2, -3},
      {kMin, '/', -1, kMax},           {kMin, '/', 0, kNegMax},
      {kMin, '/', kNegMax, 0},         {kMin, '/', kMin, 1},
      {kMin, '/', 2, -1073741824},     {12345, '/', kMin, 0},
  };
  for (const Row& r : rows) {
    safeint s(r.a);
    if (r.op == '+') s += safeint(r.b);
    if (r.op == '*') s *= safeint(r.b);
    if (r.op == '/') s /= safeint(r.b);
    EXPECT_EQ(value(s), r.want) << r.a << " " << r.op << "= " << r.b;
  }
}

TEST(IntBinary, DocumentedCases) {
  const Row rows[] = {
      {kMax, '+', kNegMax, kMax},        {kNegMax, '+', kMax, kMax},
      {kNegMax, '+', 5, kNegMax},        {1073741792, '+', 1073741792, kMax},
      {1073741791, '+', 1073741792, 2147483583}, {-1073741792, '+', -1073741792, kNegMax},
      {2147483646, '+', 0, 2147483646},  {2147483646, '+', -5, 2147483641},
      {1073741800, '+', 1073741800, kMax}, {-2147483645, '+', 1, -2147483644},
      {kMin, '+', -1, kNegMax},          {kMin, '+', 0, kMin},
      {kMin, '+', 2147483646, -2},
      {5, '-', kMax, kNegMax},           {5, '-', kNegMax, kMax},
      {kMax, '-', kMax, kMax},           {kNegMax, '-', kMax, kNegMax},
      {kNegMax, '-', kNegMax, kMax},
      {1073741823, '-', -1073741823, 2147483646}, {1073741824, '-', -1073741822, kMax},
      {-1073741823, '-', 1073741823, -2147483646}, {-1073741824, '-', 1073741822, kNegMax},
      {1, '-', kMin, kMax},              {kMin, '-', 1, kNegMax},
      {0, '-', kMin, kMax},              {-1, '-', kMin, 2147483647},
      {kMin, '-', -5, -2147483643},
      {0, '*', kMax, 0},                 {1, '*', kNegMax, kNegMax},
      {-1, '*', kNegMax, kMax},          {2, '*', 1073741823, 2147483646},
      {2, '*', 1073741824, kMax},        {-46341, '*', 46341, kNegMax},
      {46340, '*', 46341, 2147441940},   {1, '*', 1073741824, 1073741824},
      {-1, '*', kMin, kMax},             {kMin, '*', -1, kMax},
      {kMin, '*', 1, kMin},              {1, '*', kMin, kMin},
      {kMin, '*', 2, kNegMax},           {kMin, '*', kMin, kMax},
      {0, '/', 0, 0},                    {5, '/', 0, kMax},
      {-5, '/', 0, kNegMax},             {kMax, '/', -3, kNegMax},
      {7, '/', kMax, 0},                 {-7, '/', 2, -3},
      {7, '/', -2, -3},                  {kMin, '/', -1, kMax},
  };
  for (const Row& r : rows) {
    const safeint a(r.a), b(r.b);
    safeint got;
    if (r.op == '+') got = a + b;
    if (r.op == '-') got = a - b;
    if (r.op == '*') got = a * b;
    if (r.op == '/') got = a / b;
    EXPECT_EQ(value(got), r.want) << r.a << " " << r.op << " " << r.b;
  }
  // abs builds on the int-left product with -1.
  EXPECT_EQ(value(-1 * safeint(kMin)), kMax);
  EXPECT_EQ(value(-1 * safeint(kNegMax)), kMax);
  EXPECT_EQ(value(-1 * safeint(-5)), 5);
}

// --- mixed overloads: conversion and operand order ----------------------------

// A plain value and what it becomes: the float overloads see (float)x with
// the float limits, the double overloads x with the double limits.
struct Conversion {
  double x;
  int as_float;
  int as_double;
};

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

const Conversion kConversions[] = {
    {0.0, 0, 0},
    {-0.0, 0, 0},
    {3.0, 3, 3},
    {-3.0, -3, -3},
    {2.5, 2, 2},
    {-2.5, -2, -2},
    {2.6, 3, 3},
    {-2.6, -3, -3},
    {0.4, 0, 0},
    {0.5, 0, 0},
    {0.7, 1, 1},
    {-0.7, -1, -1},
    {16777217.0, 16777216, 16777217},
    {1073741792.0, 1073741824, 1073741792},  // a float tie, to even
    {2147483520.0, 2147483520, 2147483520},
    {2147483646.5, kMax, 2147483646},
    {-2147483646.5, kNegMax, -2147483646},
    {2147483646.75, kMax, kMax},
    {-2147483648.0, kNegMax, kNegMax},
    {1e20, kMax, kMax},
    {-1e20, kNegMax, kNegMax},
    {kInf, kMax, kMax},
    {-kInf, kNegMax, kNegMax},
    {kNaN, kNegMax, kNegMax},
};

TEST(IntMixed, ConvertThePlainOperandAndKeepTheOrder) {
  for (const auto& op : kOperators) {
    for (const Conversion& c : kConversions) {
      const float xf = static_cast<float>(c.x);
      const double xd = c.x;
      for (int s : edges()) {
        const safeint v(s);
        ASSERT_EQ(value(op.sf(v, xf)), int_operators::model_safe_left(op, s, c.as_float))
            << "safeint " << s << " " << op.name << " float " << xf;
        ASSERT_EQ(value(op.fs(xf, v)), int_operators::model_safe_right(op, c.as_float, s))
            << "float " << xf << " " << op.name << " safeint " << s;
        ASSERT_EQ(value(op.sd(v, xd)), int_operators::model_safe_left(op, s, c.as_double))
            << "safeint " << s << " " << op.name << " double " << xd;
        ASSERT_EQ(value(op.ds(xd, v)), int_operators::model_safe_right(op, c.as_double, s))
            << "double " << xd << " " << op.name << " safeint " << s;
      }
    }
  }
}

TEST(IntMixed, DocumentedCases) {
  EXPECT_EQ(value(safeint(10) - 3), 7);
  EXPECT_EQ(value(10 - safeint(3)), 7);
  EXPECT_EQ(value(10.0 / safeint(4)), 2);
  EXPECT_EQ(value(safeint(10) / 2.6), 3);
  EXPECT_EQ(value(safeint(10) / 2.5), 5);
  EXPECT_EQ(value(safeint(10) / 0.4), kMax);
  EXPECT_EQ(value(safeint(-10) / 0.5f), kNegMax);
  EXPECT_EQ(value(safeint(7) + kNaN), kNegMax);
  EXPECT_EQ(value(safeint(7) * 1e20f), kMax);
  EXPECT_EQ(value(safeint(-7) * 1e20), kNegMax);
  // The int operand is taken as it is, -2147483648 included.
  EXPECT_EQ(value(safeint(0) - kMin), kMax);
  EXPECT_EQ(value(kMin / safeint(-1)), kMax);
  EXPECT_EQ(value(safeint(5) * kMin), kNegMax);
}

// --- relations ----------------------------------------------------------------

TEST(IntRelations, SignedComparisonOfStoredValues) {
  for (const auto& rel : kRelations) {
    for (int a : edges())
      for (int b : edges())
        ASSERT_EQ(rel.relation(safeint(a), safeint(b)), rel.holds(a, b) ? 1 : 0)
            << a << " " << rel.name << " " << b;
  }
  EXPECT_EQ(safeint(kMin) < safeint(kNegMax), 1);
  EXPECT_EQ(safeint(kMin) < safeint(kMax), 1);
  EXPECT_EQ(safeint(kMax) == safeint(kMax), 1);
  EXPECT_EQ(safeint(-1) < safeint(0), 1);
}

}  // namespace
