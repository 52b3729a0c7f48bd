// safeint relations: one signed comparison of the two stored integers.
// Saturated values compare as the integers that hold them.
#ifndef SAFENUM_INT_COMPARE_INL_H
#define SAFENUM_INT_COMPARE_INL_H

#include "safenum/common/access.h"

SAFENUM_BEGIN_ABI

#define SAFENUM_INT_RELATION(op)                                 \
  SAFENUM_FUNC int operator op(const safeint& a, const safeint& b) { \
    using safenum::detail::access;                               \
    return access::get(a) op access::get(b);                     \
  }
SAFENUM_INT_RELATION(==)
SAFENUM_INT_RELATION(!=)
SAFENUM_INT_RELATION(<)
SAFENUM_INT_RELATION(<=)
SAFENUM_INT_RELATION(>)
SAFENUM_INT_RELATION(>=)
#undef SAFENUM_INT_RELATION

SAFENUM_END_ABI

#endif  // SAFENUM_INT_COMPARE_INL_H
