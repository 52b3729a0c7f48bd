// The floating relations: one comparison of the stored numbers, read in the
// comparison forms, so an unordered pair (a NaN on either side) counts as
// less and as equal.
#include "float/traits.h"

namespace {
namespace d = safenum::detail;
}  // namespace

#define SAFENUM_RELATIONS(F)                                                              \
  int operator==(const F& a, const F& b) { return d::equal(d::access::get(a), d::access::get(b)); } \
  int operator!=(const F& a, const F& b) { return !d::equal(d::access::get(a), d::access::get(b)); } \
  int operator<(const F& a, const F& b) { return d::below(d::access::get(a), d::access::get(b)); } \
  int operator<=(const F& a, const F& b) { return !d::above(d::access::get(a), d::access::get(b)); } \
  int operator>(const F& a, const F& b) { return d::above(d::access::get(a), d::access::get(b)); } \
  int operator>=(const F& a, const F& b) { return !d::below(d::access::get(a), d::access::get(b)); }

SAFENUM_RELATIONS(safefloat)
SAFENUM_RELATIONS(safedouble)
