// safeint: construction, assignment and the conversions back to plain numbers.
#ifndef SAFENUM_INT_SAFEINT_INL_H
#define SAFENUM_INT_SAFEINT_INL_H

#include "safenum.h"
#include "safenum/common/runtime.h"
#include "safenum/int/convert.h"
#include "safenum/limits/limits.h"

SAFENUM_BEGIN_ABI

SAFENUM_FUNC safeint::safeint() : value_(0) {}
SAFENUM_FUNC safeint::safeint(int value) : value_(value) {}
// char may be unsigned on the target; the byte is always read as signed.
SAFENUM_FUNC safeint::safeint(char value) : value_(static_cast<signed char>(value)) {}
SAFENUM_FUNC safeint::safeint(float value)
    : value_(safenum::detail::round_from_float(value)) {}
SAFENUM_FUNC safeint::safeint(double value)
    : value_(safenum::detail::round_from_double(value)) {}

SAFENUM_FUNC safeint& safeint::operator=(int value) {
  value_ = value;
  return *this;
}
SAFENUM_FUNC safeint& safeint::operator=(char value) {
  value_ = static_cast<signed char>(value);
  return *this;
}
SAFENUM_FUNC safeint& safeint::operator=(float value) {
  value_ = safenum::detail::truncate_from_double(value);
  return *this;
}
SAFENUM_FUNC safeint& safeint::operator=(double value) {
  value_ = safenum::detail::truncate_from_double(value);
  return *this;
}

SAFENUM_FUNC safeint::operator int() { return value_; }
// The 32 bits read as unsigned, widened without sign extension.
SAFENUM_FUNC safeint::operator unsigned long() {
  return static_cast<unsigned long>(static_cast<safenum::rt::uint32_t>(value_));
}
SAFENUM_FUNC safeint::operator float() { return static_cast<float>(value_); }
SAFENUM_FUNC safeint::operator double() { return value_; }
SAFENUM_FUNC safeint::operator long double() { return value_; }

SAFENUM_FUNC safeint safeint::Function_1976() {
  return safeint(safenum::detail::kIntMaxMinusOne);
}
SAFENUM_FUNC double safeint::Function_1978() { return value_; }

SAFENUM_END_ABI

#endif  // SAFENUM_INT_SAFEINT_INL_H
