// The in-place arithmetic of the floating classes. Each member reads both
// operands before it writes the field once, so the right operand may be the
// left object itself.
#include "float/arith.h"

namespace d = safenum::detail;

safefloat& safefloat::operator/=(const safefloat& rhs) {
  value_ = d::divide_assign<d::safefloat_traits>(value_, rhs.value_);
  return *this;
}
safefloat& safefloat::operator*=(const safefloat& rhs) {
  value_ = d::multiply_assign<d::safefloat_traits>(value_, rhs.value_);
  return *this;
}
safefloat& safefloat::operator+=(const safefloat& rhs) {
  value_ = d::add_assign<d::safefloat_traits>(value_, rhs.value_);
  return *this;
}

safedouble& safedouble::operator/=(const safedouble& rhs) {
  value_ = d::divide_assign<d::safedouble_traits>(value_, rhs.value_);
  return *this;
}
safedouble& safedouble::operator*=(const safedouble& rhs) {
  value_ = d::multiply_assign<d::safedouble_traits>(value_, rhs.value_);
  return *this;
}
safedouble& safedouble::operator+=(const safedouble& rhs) {
  value_ = d::add_assign<d::safedouble_traits>(value_, rhs.value_);
  return *this;
}
