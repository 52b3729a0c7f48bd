// safefloat: construction, assignment and conversions. Every body forwards to
// the implementation shared with safedouble.
#ifndef SAFENUM_FLOAT_SAFEFLOAT_INL_H
#define SAFENUM_FLOAT_SAFEFLOAT_INL_H

#include "safenum.h"
#include "safenum/common/access.h"
#include "safenum/common/runtime.h"
#include "safenum/float/convert.h"
#include "safenum/float/floor_ceil.h"
#include "safenum/float/saturate.h"

SAFENUM_BEGIN_ABI

SAFENUM_FUNC safefloat::safefloat() : value_(0.0f) {}
// Rounded to single precision, ties to even; no int comes near the ceiling.
SAFENUM_FUNC safefloat::safefloat(int value) : value_(static_cast<float>(value)) {}
SAFENUM_FUNC safefloat::safefloat(char value) : value_(static_cast<signed char>(value)) {}
SAFENUM_FUNC safefloat::safefloat(double value)
    : value_(safenum::detail::saturated_field<safenum::detail::safefloat_traits>(value)) {}
SAFENUM_FUNC safefloat::safefloat(const safeint& value)
    : value_(static_cast<float>(safenum::detail::access::get(value))) {}
SAFENUM_FUNC safefloat::safefloat(safeint& value)
    : value_(static_cast<float>(safenum::detail::access::get(value))) {}

SAFENUM_FUNC safefloat& safefloat::operator=(int value) {
  value_ = static_cast<float>(value);
  return *this;
}
SAFENUM_FUNC safefloat& safefloat::operator=(char value) {
  value_ = static_cast<signed char>(value);
  return *this;
}
SAFENUM_FUNC safefloat& safefloat::operator=(double value) {
  value_ = safenum::detail::saturated_field<safenum::detail::safefloat_traits>(value);
  return *this;
}
SAFENUM_FUNC safefloat& safefloat::operator=(float value) {
  value_ = value;
  return *this;
}

SAFENUM_FUNC safefloat::operator int() { return safenum::detail::nint_of(value_); }
SAFENUM_FUNC int safefloat::nint() const { return safenum::detail::nint_of(value_); }
SAFENUM_FUNC float safefloat::Function_1975() { return value_; }
SAFENUM_FUNC double safefloat::Function_1978() { return value_; }
// The floor and ceiling of a float are floats, so the narrowing is exact.
SAFENUM_FUNC float safefloat::Function_1979() {
  return static_cast<float>(safenum::detail::floor_of(value_));
}
SAFENUM_FUNC float safefloat::Function_1977() {
  return static_cast<float>(safenum::detail::ceiling_of(value_));
}
SAFENUM_FUNC int safefloat::Function_1980() { return safenum::detail::truncate_to_int(value_); }
SAFENUM_FUNC int safefloat::Function_1981() {
  return safenum::detail::is_saturated<safenum::detail::safefloat_traits>(value_);
}

SAFENUM_FUNC safeint::safeint(const safefloat& value) : value_(value.nint()) {}

SAFENUM_END_ABI

#endif  // SAFENUM_FLOAT_SAFEFLOAT_INL_H
