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
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "loops.h"

namespace {

using namespace loops;
constexpr int kN = 4096;

Operands make_operands() {
  Operands d;
  std::mt19937 g(12345);
  std::uniform_int_distribution<int> small(-100000, 100000);
  std::uniform_real_distribution<double> real(-1e6, 1e6);
  const int iedge[] = {2147483647, -2147483647, 0, -2147483647 - 1, 1, -1, 46341, 65536};
  const double fedge[] = {0x1p126, -0x1p126, 0.0, std::nan(""), 0x1p-140, -0x1p-130, 1e30, -0.0};
  const double dedge[] = {0x1p1022, -0x1p1022, 0.0, std::nan(""), 0x1p-1060, -0x1p-1040, 1e300, -0.0};
  for (int i = 0; i < kN; ++i) {
    for (int side = 0; side < 2; ++side) {
      const bool edge = (g() % 8) == 0;
      int iv = edge ? iedge[g() % 8] : small(g);
      const double fv = edge ? fedge[g() % 8] : real(g);
      const double dv = edge ? dedge[g() % 8] : real(g);
      if (iv == 0 && side == 1 && !edge) iv = 7;
      (side ? d.ib : d.ia).push_back(iv);
      (side ? d.fb : d.fa).push_back(static_cast<float>(fv));
      (side ? d.db : d.da).push_back(dv);
    }
  }
  return d;
}

double pass_ns(void (*kernel)()) {
  const auto start = std::chrono::steady_clock::now();
  kernel();
  const auto end = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::nano>(end - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 2000;
  const Operands operands = make_operands();
  Form forms[] = {plain_form(), hand_form(), header_only_form(), linked_form()};
  constexpr int kForms = sizeof forms / sizeof forms[0];
  for (Form& f : forms) f.setup(operands);

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
