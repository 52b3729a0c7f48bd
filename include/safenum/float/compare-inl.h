// The floating relations: one comparison of the stored numbers, read in the
// comparison forms, so an unordered pair (a NaN on either side) counts as
// less and as equal.
#ifndef SAFENUM_FLOAT_COMPARE_INL_H
#define SAFENUM_FLOAT_COMPARE_INL_H

#include "safenum/float/traits.h"

SAFENUM_BEGIN_ABI

// F is the class, form the comparison form, and negated 1 for the relation
// that is the form's complement.
#define SAFENUM_FLOAT_RELATION(F, op, form, negated)                          \
  SAFENUM_FUNC int operator op(const F& a, const F& b) {                      \
    using safenum::detail::access;                                            \
    return safenum::detail::form(access::get(a), access::get(b)) != negated; \
  }
#define SAFENUM_FLOAT_RELATIONS(F)            \
  SAFENUM_FLOAT_RELATION(F, ==, equal_or_nan, 0)     \
  SAFENUM_FLOAT_RELATION(F, !=, equal_or_nan, 1)     \
  SAFENUM_FLOAT_RELATION(F, <, below, 0)      \
  SAFENUM_FLOAT_RELATION(F, <=, above, 1)     \
  SAFENUM_FLOAT_RELATION(F, >, above, 0)      \
  SAFENUM_FLOAT_RELATION(F, >=, below, 1)
SAFENUM_FLOAT_RELATIONS(safefloat)
SAFENUM_FLOAT_RELATIONS(safedouble)
#undef SAFENUM_FLOAT_RELATIONS
#undef SAFENUM_FLOAT_RELATION

SAFENUM_END_ABI

#endif  // SAFENUM_FLOAT_COMPARE_INL_H
