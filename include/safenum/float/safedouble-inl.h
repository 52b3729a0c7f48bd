// safedouble: construction, assignment and conversions. Every body forwards
// to the implementation shared with safefloat.
#ifndef SAFENUM_FLOAT_SAFEDOUBLE_INL_H
#define SAFENUM_FLOAT_SAFEDOUBLE_INL_H

#include "safenum.h"
#include "safenum/common/access.h"
#include "safenum/common/runtime.h"
#include "safenum/float/convert.h"
#include "safenum/float/floor_ceil.h"
#include "safenum/float/saturate.h"

SAFENUM_BEGIN_ABI

SAFENUM_FUNC safedouble::safedouble() : value_(0.0) {}
SAFENUM_FUNC safedouble::safedouble(int value) : value_(value) {}
SAFENUM_FUNC safedouble::safedouble(char value) : value_(static_cast<signed char>(value)) {}
SAFENUM_FUNC safedouble::safedouble(double value)
    : value_(safenum::detail::saturated_field<safenum::detail::safedouble_traits>(value)) {}
SAFENUM_FUNC safedouble::safedouble(const safeint& value)
    : value_(safenum::detail::access::get(value)) {}
SAFENUM_FUNC safedouble::safedouble(safeint& value) : value_(safenum::detail::access::get(value)) {}

SAFENUM_FUNC safedouble& safedouble::operator=(int value) {
  value_ = value;
  return *this;
}
SAFENUM_FUNC safedouble& safedouble::operator=(char value) {
  value_ = static_cast<signed char>(value);
  return *this;
}
SAFENUM_FUNC safedouble& safedouble::operator=(double value) {
  value_ = safenum::detail::saturated_field<safenum::detail::safedouble_traits>(value);
  return *this;
}
SAFENUM_FUNC safedouble& safedouble::operator=(float value) {
  value_ = value;
  return *this;
}

SAFENUM_FUNC safedouble::operator int() { return safenum::detail::nint_of(value_); }
SAFENUM_FUNC int safedouble::nint() const { return safenum::detail::nint_of(value_); }
SAFENUM_FUNC float safedouble::Function_1975() { return safenum::detail::to_single(value_); }
SAFENUM_FUNC double safedouble::Function_1978() { return value_; }
SAFENUM_FUNC double safedouble::Function_1979() { return safenum::detail::floor_of(value_); }
SAFENUM_FUNC double safedouble::Function_1977() { return safenum::detail::ceiling_of(value_); }
SAFENUM_FUNC int safedouble::Function_1980() { return safenum::detail::truncate_to_int(value_); }
SAFENUM_FUNC int safedouble::Function_1981() {
  return safenum::detail::is_saturated<safenum::detail::safedouble_traits>(value_);
}

SAFENUM_FUNC safeint::safeint(const safedouble& value) : value_(value.nint()) {}

SAFENUM_END_ABI

#endif  // SAFENUM_FLOAT_SAFEDOUBLE_INL_H
