// The saturation limits of the three classes, and the few constants that
// more than one part of the library tests against. Each algorithm names its
// own thresholds beside its code, derived from these where they derive.
#ifndef SAFENUM_LIMITS_LIMITS_H
#define SAFENUM_LIMITS_LIMITS_H

#include "safenum/common/runtime.h"

namespace safenum {
namespace detail {

// safeint: the ceiling and the two saturated values. -2147483648 is an
// ordinary stored value, not a saturated one.
constexpr int kIntCeiling = 0x7fffffff;
constexpr int kIntSaturatedPos = kIntCeiling;
constexpr int kIntSaturatedNeg = -kIntCeiling;  // bits 0x80000001
constexpr int kIntMaxMinusOne = kIntCeiling - 1;
constexpr int kIntMinSystemValue = 1;
constexpr int kIntMostNegative = -kIntCeiling - 1;  // 0x80000000

// 2^31, the first magnitude past the int range, as a double: the float
// limits of safeint's rounding, the limit T of nint, the range of truncation.
constexpr double kIntRangeEnd = 0x1p31;

// Floating ceilings C and smallest normal magnitudes m. (The half ceiling
// H = C/2 of the addition rules is tested as C, on the whole sum.)
constexpr double kFloatCeiling = 0x1p126;  // double bits 0x47d0000000000000
constexpr double kFloatSmallestNormal = 0x1p-126;  // FLT_MIN
constexpr double kDoubleCeiling = 0x1p1022;
constexpr double kDoubleSmallestNormal = 0x1p-1022;  // DBL_MIN

static_assert(kFloatSmallestNormal == FLT_MIN, "m of safefloat");
static_assert(kDoubleSmallestNormal == DBL_MIN, "m of safedouble");

}  // namespace detail
}  // namespace safenum

#endif  // SAFENUM_LIMITS_LIMITS_H
