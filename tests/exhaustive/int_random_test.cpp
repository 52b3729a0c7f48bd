// Millions of random pairs through every safeint operation, against the
// exact 64-bit model. The pairs are drawn uniformly, log-uniformly in
// magnitude, and aimed at each operation's saturation threshold.
#include <gtest/gtest.h>

#include <cstdint>

#include "int_model.h"
#include "int_operators.h"

namespace {

using int_model::i64;
using int_model::kMax;
using int_model::kMin;
using int_operators::kOperators;
using int_operators::value;

constexpr int kPairsPerKind = 10'000'000;

struct SplitMix {
  std::uint64_t state;
  std::uint64_t next() {
    std::uint64_t z = (state += 0x9e3779b97f4a7c15u);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
    return z ^ (z >> 31);
  }
  int uniform() { return static_cast<int>(static_cast<std::uint32_t>(next())); }
  // Magnitude of a random bit length, random sign.
  int log_uniform() {
    const std::uint64_t r = next();
    const i64 m = static_cast<i64>((r >> 33) >> (r % 32));
    return static_cast<int>((r >> 5) & 1 ? -m : m);
  }
  int small_delta() { return static_cast<int>(next() % 9) - 4; }
};

int clamp(i64 v) { return static_cast<int>(v < kMin ? kMin : v > kMax ? kMax : v); }

// A partner for a that puts the pair near the thresholds of +, -, * and
// their compound forms: sums near +-2147483584 and +-2147483646, products
// near MAX.
int aimed_partner(SplitMix& rng, int a) {
  const i64 targets[] = {2147483584, 2147483646, -2147483584, -2147483646};
  const std::uint64_t pick = rng.next() % 6;
  if (pick < 4) return clamp(targets[pick] - a + rng.small_delta());
  if (pick == 4) return clamp(-(targets[rng.next() % 4] - a) + rng.small_delta());
  if (a == 0) return rng.uniform();
  const i64 q = kMax / int_model::mag(a) + rng.small_delta();
  return clamp((rng.next() & 1) ? q : -q);
}

enum class Kind { kUniform, kLogUniform, kAimed };

template <typename Check>
void for_pairs(Kind kind, std::uint64_t seed, Check check) {
  SplitMix rng{seed};
  for (int i = 0; i < kPairsPerKind; ++i) {
    int a, b;
    switch (kind) {
      case Kind::kUniform:
        a = rng.uniform();
        b = rng.uniform();
        break;
      case Kind::kLogUniform:
        a = rng.log_uniform();
        b = rng.log_uniform();
        break;
      default:
        a = rng.log_uniform();
        b = aimed_partner(rng, a);
        if (rng.next() & 1) std::swap(a, b);
        break;
    }
    if (!check(a, b)) return;
  }
}

const Kind kKinds[] = {Kind::kUniform, Kind::kLogUniform, Kind::kAimed};

TEST(IntRandomPairs, CoresAndIntOverloadsMatchModel) {
  for (Kind kind : kKinds) {
    for_pairs(kind, 0x5eed0000u + static_cast<int>(kind), [](int a, int b) {
      for (const auto& op : kOperators) {
        const int core = value(op.core(safeint(a), safeint(b)));
        const int si = value(op.si(safeint(a), b));
        const int is = value(op.is(a, safeint(b)));
        if (core != op.model(a, b) || si != int_operators::model_safe_left(op, a, b) ||
            is != int_operators::model_safe_right(op, a, b)) {
          ADD_FAILURE() << a << " " << op.name << " " << b << ": core " << core << ", s op int "
                        << si << ", int op s " << is << "; model " << op.model(a, b);
          return false;
        }
      }
      return true;
    });
  }
}

TEST(IntRandomPairs, CompoundAssignmentsMatchModel) {
  for (Kind kind : kKinds) {
    for_pairs(kind, 0xc0de0000u + static_cast<int>(kind), [](int a, int b) {
      safeint sum(a), product(a), quotient(a);
      const safeint rhs(b);
      sum += rhs;
      product *= rhs;
      quotient /= rhs;
      const bool ok = value(sum) == int_model::add_assign(a, b) &&
                      value(product) == int_model::multiply_assign(a, b) &&
                      value(quotient) == int_model::divide(a, b);
      if (!ok)
        ADD_FAILURE() << a << ", " << b << ": += " << value(sum) << ", *= " << value(product)
                      << ", /= " << value(quotient);
      return ok;
    });
  }
}

// Random doubles (integers, halves, fractions, huge values) as the plain
// operand: each mixed overload equals its core applied to safeint(x).
TEST(IntRandomPairs, FloatingOverloadsEqualCoreOfConvertedOperand) {
  SplitMix rng{0xf1a7u};
  for (int i = 0; i < kPairsPerKind / 4; ++i) {
    const int s = rng.log_uniform();
    const double scale[] = {1.0, 0.5, 0.25, 1e-3, 1e6};
    const double x = rng.log_uniform() * scale[rng.next() % 5];
    const float xf = static_cast<float>(x);
    const safeint v(s), td(x), tf(xf);
    for (const auto& op : kOperators) {
      const bool plain_first = op.order == int_operators::Order::kPlainFirst;
      const bool written = op.order == int_operators::Order::kWritten;
      const int want_sd = value(plain_first ? op.core(td, v) : op.core(v, td));
      const int want_ds = value(plain_first || written ? op.core(td, v) : op.core(v, td));
      const int want_sf = value(plain_first ? op.core(tf, v) : op.core(v, tf));
      const int want_fs = value(plain_first || written ? op.core(tf, v) : op.core(v, tf));
      ASSERT_EQ(value(op.sd(v, x)), want_sd) << s << " " << op.name << " " << x;
      ASSERT_EQ(value(op.ds(x, v)), want_ds) << x << " " << op.name << " " << s;
      ASSERT_EQ(value(op.sf(v, xf)), want_sf) << s << " " << op.name << " " << xf;
      ASSERT_EQ(value(op.fs(xf, v)), want_fs) << xf << " " << op.name << " " << s;
    }
  }
}

}  // namespace
