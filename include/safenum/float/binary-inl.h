// The core floating operators: every floating expression ends up here.
#ifndef SAFENUM_FLOAT_BINARY_INL_H
#define SAFENUM_FLOAT_BINARY_INL_H

#include "safenum/float/arith.h"

SAFENUM_BEGIN_ABI

SAFENUM_FUNC safefloat operator+(const safefloat& a, const safefloat& b) {
  return safenum::detail::core_add<safenum::detail::safefloat_traits>(a, b);
}
SAFENUM_FUNC safefloat operator-(const safefloat& a, const safefloat& b) {
  return safenum::detail::core_sub<safenum::detail::safefloat_traits>(a, b);
}
SAFENUM_FUNC safefloat operator*(const safefloat& a, const safefloat& b) {
  return safenum::detail::core_mul<safenum::detail::safefloat_traits>(a, b);
}
SAFENUM_FUNC safefloat operator/(const safefloat& a, const safefloat& b) {
  return safenum::detail::core_div<safenum::detail::safefloat_traits>(a, b);
}

SAFENUM_FUNC safedouble operator+(const safedouble& a, const safedouble& b) {
  return safenum::detail::core_add<safenum::detail::safedouble_traits>(a, b);
}
SAFENUM_FUNC safedouble operator-(const safedouble& a, const safedouble& b) {
  return safenum::detail::core_sub<safenum::detail::safedouble_traits>(a, b);
}
SAFENUM_FUNC safedouble operator*(const safedouble& a, const safedouble& b) {
  return safenum::detail::core_mul<safenum::detail::safedouble_traits>(a, b);
}
SAFENUM_FUNC safedouble operator/(const safedouble& a, const safedouble& b) {
  return safenum::detail::core_div<safenum::detail::safedouble_traits>(a, b);
}

SAFENUM_END_ABI

#endif  // SAFENUM_FLOAT_BINARY_INL_H
