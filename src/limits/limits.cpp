// The limit functions. None reads its argument: it only selects the overload.
#include "limits/limits.h"
#include "module/runtime.h"
#include "safenum.h"

namespace d = safenum::detail;

long GetMaxSystemValue(long) { return d::kIntCeiling; }
int GetMaxSystemValue(int) { return d::kIntCeiling; }
short GetMaxSystemValue(short) { return 0x7fff; }
float GetMaxSystemValue(float) { return FLT_MAX; }
double GetMaxSystemValue(double) { return DBL_MAX; }
// Both floating overloads pass the plain maximum through the saturating
// construction, so they yield the ceiling, never FLT_MAX or DBL_MAX.
safedouble GetMaxSystemValue(safedouble) { return safedouble(DBL_MAX); }
safefloat GetMaxSystemValue(safefloat) {
  return safefloat(static_cast<double>(FLT_MAX));
}
safeint GetMaxSystemValue(safeint) { return safeint(d::kIntSaturatedPos); }
safeint GetMaxSystemValueMinusOne(safeint) { return safeint(d::kIntMaxMinusOne); }
safeint GetMinSystemValue(safeint) { return safeint(d::kIntMinSystemValue); }
