// The limit functions. None reads its argument: it only selects the overload.
#ifndef SAFENUM_LIMITS_LIMITS_INL_H
#define SAFENUM_LIMITS_LIMITS_INL_H

#include "safenum.h"
#include "safenum/common/runtime.h"
#include "safenum/limits/limits.h"

SAFENUM_BEGIN_ABI

SAFENUM_FUNC long GetMaxSystemValue(long) { return safenum::detail::kIntCeiling; }
SAFENUM_FUNC int GetMaxSystemValue(int) { return safenum::detail::kIntCeiling; }
SAFENUM_FUNC short GetMaxSystemValue(short) { return 0x7fff; }
SAFENUM_FUNC float GetMaxSystemValue(float) { return FLT_MAX; }
SAFENUM_FUNC double GetMaxSystemValue(double) { return DBL_MAX; }
// Both floating overloads pass the plain maximum through the saturating
// construction, so they yield the ceiling, never FLT_MAX or DBL_MAX.
SAFENUM_FUNC safedouble GetMaxSystemValue(safedouble) { return safedouble(DBL_MAX); }
SAFENUM_FUNC safefloat GetMaxSystemValue(safefloat) {
  return safefloat(static_cast<double>(FLT_MAX));
}
SAFENUM_FUNC safeint GetMaxSystemValue(safeint) {
  return safeint(safenum::detail::kIntSaturatedPos);
}
SAFENUM_FUNC safeint GetMaxSystemValueMinusOne(safeint) {
  return safeint(safenum::detail::kIntMaxMinusOne);
}
SAFENUM_FUNC safeint GetMinSystemValue(safeint) {
  return safeint(safenum::detail::kIntMinSystemValue);
}

SAFENUM_END_ABI

#endif  // SAFENUM_LIMITS_LIMITS_INL_H
