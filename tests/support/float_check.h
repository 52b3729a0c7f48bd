// One pair of stored values run through every floating operation of a class
// and compared with the model.
#ifndef SAFENUM_TESTS_SUPPORT_FLOAT_CHECK_H
#define SAFENUM_TESTS_SUPPORT_FLOAT_CHECK_H

#include <gtest/gtest.h>

#include <cstdio>

#include "float_model.h"

namespace float_check {

struct tally {
  long pairs = 0;
  long mismatches = 0;
};

inline void report(tally& t, const char* what, double a, double b, double got, double want) {
  if (++t.mismatches <= 20) {
    ADD_FAILURE() << what << " of " << std::hexfloat << a << " and " << b << ": got " << got
                  << ", model " << want;
  }
}

template <class F>
void check_pair(tally& t, double a, double b) {
  namespace m = float_model;
  using object = typename F::object;
  ++t.pairs;
  const object x = F::hold(a), y = F::hold(b);
  const auto run = [&](const char* what, double got, const m::result& want) {
    if (!m::agrees<F>(got, want)) report(t, what, a, b, got, want.value);
  };
  object q = x;
  q /= y;
  run("/=", F::value(q), m::divide<F>(a, b, true));
  object p = x;
  p *= y;
  run("*=", F::value(p), m::multiply<F>(a, b, true));
  object s = x;
  s += y;
  run("+=", F::value(s), m::add_in_place<F>(a, b));
  run("/", F::value(x / y), m::divide<F>(a, b, false));
  run("*", F::value(x * y), m::multiply<F>(a, b, false));
  run("+", F::value(x + y), m::add_or_subtract<F>(a, b, false));
  run("-", F::value(x - y), m::add_or_subtract<F>(a, b, true));
  const int rel[6] = {x == y, x != y, x < y, x <= y, x > y, x >= y};
  for (int r = 0; r < 6; ++r) {
    if (rel[r] != m::relate(static_cast<m::relation>(r), a, b)) {
      report(t, "relation", a, b, rel[r], r);
    }
  }
}

}  // namespace float_check

#endif  // SAFENUM_TESTS_SUPPORT_FLOAT_CHECK_H
