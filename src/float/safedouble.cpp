// safedouble: construction, assignment and conversions. Every body forwards
// to the implementation shared with safefloat.
#include "float/convert.h"
#include "float/saturate.h"
#include "limits/access.h"
#include "module/runtime.h"

namespace d = safenum::detail;

safedouble::safedouble() : value_(0.0) {}
safedouble::safedouble(int value) : value_(value) {}
safedouble::safedouble(char value) : value_(static_cast<signed char>(value)) {}
safedouble::safedouble(double value)
    : value_(d::saturated_field<d::safedouble_traits>(value)) {}
safedouble::safedouble(const safeint& value) : value_(d::access::get(value)) {}
safedouble::safedouble(safeint& value) : value_(d::access::get(value)) {}

safedouble& safedouble::operator=(int value) {
  value_ = value;
  return *this;
}
safedouble& safedouble::operator=(char value) {
  value_ = static_cast<signed char>(value);
  return *this;
}
safedouble& safedouble::operator=(double value) {
  value_ = d::saturated_field<d::safedouble_traits>(value);
  return *this;
}
safedouble& safedouble::operator=(float value) {
  value_ = value;
  return *this;
}

safedouble::operator int() { return d::nint_of(value_); }
int safedouble::nint() const { return d::nint_of(value_); }
float safedouble::Function_1975() { return d::to_single(value_); }
double safedouble::Function_1978() { return value_; }
double safedouble::Function_1979() { return safenum::rt::floor(value_); }
double safedouble::Function_1977() { return safenum::rt::ceil(value_); }
int safedouble::Function_1980() { return d::truncate_to_int(value_); }
int safedouble::Function_1981() { return d::is_saturated<d::safedouble_traits>(value_); }

safeint::safeint(const safedouble& value) : value_(value.nint()) {}
