// safefloat: construction, assignment and conversions. Every body forwards to
// the implementation shared with safedouble.
#include "float/convert.h"
#include "float/saturate.h"
#include "limits/access.h"
#include "module/runtime.h"

namespace d = safenum::detail;

safefloat::safefloat() : value_(0.0f) {}
// Rounded to single precision, ties to even; no int comes near the ceiling.
safefloat::safefloat(int value) : value_(static_cast<float>(value)) {}
safefloat::safefloat(char value) : value_(static_cast<signed char>(value)) {}
safefloat::safefloat(double value)
    : value_(d::saturated_field<d::safefloat_traits>(value)) {}
safefloat::safefloat(const safeint& value)
    : value_(static_cast<float>(d::access::get(value))) {}
safefloat::safefloat(safeint& value)
    : value_(static_cast<float>(d::access::get(value))) {}

safefloat& safefloat::operator=(int value) {
  value_ = static_cast<float>(value);
  return *this;
}
safefloat& safefloat::operator=(char value) {
  value_ = static_cast<signed char>(value);
  return *this;
}
safefloat& safefloat::operator=(double value) {
  value_ = d::saturated_field<d::safefloat_traits>(value);
  return *this;
}
safefloat& safefloat::operator=(float value) {
  value_ = value;
  return *this;
}

safefloat::operator int() { return d::nint_of(value_); }
int safefloat::nint() const { return d::nint_of(value_); }
float safefloat::Function_1975() { return value_; }
double safefloat::Function_1978() { return value_; }
// The floor and ceiling of a float are floats, so the narrowing is exact.
float safefloat::Function_1979() {
  return static_cast<float>(safenum::rt::floor(static_cast<double>(value_)));
}
float safefloat::Function_1977() {
  return static_cast<float>(safenum::rt::ceil(static_cast<double>(value_)));
}
int safefloat::Function_1980() { return d::truncate_to_int(value_); }
int safefloat::Function_1981() { return d::is_saturated<d::safefloat_traits>(value_); }

safeint::safeint(const safefloat& value) : value_(value.nint()) {}
