// SPDX-License-Identifier: BSL-1.0
// The classes beside the standard library: relations with plain numbers, the
// mixed operators the exported list lacks, numeric_limits, orderings safe
// with NaNs, and hashing. Included by safenum.h; all inline, nothing here is
// exported. Every overload converts its plain (or safeint) operand with the
// class's own constructor and calls the exported operator of two objects of
// one class, as the exported mixed operators do; each one covers an
// expression that was ambiguous before, so no expression that compiled
// changes what it calls.
#ifndef SAFENUM_STDLIB_H
#define SAFENUM_STDLIB_H

#ifndef SAFENUM_H
#error "include safenum.h"
#endif

namespace safenum {
namespace detail {
// What a relation takes beside an object, by the exact type: the integers a
// safeint constructor takes (directly, by promotion or as another width),
// float and double, and a safeint.
template <class T> struct is_integer { static constexpr bool value = other_width<T>::value; };
template <> struct is_integer<char> { static constexpr bool value = true; };
template <> struct is_integer<signed char> { static constexpr bool value = true; };
template <> struct is_integer<unsigned char> { static constexpr bool value = true; };
template <> struct is_integer<short> { static constexpr bool value = true; };
template <> struct is_integer<unsigned short> { static constexpr bool value = true; };
template <> struct is_integer<int> { static constexpr bool value = true; };
template <class T> struct is_floating { static constexpr bool value = false; };
template <> struct is_floating<float> { static constexpr bool value = true; };
template <> struct is_floating<double> { static constexpr bool value = true; };
template <class T> struct is_number { static constexpr bool value = is_integer<T>::value || is_floating<T>::value; };
template <class T> struct is_safeint { static constexpr bool value = false; };
template <> struct is_safeint<safeint> { static constexpr bool value = true; };
template <class Trait, bool = Trait::value> struct enable {};
template <class Trait> struct enable<Trait, true> { using type = int; };
template <class Trait> using if_t = typename enable<Trait>::type;
}  // namespace detail
}  // namespace safenum

// ---------------------------------------------------------------------------
// Relations between an object and a plain number, either side: the number
// becomes an object of the class first. For safeint that rounds a float or
// double (safeint(2) < 2.5 compares 2 with 2); for a floating class it
// saturates (safedouble(1e300) < 1e308 compares 1e300 with 2^1022).
//
// The plain operand is a template parameter that takes the number's own
// type only, never a conversion: a parameter of type const int& would also
// take a floating object through its operator int, or a user's class through
// its own conversion, and change what expressions that compiled before
// call. For the same reason a safeint beside a floating object takes a
// safeint alone, not a floating object through safeint's constructors.
// ---------------------------------------------------------------------------
// head() opens each declaration with its template head, which names what the
// parameter Plain may be.
#define SAFENUM_RELATION(head, op, Class)                                           \
  head() inline int operator op(const Class& a, const Plain& b) { return a op Class(b); } \
  head() inline int operator op(const Plain& a, const Class& b) { return Class(a) op b; }
#define SAFENUM_RELATIONS(head, Class)                                              \
  SAFENUM_RELATION(head, ==, Class)                                                 \
  SAFENUM_RELATION(head, !=, Class)                                                 \
  SAFENUM_RELATION(head, <, Class)                                                  \
  SAFENUM_RELATION(head, <=, Class)                                                 \
  SAFENUM_RELATION(head, >, Class)                                                  \
  SAFENUM_RELATION(head, >=, Class)
#define SAFENUM_INTEGER() template <class Plain, safenum::detail::if_t<safenum::detail::is_integer<Plain>> = 0>
#define SAFENUM_NUMBER() template <class Plain, safenum::detail::if_t<safenum::detail::is_number<Plain>> = 0>
#define SAFENUM_SAFEINT() template <class Plain, safenum::detail::if_t<safenum::detail::is_safeint<Plain>> = 0>
// The strict mode refuses every operator that rounds a plain float or double
// into a safeint before it compares or computes.
#if defined(SAFENUM_STRICT) && !defined(SAFENUM_BUILDING)
#define SAFENUM_ROUNDS_OPERAND()                                                    \
  SAFENUM_REFUSED("rounds the float or double operand to a safeint first (safeint(10) * 0.5 " \
                  "multiplies by 0): write safeint(x) to round it, or compute in safedouble")
#else
#define SAFENUM_ROUNDS_OPERAND()
#endif
#define SAFENUM_FLOATING()                                                          \
  template <class Plain, safenum::detail::if_t<safenum::detail::is_floating<Plain>> = 0> \
  SAFENUM_ROUNDS_OPERAND()

SAFENUM_RELATIONS(SAFENUM_INTEGER, safeint)
SAFENUM_RELATIONS(SAFENUM_FLOATING, safeint)
SAFENUM_RELATIONS(SAFENUM_NUMBER, safefloat)
SAFENUM_RELATIONS(SAFENUM_SAFEINT, safefloat)
SAFENUM_RELATIONS(SAFENUM_NUMBER, safedouble)
SAFENUM_RELATIONS(SAFENUM_SAFEINT, safedouble)

#undef SAFENUM_RELATIONS
#undef SAFENUM_RELATION
#undef SAFENUM_INTEGER
#undef SAFENUM_NUMBER
#undef SAFENUM_FLOATING

// ---------------------------------------------------------------------------
// The floating operators with a safeint that the exported list leaves out
// (a safeint subtrahend, minuend or divisor): the safeint becomes an object
// of the floating class, as in every other mixed floating operator.
// ---------------------------------------------------------------------------
#define SAFENUM_SAFEINT_OPERATORS(Class)                                           \
  SAFENUM_SAFEINT() Class operator-(const Class& a, const Plain& b) { return a - Class(b); } \
  SAFENUM_SAFEINT() Class operator-(const Plain& a, const Class& b) { return Class(a) - b; } \
  SAFENUM_SAFEINT() Class operator/(const Class& a, const Plain& b) { return a / Class(b); }
SAFENUM_SAFEINT_OPERATORS(safefloat)
SAFENUM_SAFEINT_OPERATORS(safedouble)
#undef SAFENUM_SAFEINT_OPERATORS
#undef SAFENUM_SAFEINT

// The exported safeint operators with a float or double operand, refused in
// the strict mode (the library itself still exports them): declared again,
// beside the first declarations, with the refusal.
#if defined(SAFENUM_STRICT) && !defined(SAFENUM_BUILDING)
SAFENUM_BEGIN_ABI
#define SAFENUM_REFUSE_MIXED(op, Plain)                                            \
  SAFENUM_ROUNDS_OPERAND() SAFENUM_API safeint operator op(const safeint& a, const Plain& b); \
  SAFENUM_ROUNDS_OPERAND() SAFENUM_API safeint operator op(const Plain& a, const safeint& b);
SAFENUM_REFUSE_MIXED(+, float)
SAFENUM_REFUSE_MIXED(+, double)
SAFENUM_REFUSE_MIXED(-, float)
SAFENUM_REFUSE_MIXED(-, double)
SAFENUM_REFUSE_MIXED(*, float)
SAFENUM_REFUSE_MIXED(*, double)
SAFENUM_REFUSE_MIXED(/, float)
SAFENUM_REFUSE_MIXED(/, double)
#undef SAFENUM_REFUSE_MIXED
SAFENUM_END_ABI
#endif

// ---------------------------------------------------------------------------
// The standard library's traits. The freestanding Windows build has no
// standard headers and skips them.
// ---------------------------------------------------------------------------
#if !defined(__STDC_HOSTED__) || __STDC_HOSTED__
#include <cstddef>
#include <limits>
// std::less, std::greater and std::hash. <functional> declares them, but with
// libstdc++ it triples the time a file including safenum.h takes to compile;
// its own smaller headers that define them are used where they exist.
#if defined(__GLIBCXX__) && defined(__has_include)
#if __has_include(<bits/stl_function.h>) && __has_include(<bits/functional_hash.h>)
#include <bits/functional_hash.h>
#include <bits/stl_function.h>
#define SAFENUM_HAS_FUNCTION_OBJECTS
#endif
#endif
#ifndef SAFENUM_HAS_FUNCTION_OBJECTS
#include <functional>
#endif
#undef SAFENUM_HAS_FUNCTION_OBJECTS

namespace safenum {
// Beside the classes of the build, so that the header-only build's are other
// classes than the linked build's.
SAFENUM_BEGIN_ABI

// A strict weak order for sorting and ordered containers: the order of <
// among numbers, -0.0 and +0.0 equivalent, and every NaN after every number,
// all NaNs equivalent. The relations themselves count a NaN as less than
// and equal to everything, which is no order at all once a NaN is present.
struct nan_last {
  bool operator()(const safeint& a, const safeint& b) const noexcept { return a < b; }
  bool operator()(const safefloat& a, const safefloat& b) const noexcept {
    return before(safefloat(a).Function_1978(), safefloat(b).Function_1978());
  }
  bool operator()(const safedouble& a, const safedouble& b) const noexcept {
    return before(safedouble(a).Function_1978(), safedouble(b).Function_1978());
  }

 private:
  static bool before(double a, double b) noexcept { return a < b || (a == a && b != b); }
};

// Equality and hashing for unordered containers of floating objects: the
// relation == counts a NaN as equal to every value, so no hash can agree
// with it (every value would have to hash like a NaN). value_equal is an
// equivalence, the same number (+0.0 and -0.0 alike) or both NaN, and
// value_hash agrees with it:
//   std::unordered_set<safedouble, safenum::value_hash, safenum::value_equal>
struct value_equal {
  bool operator()(const safeint& a, const safeint& b) const noexcept { return a == b; }
  bool operator()(const safefloat& a, const safefloat& b) const noexcept {
    return same(safefloat(a).Function_1978(), safefloat(b).Function_1978());
  }
  bool operator()(const safedouble& a, const safedouble& b) const noexcept {
    return same(safedouble(a).Function_1978(), safedouble(b).Function_1978());
  }

 private:
  static bool same(double a, double b) noexcept { return a == b || (a != a && b != b); }
};

struct value_hash {
  std::size_t operator()(const safeint& a) const noexcept { return std::hash<int>()(int(safeint(a))); }
  std::size_t operator()(const safefloat& a) const noexcept { return of(safefloat(a).Function_1978()); }
  std::size_t operator()(const safedouble& a) const noexcept { return of(safedouble(a).Function_1978()); }

 private:
  // Every NaN alike, and a zero of either sign as +0.0.
  static std::size_t of(double v) noexcept { return v != v ? 0 : std::hash<double>()(v == 0 ? 0.0 : v); }
};

SAFENUM_END_ABI

namespace detail {

// The limits both floating classes share; Class holds values of Plain.
template <class Class, class Plain, int MaxExponent, int MaxExponent10>
struct floating_limits : std::numeric_limits<Plain> {
  static Class min() noexcept { return Class(double(std::numeric_limits<Plain>::min())); }
  // The ceiling, 2^(MaxExponent - 1).
  static Class max() noexcept { return Class(MaxExponent == 1023 ? 0x1p1022 : 0x1p126); }
  static Class lowest() noexcept { return Class(MaxExponent == 1023 ? -0x1p1022 : -0x1p126); }
  static Class epsilon() noexcept { return Class(double(std::numeric_limits<Plain>::epsilon())); }
  static Class round_error() noexcept { return Class(0.5); }
  // Construction turns an infinity into the ceiling, and so does this.
  static Class infinity() noexcept { return max(); }
  static Class quiet_NaN() noexcept { return Class(double(std::numeric_limits<Plain>::quiet_NaN())); }
  static Class signaling_NaN() noexcept { return quiet_NaN(); }
  static Class denorm_min() noexcept { return Class(double(std::numeric_limits<Plain>::denorm_min())); }
  static constexpr int max_exponent = MaxExponent;
  static constexpr int max_exponent10 = MaxExponent10;
  static constexpr bool has_infinity = false;
  static constexpr bool has_signaling_NaN = false;
  static constexpr bool is_iec559 = false;
  static constexpr bool traps = false;
};

}  // namespace detail
}  // namespace safenum

namespace std {

// safeint: max() and lowest() are the saturated values; -2147483648, which
// only an int puts in, lies outside. No infinity, no NaN; nothing wraps or
// traps.
template <>
struct numeric_limits<safeint> : numeric_limits<int> {
  static safeint min() noexcept { return safeint(-2147483647); }
  static safeint max() noexcept { return safeint(2147483647); }
  static safeint lowest() noexcept { return min(); }
  static safeint epsilon() noexcept { return safeint(0); }
  static safeint round_error() noexcept { return safeint(0); }
  static safeint infinity() noexcept { return safeint(0); }
  static safeint quiet_NaN() noexcept { return safeint(0); }
  static safeint signaling_NaN() noexcept { return safeint(0); }
  static safeint denorm_min() noexcept { return safeint(0); }
  static constexpr bool is_modulo = false;
  static constexpr bool traps = false;
};

// The floating classes: max() and lowest() the saturated values, min() the
// smallest normal magnitude, the format's digits and subnormals. Not IEC 559
// arithmetic (results saturate and flush, and a NaN compares equal); no
// infinity comes out of an operation, and infinity() is the ceiling.
template <>
struct numeric_limits<safefloat> : safenum::detail::floating_limits<safefloat, float, 127, 37> {};
template <>
struct numeric_limits<safedouble> : safenum::detail::floating_limits<safedouble, double, 1023, 307> {};

// Ordered containers and heaps of floating objects are safe with NaN keys.
template <>
struct less<safefloat> : safenum::nan_last {};
template <>
struct less<safedouble> : safenum::nan_last {};
template <>
struct greater<safefloat> {
  bool operator()(const safefloat& a, const safefloat& b) const noexcept { return safenum::nan_last()(b, a); }
};
template <>
struct greater<safedouble> {
  bool operator()(const safedouble& a, const safedouble& b) const noexcept { return safenum::nan_last()(b, a); }
};

template <>
struct hash<safeint> : private safenum::value_hash {
  std::size_t operator()(const safeint& a) const noexcept { return safenum::value_hash::operator()(a); }
};

}  // namespace std
#endif  // hosted

#endif  // SAFENUM_STDLIB_H
