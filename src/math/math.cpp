// Math functions over the three classes. Each one is built from the classes'
// own pieces: the constructors (the saturating construction for the floating
// classes, the rounding conversion for safeint), the relations and safeint's
// product. Those are exported, but the library binds its own calls to them
// locally and optimises across its files, so they inline here.
#include "float/traits.h"
#include "limits/access.h"
#include "module/runtime.h"
#include "safenum.h"

namespace d = safenum::detail;

namespace {

// The relations the math functions choose by. safeint's are one signed
// comparison of the stored integers, as its operator>= and operator<= make.
int int_at_least(int a, int b) { return a >= b ? 1 : 0; }
int int_at_most(int a, int b) { return a <= b ? 1 : 0; }

// The floating ones read the comparison forms exactly as the floating
// operator> and operator< do.
int float_greater(double a, double b) { return d::above(a, b) ? 1 : 0; }
int float_less(double a, double b) { return d::below(a, b) ? 1 : 0; }

// Root of the magnitude of a floating object, built by the class's
// constructor from double: an infinity saturates, a NaN stays a NaN, -0.0
// gives +0.0.
template <class Object>
Object root(const Object& x) {
  const double v = d::access::get(x);
  return Object(safenum::rt::sqrt(safenum::rt::fabs(v)));
}

// Ceiling in double precision, built by the constructor from double.
template <class Object>
Object ceiling(const Object& x) {
  const double v = d::access::get(x);
  return Object(safenum::rt::ceil(v));
}

template <class Object>
Object larger(const Object& a, const Object& b) {
  return float_greater(d::access::get(a), d::access::get(b)) ? a : b;
}

template <class Object>
Object smaller(const Object& a, const Object& b) {
  return float_less(d::access::get(a), d::access::get(b)) ? a : b;
}

}  // namespace

safefloat Function_1971(const safefloat& x) { return root(x); }
safedouble Function_1971(const safedouble& x) { return root(x); }

// The root of a 32-bit magnitude stays below 46341, so safeint's rounding
// conversion (halves toward zero) never saturates here.
safeint Function_1971(const safeint& x) {
  const double v = d::access::get(x);
  return safeint(safenum::rt::sqrt(safenum::rt::fabs(v)));
}

safefloat Function_1982(const safefloat& a, const safefloat& b) { return larger(a, b); }
safedouble Function_1982(const safedouble& a, const safedouble& b) { return larger(a, b); }
safeint Function_1982(const safeint& a, const safeint& b) {
  return int_at_least(d::access::get(a), d::access::get(b)) ? a : b;
}

safefloat Function_1983(const safefloat& a, const safefloat& b) { return smaller(a, b); }
safedouble Function_1983(const safedouble& a, const safedouble& b) { return smaller(a, b); }
safeint Function_1983(const safeint& a, const safeint& b) {
  return int_at_most(d::access::get(a), d::access::get(b)) ? a : b;
}

// The argument is taken by non-const reference for interface compatibility;
// it is only read.
safefloat ceil(safefloat& x) { return ceiling(x); }
safedouble ceil(safedouble& x) { return ceiling(x); }

// A non-negative argument is returned as it is; any other is multiplied by
// the int -1 with safeint's product, which saturates -2147483647 and
// -2147483648 to 2147483647.
safeint abs(const safeint& x) {
  // Both candidates are computed and one is chosen, so the sign of the
  // argument decides no branch.
  const safeint negated = -1 * x;
  return int_at_least(d::access::get(x), 0) ? x : negated;
}
