// SPDX-License-Identifier: BSL-1.0
// safenum-loops: the loop family. For + - * / of each class, one pass of
// out[i] = a[i] op b[i] over 4096 operand pairs, one operand in eight an
// edge value, in four forms: plain, hand-written saturating, header-only
// library and linked library. The forms of one operation are timed in turn,
// a pass each, for many rounds, and each keeps its fastest pass, so a slow
// moment of the machine does not land on one side of a ratio only.
//
//   safenum-loops [ROUNDS]     (default 2000)
//
// Before timing it checks that the two library forms agree to the bit.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "loops.h"

namespace {

using namespace loops;
using operands::kN;

double pass_ns(void (*kernel)()) {
  const auto start = std::chrono::steady_clock::now();
  kernel();
  const auto end = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::nano>(end - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 2000;
  if (rounds < 1) {
    std::fprintf(stderr, "usage: %s [ROUNDS]   (a positive number, default 2000)\n", argv[0]);
    return 2;
  }
  const Operands pairs = operands::make_pairs();
  Form forms[] = {plain_form(), hand_form(), header_only_form(), linked_form()};
  constexpr int kForms = sizeof forms / sizeof forms[0];
  for (Form& f : forms) f.setup(pairs);

  const char* class_names[] = {"safeint", "safefloat", "safedouble"};
  const char* op_names[] = {"+", "-", "*", "/"};
  int mismatches = 0;
  for (int c = 0; c < kClasses; ++c) {
    for (int o = 0; o < kOps; ++o) {
      forms[2].kernel[c][o]();
      forms[3].kernel[c][o]();
      for (int i = 0; i < kN; ++i) {
        if (forms[2].result(Class(c), i) != forms[3].result(Class(c), i)) ++mismatches;
      }
    }
  }
  if (mismatches) {
    std::printf("header-only and linked results differ in %d places\n", mismatches);
    return 1;
  }

  std::printf("ns per element, fastest pass of %d; ratios against the hand-written loop\n\n",
              rounds);
  std::printf("| loop | plain | hand-written | header-only | linked | header-only / hand "
              "| linked / header-only |\n|---|---|---|---|---|---|---|\n");
  for (int c = 0; c < kClasses; ++c) {
    for (int o = 0; o < kOps; ++o) {
      double best[kForms];
      for (double& b : best) b = 1e300;
      for (int r = 0; r < rounds; ++r) {
        for (int k = 0; k < kForms; ++k) {
          const int f = (k + r) % kForms;
          const double t = pass_ns(forms[f].kernel[c][o]);
          if (t < best[f]) best[f] = t;
        }
      }
      for (double& b : best) b /= kN;
      std::printf("| %s `%s` | %.2f | %.2f | %.2f | %.2f | %.2f | %.2f |\n", class_names[c],
                  op_names[o], best[0], best[1], best[2], best[3], best[2] / best[1],
                  best[3] / best[2]);
    }
  }
  return 0;
}
