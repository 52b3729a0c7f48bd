// Math functions over the three classes. Each one is built from the classes'
// own pieces: the constructors (the saturating construction for the floating
// classes, the rounding conversion for safeint), the relations and safeint's
// product. Those are exported, but the library binds its own calls to them
// locally and optimises across its files, so they inline here.
#ifndef SAFENUM_MATH_MATH_INL_H
#define SAFENUM_MATH_MATH_INL_H

#include "safenum.h"
#include "safenum/common/access.h"
#include "safenum/common/runtime.h"
#include "safenum/float/floor_ceil.h"
#include "safenum/float/traits.h"

namespace safenum {
namespace detail {

// The relations the math functions choose by. safeint's are one signed
// comparison of the stored integers, as its operator>= and operator<= make.
inline int int_at_least(int a, int b) { return a >= b ? 1 : 0; }
inline int int_at_most(int a, int b) { return a <= b ? 1 : 0; }

// The floating ones read the comparison forms exactly as the floating
// operator> and operator< do.
inline int float_greater(double a, double b) { return above(a, b) ? 1 : 0; }
inline int float_less(double a, double b) { return below(a, b) ? 1 : 0; }

// Root of the magnitude of a floating object, built by the class's
// constructor from double: an infinity saturates, a NaN stays a NaN, -0.0
// gives +0.0.
template <class Object>
Object root(const Object& x) {
  const double v = access::get(x);
  return Object(rt::sqrt(rt::fabs(v)));
}

// Ceiling in double precision, built by the constructor from double.
template <class Object>
Object ceiling(const Object& x) {
  const double v = access::get(x);
  return Object(ceiling_of(v));
}

template <class Object>
Object larger(const Object& a, const Object& b) {
  return float_greater(access::get(a), access::get(b)) ? a : b;
}

template <class Object>
Object smaller(const Object& a, const Object& b) {
  return float_less(access::get(a), access::get(b)) ? a : b;
}

}  // namespace detail
}  // namespace safenum

SAFENUM_BEGIN_ABI

SAFENUM_FUNC safefloat Function_1971(const safefloat& x) { return safenum::detail::root(x); }
SAFENUM_FUNC safedouble Function_1971(const safedouble& x) { return safenum::detail::root(x); }

// The root of a 32-bit magnitude stays below 46341, so safeint's rounding
// conversion (halves toward zero) never saturates here.
SAFENUM_FUNC safeint Function_1971(const safeint& x) {
  const double v = safenum::detail::access::get(x);
  return safeint(safenum::rt::sqrt(safenum::rt::fabs(v)));
}

SAFENUM_FUNC safefloat Function_1982(const safefloat& a, const safefloat& b) {
  return safenum::detail::larger(a, b);
}
SAFENUM_FUNC safedouble Function_1982(const safedouble& a, const safedouble& b) {
  return safenum::detail::larger(a, b);
}
SAFENUM_FUNC safeint Function_1982(const safeint& a, const safeint& b) {
  return safenum::detail::int_at_least(safenum::detail::access::get(a),
                                       safenum::detail::access::get(b))
             ? a
             : b;
}

SAFENUM_FUNC safefloat Function_1983(const safefloat& a, const safefloat& b) {
  return safenum::detail::smaller(a, b);
}
SAFENUM_FUNC safedouble Function_1983(const safedouble& a, const safedouble& b) {
  return safenum::detail::smaller(a, b);
}
SAFENUM_FUNC safeint Function_1983(const safeint& a, const safeint& b) {
  return safenum::detail::int_at_most(safenum::detail::access::get(a),
                                      safenum::detail::access::get(b))
             ? a
             : b;
}

// The argument is taken by non-const reference for interface compatibility;
// it is only read.
SAFENUM_FUNC safefloat ceil(safefloat& x) { return safenum::detail::ceiling(x); }
SAFENUM_FUNC safedouble ceil(safedouble& x) { return safenum::detail::ceiling(x); }

// A non-negative argument is returned as it is; any other is multiplied by
// the int -1 with safeint's product, which saturates -2147483647 and
// -2147483648 to 2147483647.
SAFENUM_FUNC safeint abs(const safeint& x) {
  // Both candidates are computed and one is chosen, so the sign of the
  // argument decides no branch.
  const safeint negated = -1 * x;
  return safenum::detail::int_at_least(safenum::detail::access::get(x), 0) ? x : negated;
}

SAFENUM_END_ABI

#endif  // SAFENUM_MATH_MATH_INL_H
