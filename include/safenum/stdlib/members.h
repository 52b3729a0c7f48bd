// SPDX-License-Identifier: BSL-1.0
// What the class declarations in safenum.h need from the standard-library
// additions: construction from the other integer widths, and the members of
// the strict mode. Inline throughout; nothing here is exported. Needs no
// standard header, so the freestanding Windows build reads it too.
#ifndef SAFENUM_STDLIB_MEMBERS_H
#define SAFENUM_STDLIB_MEMBERS_H

namespace safenum {
namespace detail {

// The integer types that meet no constructor of their own: an argument of
// one of these converts equally well to int, char, float and double, so a
// call was ambiguous. (bool, the character types and short promote to int,
// and keep the int constructor.)
template <class T> struct other_width { static constexpr bool value = false; };
template <> struct other_width<long> { static constexpr bool value = true; };
template <> struct other_width<long long> { static constexpr bool value = true; };
template <> struct other_width<unsigned> { static constexpr bool value = true; };
template <> struct other_width<unsigned long> { static constexpr bool value = true; };
template <> struct other_width<unsigned long long> { static constexpr bool value = true; };

template <class T, bool = other_width<T>::value> struct if_other_width {};
template <class T> struct if_other_width<T, true> { using type = int; };
template <class T> using other_width_t = typename if_other_width<T>::type;

// int where T is U, else no type: a template for exactly one class.
template <class T, class U> struct if_same {};
template <class T> struct if_same<T, T> { using type = int; };
template <class T, class U> using same_t = typename if_same<T, U>::type;

// The safeint an integer of another width stands for: the value when an int
// holds it, else the saturated value of its sign.
template <class Integer>
constexpr int int_saturated(Integer value) {
  constexpr int kMax = 2147483647;
  if (value > Integer(0) && value > Integer(kMax)) return kMax;
  if (value < Integer(0) && value < Integer(-kMax - 1)) return -kMax;
  return static_cast<int>(value);
}

}  // namespace detail
}  // namespace safenum

// The other integer widths, as members of each class: safeint saturates to
// its range, a floating class rounds the integer once to its precision.
#define SAFENUM_WIDTH_MEMBERS_INT                                                           \
  template <class Integer, safenum::detail::other_width_t<Integer> = 0>                     \
  safeint(Integer value) : safeint(safenum::detail::int_saturated(value)) {}                 \
  template <class Integer, safenum::detail::other_width_t<Integer> = 0>                     \
  safeint& operator=(Integer value) { return *this = safenum::detail::int_saturated(value); }
#define SAFENUM_WIDTH_MEMBERS_FLOATING(Class, Precision)                                    \
  template <class Integer, safenum::detail::other_width_t<Integer> = 0>                     \
  Class(Integer value) : Class(double(static_cast<Precision>(value))) {}                     \
  template <class Integer, safenum::detail::other_width_t<Integer> = 0>                     \
  Class& operator=(Integer value) { return *this = double(static_cast<Precision>(value)); }

// The strict mode (SAFENUM_STRICT defined before safenum.h): a floating
// object no longer rounds itself to an int where a plain number is expected.
// The conversion stays for explicit use (static_cast<int>(x), int(x)); an
// implicit one finds the const overload, which refuses with a message where
// the compiler has a way to say it, and is deprecated where it has not.
#if defined(__has_attribute)
#if __has_attribute(unavailable)
#define SAFENUM_REFUSED(message) __attribute__((unavailable(message)))
#endif
#endif
#ifndef SAFENUM_REFUSED
#define SAFENUM_REFUSED(message) [[deprecated(message)]]
#endif

#if defined(SAFENUM_STRICT) && !defined(SAFENUM_BUILDING)
// A safeint made from a floating object rounds it as nint() does: explicit
// construction (safeint(x)) stays, an implicit one (safeint s = x) finds the
// template, which refuses with a message.
#define SAFENUM_ROUNDING_CONSTRUCTION(Floating)                                            \
  explicit SAFENUM_API safeint(const Floating& value);                                      \
  template <class Object, safenum::detail::same_t<Object, Floating> = 0>                    \
  SAFENUM_REFUSED("rounds to the nearest int (2.7 gives 3): write safeint(x) or x.nint() "  \
                  "for that")                                                               \
  safeint(const Object& value) : safeint(value.nint()) {}
#define SAFENUM_ROUNDING_CONVERSION                                                         \
  explicit SAFENUM_API operator int();                                                      \
  SAFENUM_REFUSED("rounds to the nearest int (2.7 gives 3): call nint() for that, or "      \
                  "Function_1978() for the exact value")                                    \
  operator int() const { return nint(); }
#else
#define SAFENUM_ROUNDING_CONSTRUCTION(Floating) SAFENUM_API safeint(const Floating& value);
#define SAFENUM_ROUNDING_CONVERSION SAFENUM_API operator int();
#endif

#endif  // SAFENUM_STDLIB_MEMBERS_H
