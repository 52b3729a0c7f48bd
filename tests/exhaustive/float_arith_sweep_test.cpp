// Millions of random operand pairs of both floating classes against the
// closed-form model: uniformly random bit patterns, and pairs aimed at the
// thresholds (product or quotient near C or m, sum near C).
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>

#include "float_check.h"
#include "float_edges.h"
#include "float_model.h"

namespace {

constexpr long kUniformPairs = 20000000;
constexpr long kAimedPairs = 16000000;
constexpr long kThresholdOperands = 100000;

// A partner for a whose product, quotient or sum with it lies near one of
// the thresholds, within a few binades, with a random significand and sign.
template <class F>
double aimed_partner(std::mt19937_64& rng, double a) {
  using stored = typename F::stored;
  int ea;
  std::frexp(a, &ea);
  std::uniform_int_distribution<int> kind(0, 4), wiggle(-2, 2);
  std::uniform_real_distribution<double> sig(0.5, 1.0);
  int target = 0;
  switch (kind(rng)) {
    case 0: target = F::ceiling_exp - ea; break;   // a*b near C
    case 1: target = ea - F::ceiling_exp; break;   // a/b near C
    case 2: target = F::normal_exp - ea; break;    // a*b near m
    case 3: target = ea - F::normal_exp; break;    // a/b near m
    default: target = F::ceiling_exp; break;       // a+b near C
  }
  double b = std::ldexp(sig(rng), target + wiggle(rng) + 1);
  if (rng() & 1) b = -b;
  if (!(std::fabs(b) < float_model::ceiling<F>())) b = std::copysign(float_model::ceiling<F>(), b);
  return static_cast<stored>(b);
}

template <class F>
void sweep(const char* name) {
  std::mt19937_64 rng(0x5eed + sizeof(typename F::stored));
  float_check::tally t;
  const auto start = std::chrono::steady_clock::now();
  for (long i = 0; i < kUniformPairs && t.mismatches < 20; ++i) {
    const double a = float_edges::random_value<F>(rng);
    float_check::check_pair<F>(t, a, float_edges::random_value<F>(rng));
  }
  for (long i = 0; i < kAimedPairs && t.mismatches < 20; ++i) {
    double a = float_edges::random_value<F>(rng);
    if (!std::isfinite(a) || a == 0) a = 1.5;
    const double b = aimed_partner<F>(rng, a);
    if (i & 1) {
      float_check::check_pair<F>(t, a, b);
    } else {
      float_check::check_pair<F>(t, b, a);
    }
  }
  for (long i = 0; i < kThresholdOperands && t.mismatches < 20; ++i) {
    const double a = float_edges::random_value<F>(rng);
    for (double b : float_edges::threshold_partners<F>(a)) {
      float_check::check_pair<F>(t, a, b);
      float_check::check_pair<F>(t, b, a);
    }
  }
  const double secs =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%s: %ld pairs in %.1f s\n", name, t.pairs, secs);
  EXPECT_EQ(t.mismatches, 0);
}

TEST(FloatSweep, Safefloat) { sweep<float_model::single_fmt>("safefloat"); }
TEST(FloatSweep, Safedouble) { sweep<float_model::double_fmt>("safedouble"); }

}  // namespace
