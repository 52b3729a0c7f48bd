// safenum-demo: a short tour of the library. Each line shows what plain C++
// gives next to what the saturating classes give.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

#include "safenum.h"

namespace {

void heading(const char* title) { std::printf("\n== %s ==\n", title); }

// What a plain double-to-int conversion gives, without the undefined
// behaviour of converting an out-of-range value.
const char* plain_int_of(double x, char* buf, std::size_t size) {
  if (std::isnan(x) || x >= 2147483648.0 || x <= -2147483649.0) return "undefined";
  std::snprintf(buf, size, "%d", static_cast<int>(x));
  return buf;
}

void tour_conversions() {
  heading("Out-of-range conversions saturate");
  std::printf("%-24s %-14s %-14s %s\n", "value", "plain (int)", "safeint(x)",
              "safeint = x");
  const double values[] = {2.7, -2.7, 2.5, 2147483646.7, 5e9, -1e300,
                           std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN()};
  for (double x : values) {
    char buf[32];
    safeint rounded(x);
    safeint truncated;
    truncated = x;
    std::printf("%-24.12g %-14s %-14d %d\n", x, plain_int_of(x, buf, sizeof buf),
                static_cast<int>(rounded), static_cast<int>(truncated));
  }

  heading("Rounding rules");
  std::printf("%-8s %-16s %-18s %s\n", "value", "std::lround", "safeint(double)",
              "safedouble.nint()");
  const double halves[] = {0.5, 2.5, -2.5, 3.5, 2.51, -0.7};
  for (double x : halves) {
    std::printf("%-8g %-16ld %-18d %d\n", x, std::lround(x),
                static_cast<int>(safeint(x)), safedouble(x).nint());
  }
  std::puts("safeint(double) sends exact halves toward zero; nint() away from zero.");

  heading("NaN and infinity on the way in");
  const double inf = std::numeric_limits<double>::infinity();
  safedouble big(1e308), huge(inf), nan(std::nan(""));
  safefloat single(3e38);
  std::printf("safedouble(1e308)  = %-14g (the ceiling 2^1022, saturated: %d)\n",
              big.Function_1978(), big.Function_1981());
  std::printf("safedouble(inf)    = %-14g (saturated: %d)\n", huge.Function_1978(),
              huge.Function_1981());
  std::printf("safefloat(3e38)    = %-14g (the ceiling 2^126; plain float keeps %g)\n",
              static_cast<double>(single.Function_1975()), static_cast<double>(3e38f));
  std::printf("safedouble(NaN)    = %-14g nint() = %d\n", nan.Function_1978(),
              nan.nint());
  std::printf("GetMaxSystemValue(safedouble) = %g, GetMaxSystemValue(double) = %g\n",
              GetMaxSystemValue(safedouble()).Function_1978(), GetMaxSystemValue(0.0));
}

}  // namespace

// Later sections of the tour, one file per family of operations.
#if __has_include("demo_int.inc")
#include "demo_int.inc"
#define SAFENUM_DEMO_INT 1
#endif
#if __has_include("demo_float.inc")
#include "demo_float.inc"
#define SAFENUM_DEMO_FLOAT 1
#endif
#if __has_include("demo_math.inc")
#include "demo_math.inc"
#define SAFENUM_DEMO_MATH 1
#endif

int main() {
  std::puts("safenum: saturating safeint, safefloat and safedouble");
  tour_conversions();
#ifdef SAFENUM_DEMO_INT
  tour_integers();
#endif
#ifdef SAFENUM_DEMO_FLOAT
  tour_floating();
#endif
#ifdef SAFENUM_DEMO_MATH
  tour_math();
#endif
  return 0;
}
