#include "baseline.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "saturating.h"

namespace base {
namespace {
using hand::clamp_wide;
using hand::dclamp;
using hand::fclamp;
using hand::kMax;
constexpr double kFC = hand::kFloatC;
}  // namespace

// Plain integer operations wrap (through unsigned) rather than overflow.
int add_plain(int a, int b) { return hand::add_plain(a, b); }
int sub_plain(int a, int b) { return hand::sub_plain(a, b); }
int mul_plain(int a, int b) { return hand::mul_plain(a, b); }
int div_plain(int a, int b) { return hand::div_plain(a, b); }
int add_sat(int a, int b) { return hand::add_sat(a, b); }
int sub_sat(int a, int b) { return hand::sub_sat(a, b); }
int mul_sat(int a, int b) { return hand::mul_sat(a, b); }
int div_sat(int a, int b) { return hand::div_sat(a, b); }
int addd_plain(int a, double b) { return add_plain(a, static_cast<int>(std::lrint(b))); }
int addd_sat(int a, double b) {
  double r = double(a) + b;
  if (!(r == r)) return 0;
  return clamp_wide(std::llround(r > 4e9 ? 4e9 : r < -4e9 ? -4e9 : r));
}
float fadd_plain(float a, float b) { return a + b; }
float fsub_plain(float a, float b) { return a - b; }
float fmul_plain(float a, float b) { return a * b; }
float fdiv_plain(float a, float b) { return a / b; }
float fadd_sat(float a, float b) { return fclamp(a + b); }
float fsub_sat(float a, float b) { return fclamp(a - b); }
float fmul_sat(float a, float b) { return fclamp(a * b); }
float fdiv_sat(float a, float b) { return fclamp(a / b); }
double dadd_plain(double a, double b) { return a + b; }
double dsub_plain(double a, double b) { return a - b; }
double dmul_plain(double a, double b) { return a * b; }
double ddiv_plain(double a, double b) { return a / b; }
double dadd_sat(double a, double b) { return dclamp(a + b); }
double dsub_sat(double a, double b) { return dclamp(a - b); }
double dmul_sat(double a, double b) { return dclamp(a * b); }
double ddiv_sat(double a, double b) { return dclamp(a / b); }
int lt_int(int a, int b) { return a < b; }
int eq_int(int a, int b) { return a == b; }
int lt_float(float a, float b) { return a < b; }
int eq_float(float a, float b) { return a == b; }
int lt_double(double a, double b) { return a < b; }
int eq_double(double a, double b) { return a == b; }
int int_of_double_plain(double d) { return (d == d && std::fabs(d) < 2e9) ? static_cast<int>(d) : 0; }
int int_of_double_sat(double d) {
  if (!(d == d)) return 0;
  return d >= kMax ? kMax : d <= -kMax ? -kMax : static_cast<int>(std::lround(d));
}
float float_of_double_plain(double d) { return static_cast<float>(d); }
float float_of_double_sat(double d) { return static_cast<float>(dclamp(d > kFC ? kFC : d < -kFC ? -kFC : d)); }
long lround_plain(double d) { return (d == d && std::fabs(d) < 2e9) ? std::lround(d) : 0; }
long lround_sat(double d) {
  if (!(d == d)) return 0;
  return d >= kMax ? kMax : d <= -kMax ? -kMax : std::lround(d);
}
// Rounding through text: print with one more digit than needed, then round the
// halves away from zero by hand.
long lround_text(double d) {
  if (!(d == d)) return 0;
  if (d >= kMax) return kMax;
  if (d <= -kMax) return -kMax;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.17f", d);
  char* dot = buf;
  while (*dot && *dot != '.') ++dot;
  bool half_up = dot[0] == '.' && dot[1] >= '5';
  *dot = 0;
  long v = std::strtol(buf, nullptr, 10);
  if (half_up) v += (buf[0] == '-') ? -1 : 1;
  return v;
}
float fsqrt_plain(float a) { return std::sqrt(std::fabs(a)); }
float fsqrt_sat(float a) { return fclamp(std::sqrt(std::fabs(a))); }
double dsqrt_plain(double a) { return std::sqrt(std::fabs(a)); }
double dsqrt_sat(double a) { return dclamp(std::sqrt(std::fabs(a))); }
int isqrt_plain(int a) { return static_cast<int>(std::sqrt(std::fabs(double(a)))); }
int isqrt_sat(int a) { return static_cast<int>(std::lround(std::sqrt(std::fabs(double(a))))); }
int max_plain(int a, int b) { return a > b ? a : b; }
int abs_plain(int a) { return a < 0 ? int(0u - unsigned(a)) : a; }
int abs_sat(int a) { return a == -kMax - 1 ? kMax : (a < 0 ? -a : a); }
double dmax_plain(double a, double b) { return a > b ? a : b; }
}  // namespace base
