// safeint: construction, assignment and the conversions back to plain numbers.
#include "int/convert.h"
#include "limits/limits.h"
#include "module/runtime.h"
#include "safenum.h"

using safenum::detail::round_from_double;
using safenum::detail::round_from_float;
using safenum::detail::truncate_from_double;

safeint::safeint() : value_(0) {}
safeint::safeint(int value) : value_(value) {}
// char may be unsigned on the target; the byte is always read as signed.
safeint::safeint(char value) : value_(static_cast<signed char>(value)) {}
safeint::safeint(float value) : value_(round_from_float(value)) {}
safeint::safeint(double value) : value_(round_from_double(value)) {}

safeint& safeint::operator=(int value) {
  value_ = value;
  return *this;
}
safeint& safeint::operator=(char value) {
  value_ = static_cast<signed char>(value);
  return *this;
}
safeint& safeint::operator=(float value) {
  value_ = truncate_from_double(value);
  return *this;
}
safeint& safeint::operator=(double value) {
  value_ = truncate_from_double(value);
  return *this;
}

safeint::operator int() { return value_; }
// The 32 bits read as unsigned, widened without sign extension.
safeint::operator unsigned long() {
  return static_cast<unsigned long>(static_cast<safenum::rt::uint32_t>(value_));
}
safeint::operator float() { return static_cast<float>(value_); }
safeint::operator double() { return value_; }
safeint::operator long double() { return value_; }

safeint safeint::Function_1976() { return safeint(safenum::detail::kIntMaxMinusOne); }
double safeint::Function_1978() { return value_; }
