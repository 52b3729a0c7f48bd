// Library-internal constants and the access window on the stored fields.
// Every threshold the library tests against is named here once.
#ifndef SAFENUM_SRC_LIMITS_LIMITS_H
#define SAFENUM_SRC_LIMITS_LIMITS_H

#include "module/runtime.h"
#include "safenum.h"

namespace safenum {
namespace detail {

// safeint: the ceiling and the two saturated values. -2147483648 is an
// ordinary stored value, not a saturated one.
constexpr int kIntCeiling = 0x7fffffff;
constexpr int kIntSaturatedPos = kIntCeiling;
constexpr int kIntSaturatedNeg = -kIntCeiling;  // bits 0x80000001
constexpr int kIntMaxMinusOne = 0x7ffffffe;
constexpr int kIntMinSystemValue = 1;
constexpr int kIntMostNegative = -kIntCeiling - 1;  // 0x80000000

// Floating ceilings C, half ceilings H, smallest normal magnitudes m.
constexpr double kFloatCeiling = 0x1p126;  // double bits 0x47d0000000000000
constexpr std::uint32_t kFloatCeilingBits = 0x7e800000u;
constexpr double kFloatHalfCeiling = 0x1p125;
constexpr double kFloatSmallestNormal = 0x1p-126;  // FLT_MIN
constexpr double kDoubleCeiling = 0x1p1022;
constexpr std::uint64_t kDoubleCeilingBits = 0x7fd0000000000000u;
constexpr double kDoubleHalfCeiling = 0x1p1021;
constexpr double kDoubleSmallestNormal = 0x1p-1022;  // DBL_MIN

static_assert(kFloatSmallestNormal == FLT_MIN, "m of safefloat");
static_assert(kDoubleSmallestNormal == DBL_MIN, "m of safedouble");

// The one place that reads and writes the private fields. Objects built here
// store their raw value without any test.
struct access {
  static int get(const safeint& s) { return s.value_; }
  static float get(const safefloat& f) { return f.value_; }
  static double get(const safedouble& d) { return d.value_; }

  static safeint make_int(int v) { return safeint(safeint::raw_value{}, v); }
  static safefloat make_float(float v) { return safefloat(safefloat::raw_value{}, v); }
  static safedouble make_double(double v) { return safedouble(safedouble::raw_value{}, v); }

  static void set(safeint& s, int v) { s.value_ = v; }
  static void set(safefloat& f, float v) { f.value_ = v; }
  static void set(safedouble& d, double v) { d.value_ = v; }
};

}  // namespace detail
}  // namespace safenum

#endif  // SAFENUM_SRC_LIMITS_LIMITS_H
