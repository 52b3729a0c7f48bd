// Floating operators with one plain or safeint operand. Each converts that
// operand into a temporary with the floating class's own constructor and
// hands both operands, in the written order, to the core operator.
#include "float/arith.h"

namespace {
namespace d = safenum::detail;
using single = d::single_traits;
using twice = d::double_traits;

// The temporary of class T::object built from the other operand. A float is
// widened and then saturated like a double, unlike the plain float
// assignment.
template <class T>
typename T::object temporary(const int& x) { return typename T::object(x); }
template <class T>
typename T::object temporary(const float& x) { return typename T::object(static_cast<double>(x)); }
template <class T>
typename T::object temporary(const double& x) { return typename T::object(x); }
template <class T>
typename T::object temporary(const safeint& x) { return typename T::object(x); }
}  // namespace

// F op X and X op F, both calling the core on (f, t) or (t, f).
#define SAFENUM_RIGHT(T, OP, CORE, X)                                  \
  T::object operator OP(const T::object& f, const X& x) {              \
    return d::CORE<T>(f, temporary<T>(x));                             \
  }
#define SAFENUM_LEFT(T, OP, CORE, X)                                   \
  T::object operator OP(const X& x, const T::object& f) {              \
    return d::CORE<T>(temporary<T>(x), f);                             \
  }
#define SAFENUM_BOTH(T, OP, CORE, X) SAFENUM_RIGHT(T, OP, CORE, X) SAFENUM_LEFT(T, OP, CORE, X)

// safefloat: 29 overloads.
SAFENUM_BOTH(single, +, core_add, int)
SAFENUM_BOTH(single, +, core_add, float)
SAFENUM_BOTH(single, +, core_add, double)
SAFENUM_BOTH(single, +, core_add, safeint)
SAFENUM_BOTH(single, -, core_sub, int)
SAFENUM_BOTH(single, -, core_sub, float)
SAFENUM_BOTH(single, -, core_sub, double)
SAFENUM_BOTH(single, *, core_mul, int)
SAFENUM_BOTH(single, *, core_mul, float)
SAFENUM_BOTH(single, *, core_mul, double)
SAFENUM_BOTH(single, *, core_mul, safeint)
SAFENUM_BOTH(single, /, core_div, int)
SAFENUM_BOTH(single, /, core_div, float)
SAFENUM_BOTH(single, /, core_div, double)
SAFENUM_LEFT(single, /, core_div, safeint)

// safedouble: the same 29.
SAFENUM_BOTH(twice, +, core_add, int)
SAFENUM_BOTH(twice, +, core_add, float)
SAFENUM_BOTH(twice, +, core_add, double)
SAFENUM_BOTH(twice, +, core_add, safeint)
SAFENUM_BOTH(twice, -, core_sub, int)
SAFENUM_BOTH(twice, -, core_sub, float)
SAFENUM_BOTH(twice, -, core_sub, double)
SAFENUM_BOTH(twice, *, core_mul, int)
SAFENUM_BOTH(twice, *, core_mul, float)
SAFENUM_BOTH(twice, *, core_mul, double)
SAFENUM_BOTH(twice, *, core_mul, safeint)
SAFENUM_BOTH(twice, /, core_div, int)
SAFENUM_BOTH(twice, /, core_div, float)
SAFENUM_BOTH(twice, /, core_div, double)
SAFENUM_LEFT(twice, /, core_div, safeint)
