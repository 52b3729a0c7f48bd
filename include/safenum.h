// SPDX-License-Identifier: BSL-1.0
// safenum: saturating number types.
//
// safeint    a signed 32-bit integer whose arithmetic saturates at +-2147483647
// safefloat  an IEEE single whose arithmetic saturates at +-2^126
// safedouble an IEEE double whose arithmetic saturates at +-2^1022
//
// Construction and arithmetic never wrap, never trap and never divide by
// zero: every input, NaN and infinity included, maps to a defined value.
// All three classes are trivially copyable single-field values.
#ifndef SAFENUM_H
#define SAFENUM_H

#include <safenum/version.h>  // SAFENUM_VERSION and its parts

// Two ways to use the library, with the same results to the bit:
//
// - linked (the default): this header declares the interface, and the
//   program links the shared library (libsafenum.so, safenum.dll) or the
//   static one, which compiles the implementation once;
// - header-only: with SAFENUM_HEADER_ONLY defined before this header is
//   included, every class, operator and function is defined inline here,
//   and there is nothing to link. Its classes live in an inline namespace
//   of their own, so they keep their names in code but are other types than
//   the linked build's: a program that passes an object between the two
//   kinds of translation unit fails to link instead of mixing them.
//
// SAFENUM_API marks the library's public interface in the linked build.
// Everything else in the library is hidden, so the same header serves an ELF
// shared object, a static library and a Windows DLL. SAFENUM_FUNC opens
// each out-of-line definition, which is inline only in the header-only build.
#if defined(SAFENUM_HEADER_ONLY)
#define SAFENUM_API
#define SAFENUM_FUNC inline
#define SAFENUM_BEGIN_ABI inline namespace safenum_header_only {
#define SAFENUM_END_ABI }
#else
#define SAFENUM_FUNC
#define SAFENUM_BEGIN_ABI
#define SAFENUM_END_ABI
#if defined(SAFENUM_STATIC)
#define SAFENUM_API
#elif defined(_WIN32) || defined(__CYGWIN__)
#if defined(SAFENUM_BUILDING)
#define SAFENUM_API __declspec(dllexport)
#else
#define SAFENUM_API __declspec(dllimport)
#endif
#elif defined(__GNUC__)
#define SAFENUM_API __attribute__((visibility("default")))
#else
#define SAFENUM_API
#endif
#endif

#include "safenum/stdlib/members.h"

namespace safenum {
namespace detail {
// The library's own window on the stored fields; not part of the interface.
struct access;
}  // namespace detail
}  // namespace safenum

SAFENUM_BEGIN_ABI

class safefloat;
class safedouble;

// ---------------------------------------------------------------------------
// safeint: saturated values are 2147483647 and -2147483647. -2147483648 can be
// stored (from an int) but is an ordinary value, not a saturated one.
// ---------------------------------------------------------------------------
class safeint {
 public:
  SAFENUM_API safeint();
  safeint(const safeint&) = default;
  SAFENUM_API safeint(int value);
  SAFENUM_API safeint(char value);
  // Rounds to nearest with exact halves toward zero; saturates at and beyond
  // +-2^31 (float) or +-2147483647.0 (double); a NaN gives -2147483647.
  SAFENUM_API safeint(float value);
  SAFENUM_API safeint(double value);
  // The argument's nint(): halves away from zero. With SAFENUM_STRICT,
  // explicit.
  SAFENUM_ROUNDING_CONSTRUCTION(safefloat)
  SAFENUM_ROUNDING_CONSTRUCTION(safedouble)
  ~safeint() = default;
  // long, long long and the unsigned types: saturated to the class's range.
  SAFENUM_WIDTH_MEMBERS_INT

  safeint& operator=(const safeint&) = default;
  SAFENUM_API safeint& operator=(int value);
  SAFENUM_API safeint& operator=(char value);
  // Truncates toward zero (the constructors round); saturates at magnitude
  // 2147483647.0 and above; a NaN stores -2147483647.
  SAFENUM_API safeint& operator=(float value);
  SAFENUM_API safeint& operator=(double value);

  SAFENUM_API safeint& operator+=(const safeint& rhs);
  SAFENUM_API safeint& operator*=(const safeint& rhs);
  SAFENUM_API safeint& operator/=(const safeint& rhs);

  SAFENUM_API operator int();
  SAFENUM_API operator unsigned long();
  SAFENUM_API operator float();
  SAFENUM_API operator double();
  SAFENUM_API operator long double();

  // Always 2147483646, whatever the object holds.
  SAFENUM_API safeint Function_1976();
  // The value as a double, exact.
  SAFENUM_API double Function_1978();

 private:
  friend struct safenum::detail::access;
  // The library's own construction from a raw stored value, without any test.
  struct raw_value {};
  constexpr safeint(raw_value, int value) : value_(value) {}
  int value_;
};

// ---------------------------------------------------------------------------
// safefloat: single precision, saturated values +-2^126.
// ---------------------------------------------------------------------------
class safefloat {
 public:
  SAFENUM_API safefloat();
  safefloat(const safefloat&) = default;
  SAFENUM_API safefloat(int value);
  SAFENUM_API safefloat(char value);
  // The saturating construction: a magnitude at or above 2^126 (infinity
  // included) becomes +-2^126; anything else is rounded to single precision.
  SAFENUM_API safefloat(double value);
  SAFENUM_API safefloat(const safeint& value);
  SAFENUM_API safefloat(safeint& value);
  ~safefloat() = default;
  // long, long long and the unsigned types: rounded once to single precision.
  SAFENUM_WIDTH_MEMBERS_FLOATING(safefloat, float)

  safefloat& operator=(const safefloat&) = default;
  SAFENUM_API safefloat& operator=(int value);
  SAFENUM_API safefloat& operator=(char value);
  SAFENUM_API safefloat& operator=(double value);
  // Stores the float unchanged, without any saturation test.
  SAFENUM_API safefloat& operator=(float value);

  SAFENUM_API safefloat& operator/=(const safefloat& rhs);
  SAFENUM_API safefloat& operator*=(const safefloat& rhs);
  SAFENUM_API safefloat& operator+=(const safefloat& rhs);

  // nint(): there is deliberately no conversion to float or double. Under
  // SAFENUM_STRICT it is explicit.
  SAFENUM_ROUNDING_CONVERSION
  // Nearest integer, exact halves away from zero, saturated to
  // 2147483647 and -2147483647.
  SAFENUM_API int nint() const;
  SAFENUM_API float Function_1975();  // the value
  SAFENUM_API double Function_1978();  // the value as a double, exact
  SAFENUM_API float Function_1979();  // floor
  SAFENUM_API float Function_1977();  // ceiling
  SAFENUM_API int Function_1980();  // truncated toward zero, unsaturated
  SAFENUM_API int Function_1981();  // 1 when saturated (or NaN)

 private:
  friend struct safenum::detail::access;
  // The library's own construction from a raw stored value, without any test.
  struct raw_value {};
  constexpr safefloat(raw_value, float value) : value_(value) {}
  float value_;
};

// ---------------------------------------------------------------------------
// safedouble: double precision, saturated values +-2^1022.
// ---------------------------------------------------------------------------
class safedouble {
 public:
  SAFENUM_API safedouble();
  safedouble(const safedouble&) = default;
  SAFENUM_API safedouble(int value);
  SAFENUM_API safedouble(char value);
  // The saturating construction: a magnitude at or above 2^1022 (infinity
  // included) becomes +-2^1022; anything else, NaN included, is stored.
  SAFENUM_API safedouble(double value);
  SAFENUM_API safedouble(const safeint& value);
  SAFENUM_API safedouble(safeint& value);
  ~safedouble() = default;
  // long, long long and the unsigned types: rounded once to double precision.
  SAFENUM_WIDTH_MEMBERS_FLOATING(safedouble, double)

  safedouble& operator=(const safedouble&) = default;
  SAFENUM_API safedouble& operator=(int value);
  SAFENUM_API safedouble& operator=(char value);
  SAFENUM_API safedouble& operator=(double value);
  // Widens the float exactly, without any saturation test.
  SAFENUM_API safedouble& operator=(float value);

  SAFENUM_API safedouble& operator/=(const safedouble& rhs);
  SAFENUM_API safedouble& operator*=(const safedouble& rhs);
  SAFENUM_API safedouble& operator+=(const safedouble& rhs);

  SAFENUM_ROUNDING_CONVERSION
  SAFENUM_API int nint() const;
  SAFENUM_API float Function_1975();  // to single precision, unsaturated
  SAFENUM_API double Function_1978();  // the value
  SAFENUM_API double Function_1979();  // floor
  SAFENUM_API double Function_1977();  // ceiling
  SAFENUM_API int Function_1980();  // truncated toward zero, unsaturated
  SAFENUM_API int Function_1981();  // 1 when saturated (or NaN)

 private:
  friend struct safenum::detail::access;
  // The library's own construction from a raw stored value, without any test.
  struct raw_value {};
  constexpr safedouble(raw_value, double value) : value_(value) {}
  double value_;
};

// ---------------------------------------------------------------------------
// Limits. The argument only selects the overload; its value is never read.
// ---------------------------------------------------------------------------
SAFENUM_API long GetMaxSystemValue(long);
SAFENUM_API int GetMaxSystemValue(int);
SAFENUM_API short GetMaxSystemValue(short);
SAFENUM_API float GetMaxSystemValue(float);
SAFENUM_API double GetMaxSystemValue(double);
SAFENUM_API safedouble GetMaxSystemValue(safedouble);
SAFENUM_API safefloat GetMaxSystemValue(safefloat);
SAFENUM_API safeint GetMaxSystemValue(safeint);
SAFENUM_API safeint GetMaxSystemValueMinusOne(safeint);
SAFENUM_API safeint GetMinSystemValue(safeint);

// ---------------------------------------------------------------------------
// safeint binary operators: one core per operation, and mixed overloads that
// convert the plain operand with safeint's own constructors.
// ---------------------------------------------------------------------------
SAFENUM_API safeint operator+(const safeint& a, const safeint& b);
SAFENUM_API safeint operator+(const safeint& a, const int& b);
SAFENUM_API safeint operator+(const int& a, const safeint& b);
SAFENUM_API safeint operator+(const safeint& a, const float& b);
SAFENUM_API safeint operator+(const float& a, const safeint& b);
SAFENUM_API safeint operator+(const safeint& a, const double& b);
SAFENUM_API safeint operator+(const double& a, const safeint& b);

SAFENUM_API safeint operator-(const safeint& a, const safeint& b);
SAFENUM_API safeint operator-(const safeint& a, const int& b);
SAFENUM_API safeint operator-(const int& a, const safeint& b);
SAFENUM_API safeint operator-(const safeint& a, const float& b);
SAFENUM_API safeint operator-(const float& a, const safeint& b);
SAFENUM_API safeint operator-(const safeint& a, const double& b);
SAFENUM_API safeint operator-(const double& a, const safeint& b);

SAFENUM_API safeint operator*(const safeint& a, const safeint& b);
SAFENUM_API safeint operator*(const safeint& a, const int& b);
SAFENUM_API safeint operator*(const int& a, const safeint& b);
SAFENUM_API safeint operator*(const safeint& a, const float& b);
SAFENUM_API safeint operator*(const float& a, const safeint& b);
SAFENUM_API safeint operator*(const safeint& a, const double& b);
SAFENUM_API safeint operator*(const double& a, const safeint& b);

SAFENUM_API safeint operator/(const safeint& a, const safeint& b);
SAFENUM_API safeint operator/(const safeint& a, const int& b);
SAFENUM_API safeint operator/(const int& a, const safeint& b);
SAFENUM_API safeint operator/(const safeint& a, const float& b);
SAFENUM_API safeint operator/(const float& a, const safeint& b);
SAFENUM_API safeint operator/(const safeint& a, const double& b);
SAFENUM_API safeint operator/(const double& a, const safeint& b);

// safeint relations: signed comparisons of the stored integers.
SAFENUM_API int operator==(const safeint& a, const safeint& b);
SAFENUM_API int operator!=(const safeint& a, const safeint& b);
SAFENUM_API int operator<(const safeint& a, const safeint& b);
SAFENUM_API int operator<=(const safeint& a, const safeint& b);
SAFENUM_API int operator>(const safeint& a, const safeint& b);
SAFENUM_API int operator>=(const safeint& a, const safeint& b);

// ---------------------------------------------------------------------------
// Floating binary operators between two objects of one class.
// ---------------------------------------------------------------------------
SAFENUM_API safefloat operator+(const safefloat& a, const safefloat& b);
SAFENUM_API safefloat operator-(const safefloat& a, const safefloat& b);
SAFENUM_API safefloat operator*(const safefloat& a, const safefloat& b);
SAFENUM_API safefloat operator/(const safefloat& a, const safefloat& b);
SAFENUM_API safedouble operator+(const safedouble& a, const safedouble& b);
SAFENUM_API safedouble operator-(const safedouble& a, const safedouble& b);
SAFENUM_API safedouble operator*(const safedouble& a, const safedouble& b);
SAFENUM_API safedouble operator/(const safedouble& a, const safedouble& b);

// Mixed floating operators: the other operand becomes a temporary of the
// floating class, then the same-type operator runs in the written order.
// There is no safeint in '-', safeint only as the dividend of '/', and
// nothing mixes safefloat with safedouble.
SAFENUM_API safefloat operator+(const safefloat& a, const int& b);
SAFENUM_API safefloat operator+(const safefloat& a, const float& b);
SAFENUM_API safefloat operator+(const safefloat& a, const double& b);
SAFENUM_API safefloat operator+(const safefloat& a, const safeint& b);
SAFENUM_API safefloat operator+(const int& a, const safefloat& b);
SAFENUM_API safefloat operator+(const float& a, const safefloat& b);
SAFENUM_API safefloat operator+(const double& a, const safefloat& b);
SAFENUM_API safefloat operator+(const safeint& a, const safefloat& b);

SAFENUM_API safefloat operator-(const safefloat& a, const int& b);
SAFENUM_API safefloat operator-(const safefloat& a, const float& b);
SAFENUM_API safefloat operator-(const safefloat& a, const double& b);
SAFENUM_API safefloat operator-(const int& a, const safefloat& b);
SAFENUM_API safefloat operator-(const float& a, const safefloat& b);
SAFENUM_API safefloat operator-(const double& a, const safefloat& b);

SAFENUM_API safefloat operator*(const safefloat& a, const int& b);
SAFENUM_API safefloat operator*(const safefloat& a, const float& b);
SAFENUM_API safefloat operator*(const safefloat& a, const double& b);
SAFENUM_API safefloat operator*(const safefloat& a, const safeint& b);
SAFENUM_API safefloat operator*(const int& a, const safefloat& b);
SAFENUM_API safefloat operator*(const float& a, const safefloat& b);
SAFENUM_API safefloat operator*(const double& a, const safefloat& b);
SAFENUM_API safefloat operator*(const safeint& a, const safefloat& b);

SAFENUM_API safefloat operator/(const safefloat& a, const int& b);
SAFENUM_API safefloat operator/(const safefloat& a, const float& b);
SAFENUM_API safefloat operator/(const safefloat& a, const double& b);
SAFENUM_API safefloat operator/(const int& a, const safefloat& b);
SAFENUM_API safefloat operator/(const float& a, const safefloat& b);
SAFENUM_API safefloat operator/(const double& a, const safefloat& b);
SAFENUM_API safefloat operator/(const safeint& a, const safefloat& b);

SAFENUM_API safedouble operator+(const safedouble& a, const int& b);
SAFENUM_API safedouble operator+(const safedouble& a, const float& b);
SAFENUM_API safedouble operator+(const safedouble& a, const double& b);
SAFENUM_API safedouble operator+(const safedouble& a, const safeint& b);
SAFENUM_API safedouble operator+(const int& a, const safedouble& b);
SAFENUM_API safedouble operator+(const float& a, const safedouble& b);
SAFENUM_API safedouble operator+(const double& a, const safedouble& b);
SAFENUM_API safedouble operator+(const safeint& a, const safedouble& b);

SAFENUM_API safedouble operator-(const safedouble& a, const int& b);
SAFENUM_API safedouble operator-(const safedouble& a, const float& b);
SAFENUM_API safedouble operator-(const safedouble& a, const double& b);
SAFENUM_API safedouble operator-(const int& a, const safedouble& b);
SAFENUM_API safedouble operator-(const float& a, const safedouble& b);
SAFENUM_API safedouble operator-(const double& a, const safedouble& b);

SAFENUM_API safedouble operator*(const safedouble& a, const int& b);
SAFENUM_API safedouble operator*(const safedouble& a, const float& b);
SAFENUM_API safedouble operator*(const safedouble& a, const double& b);
SAFENUM_API safedouble operator*(const safedouble& a, const safeint& b);
SAFENUM_API safedouble operator*(const int& a, const safedouble& b);
SAFENUM_API safedouble operator*(const float& a, const safedouble& b);
SAFENUM_API safedouble operator*(const double& a, const safedouble& b);
SAFENUM_API safedouble operator*(const safeint& a, const safedouble& b);

SAFENUM_API safedouble operator/(const safedouble& a, const int& b);
SAFENUM_API safedouble operator/(const safedouble& a, const float& b);
SAFENUM_API safedouble operator/(const safedouble& a, const double& b);
SAFENUM_API safedouble operator/(const int& a, const safedouble& b);
SAFENUM_API safedouble operator/(const float& a, const safedouble& b);
SAFENUM_API safedouble operator/(const double& a, const safedouble& b);
SAFENUM_API safedouble operator/(const safeint& a, const safedouble& b);

// Floating relations: a NaN on either side counts as less and as equal, so
// each pair of opposite relations always gives opposite results.
SAFENUM_API int operator==(const safefloat& a, const safefloat& b);
SAFENUM_API int operator!=(const safefloat& a, const safefloat& b);
SAFENUM_API int operator<(const safefloat& a, const safefloat& b);
SAFENUM_API int operator<=(const safefloat& a, const safefloat& b);
SAFENUM_API int operator>(const safefloat& a, const safefloat& b);
SAFENUM_API int operator>=(const safefloat& a, const safefloat& b);
SAFENUM_API int operator==(const safedouble& a, const safedouble& b);
SAFENUM_API int operator!=(const safedouble& a, const safedouble& b);
SAFENUM_API int operator<(const safedouble& a, const safedouble& b);
SAFENUM_API int operator<=(const safedouble& a, const safedouble& b);
SAFENUM_API int operator>(const safedouble& a, const safedouble& b);
SAFENUM_API int operator>=(const safedouble& a, const safedouble& b);

// ---------------------------------------------------------------------------
// Math functions, built on the classes' own constructors and operators.
// ---------------------------------------------------------------------------
// Square root of the magnitude.
SAFENUM_API safefloat Function_1971(const safefloat& x);
SAFENUM_API safedouble Function_1971(const safedouble& x);
SAFENUM_API safeint Function_1971(const safeint& x);
// Larger value: the left one only when it is greater, else the right one.
SAFENUM_API safefloat Function_1982(const safefloat& a, const safefloat& b);
SAFENUM_API safedouble Function_1982(const safedouble& a, const safedouble& b);
SAFENUM_API safeint Function_1982(const safeint& a, const safeint& b);
// Smaller value: the left one when it is less (a NaN counts), else the right.
SAFENUM_API safefloat Function_1983(const safefloat& a, const safefloat& b);
SAFENUM_API safedouble Function_1983(const safedouble& a, const safedouble& b);
SAFENUM_API safeint Function_1983(const safeint& a, const safeint& b);
// Ceiling through the saturating construction; the argument is not changed.
SAFENUM_API safefloat ceil(safefloat& x);
SAFENUM_API safedouble ceil(safedouble& x);
// Magnitude; -2147483647 and -2147483648 give 2147483647.
SAFENUM_API safeint abs(const safeint& x);

SAFENUM_END_ABI

// numeric_limits, orderings, hashing, relations with plain numbers and the
// mixed operators the list above lacks; all inline. (Before the definitions
// of the header-only build, which the strict mode's refusals must precede.)
#include "safenum/stdlib.h"

#if defined(SAFENUM_HEADER_ONLY)
#include "safenum/safenum-inl.h"
#endif

#endif  // SAFENUM_H
