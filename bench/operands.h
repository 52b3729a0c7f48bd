// The operands every benchmark runs over: kN pairs of int, float and double,
// one operand in eight an edge value (saturated, zero, -0.0, NaN, subnormal,
// -2147483648, overflowing).
#pragma once

#include <cmath>
#include <random>
#include <vector>

namespace operands {

constexpr int kN = 4096;

struct Pairs {
  std::vector<int> ia, ib;
  std::vector<float> fa, fb;
  std::vector<double> da, db;
};

inline Pairs make_pairs() {
  Pairs d;
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

}  // namespace operands
