// The hand-written operations the library is measured against, inline, so
// that the out-of-line baselines (baseline.cpp) and the loop family
// (loops/kernels.cpp) make the same ones: plain integer operations wrap
// through unsigned; saturating ones are __builtin_*_overflow clamped to
// +-2147483647, and for float and double the operation then a clamp to
// [-C, C].
#pragma once

namespace hand {

constexpr int kMax = 2147483647;
constexpr double kFloatC = 0x1p126;
constexpr double kDoubleC = 0x1p1022;

inline int clamp_wide(long long v) { return v > kMax ? kMax : v < -kMax ? -kMax : static_cast<int>(v); }
inline float fclamp(float r) { return r > kFloatC ? float(kFloatC) : r < -kFloatC ? float(-kFloatC) : r; }
inline double dclamp(double r) { return r > kDoubleC ? kDoubleC : r < -kDoubleC ? -kDoubleC : r; }

inline int add_plain(int a, int b) { return int(unsigned(a) + unsigned(b)); }
inline int sub_plain(int a, int b) { return int(unsigned(a) - unsigned(b)); }
inline int mul_plain(int a, int b) { return int(unsigned(a) * unsigned(b)); }
inline int div_plain(int a, int b) { return (b == 0 || (b == -1 && a == -kMax - 1)) ? 0 : a / b; }

inline int add_sat(int a, int b) {
  int r;
  if (__builtin_add_overflow(a, b, &r)) return a > 0 ? kMax : -kMax;
  return r < -kMax ? -kMax : r;
}
inline int sub_sat(int a, int b) {
  int r;
  if (__builtin_sub_overflow(a, b, &r)) return a >= 0 ? kMax : -kMax;
  return r < -kMax ? -kMax : r;
}
inline int mul_sat(int a, int b) {
  int r;
  if (__builtin_mul_overflow(a, b, &r)) return ((a < 0) != (b < 0)) ? -kMax : kMax;
  return r < -kMax ? -kMax : r;
}
inline int div_sat(int a, int b) {
  if (b == 0) return a < 0 ? -kMax : kMax;
  return clamp_wide(static_cast<long long>(a) / b);
}

}  // namespace hand
