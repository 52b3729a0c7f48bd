// The in-place arithmetic of the floating classes. Each member reads both
// operands before it writes the field once, so the right operand may be the
// left object itself.
#include "float/arith.h"

namespace {
namespace d = safenum::detail;
using single = d::single_traits;
using twice = d::double_traits;
}  // namespace

safefloat& safefloat::operator/=(const safefloat& rhs) {
  value_ = d::divide_assign<single>(value_, rhs.value_);
  return *this;
}
safefloat& safefloat::operator*=(const safefloat& rhs) {
  value_ = d::multiply_assign<single>(value_, rhs.value_);
  return *this;
}
safefloat& safefloat::operator+=(const safefloat& rhs) {
  value_ = d::add_assign<single>(value_, rhs.value_);
  return *this;
}

safedouble& safedouble::operator/=(const safedouble& rhs) {
  value_ = d::divide_assign<twice>(value_, rhs.value_);
  return *this;
}
safedouble& safedouble::operator*=(const safedouble& rhs) {
  value_ = d::multiply_assign<twice>(value_, rhs.value_);
  return *this;
}
safedouble& safedouble::operator+=(const safedouble& rhs) {
  value_ = d::add_assign<twice>(value_, rhs.value_);
  return *this;
}
