// The in-place arithmetic of the floating classes. Each member reads both
// operands before it writes the field once, so the right operand may be the
// left object itself.
#ifndef SAFENUM_FLOAT_COMPOUND_INL_H
#define SAFENUM_FLOAT_COMPOUND_INL_H

#include "safenum/float/arith.h"

SAFENUM_BEGIN_ABI

SAFENUM_FUNC safefloat& safefloat::operator/=(const safefloat& rhs) {
  value_ = safenum::detail::divide_assign<safenum::detail::safefloat_traits>(value_, rhs.value_);
  return *this;
}
SAFENUM_FUNC safefloat& safefloat::operator*=(const safefloat& rhs) {
  value_ = safenum::detail::multiply_assign<safenum::detail::safefloat_traits>(value_, rhs.value_);
  return *this;
}
SAFENUM_FUNC safefloat& safefloat::operator+=(const safefloat& rhs) {
  value_ = safenum::detail::add_assign<safenum::detail::safefloat_traits>(value_, rhs.value_);
  return *this;
}

SAFENUM_FUNC safedouble& safedouble::operator/=(const safedouble& rhs) {
  value_ = safenum::detail::divide_assign<safenum::detail::safedouble_traits>(value_, rhs.value_);
  return *this;
}
SAFENUM_FUNC safedouble& safedouble::operator*=(const safedouble& rhs) {
  value_ = safenum::detail::multiply_assign<safenum::detail::safedouble_traits>(value_, rhs.value_);
  return *this;
}
SAFENUM_FUNC safedouble& safedouble::operator+=(const safedouble& rhs) {
  value_ = safenum::detail::add_assign<safenum::detail::safedouble_traits>(value_, rhs.value_);
  return *this;
}

SAFENUM_END_ABI

#endif  // SAFENUM_FLOAT_COMPOUND_INL_H
