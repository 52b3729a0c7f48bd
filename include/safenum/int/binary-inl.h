// safeint binary operators. The four core operators hand their raw values
// to the core operations (int/core.h); every mixed overload only converts
// its plain operand into a temporary t with safeint's own constructor and
// calls the core operator, with the safeint operand s in the order
//   s + t,  s - t or t - s,  t * s (both ways),  s / t or t / s.
//
// The core operators are exported, but the library binds its own calls to
// them locally and optimises across its files, so each mixed body compiles
// to the conversion and the inlined core.
#ifndef SAFENUM_INT_BINARY_INL_H
#define SAFENUM_INT_BINARY_INL_H

#include "safenum.h"
#include "safenum/common/access.h"
#include "safenum/int/core.h"

namespace safenum {
namespace detail {

// A core operation on the stored values of two safeint objects.
template <int (*operation)(int, int)>
safeint on_stored(const safeint& a, const safeint& b) {
  return access::make_int(operation(access::get(a), access::get(b)));
}

}  // namespace detail
}  // namespace safenum

SAFENUM_BEGIN_ABI

// Core operators.
SAFENUM_FUNC safeint operator+(const safeint& a, const safeint& b) {
  return safenum::detail::on_stored<safenum::detail::add>(a, b);
}
SAFENUM_FUNC safeint operator-(const safeint& a, const safeint& b) {
  return safenum::detail::on_stored<safenum::detail::subtract>(a, b);
}
SAFENUM_FUNC safeint operator*(const safeint& a, const safeint& b) {
  return safenum::detail::on_stored<safenum::detail::multiply>(a, b);
}
SAFENUM_FUNC safeint operator/(const safeint& a, const safeint& b) {
  return safenum::detail::on_stored<safenum::detail::divide>(a, b);
}

// Sum: s + t either way.
SAFENUM_FUNC safeint operator+(const safeint& a, const int& b) { return a + safeint(b); }
SAFENUM_FUNC safeint operator+(const int& a, const safeint& b) { return b + safeint(a); }
SAFENUM_FUNC safeint operator+(const safeint& a, const float& b) { return a + safeint(b); }
SAFENUM_FUNC safeint operator+(const float& a, const safeint& b) { return b + safeint(a); }
SAFENUM_FUNC safeint operator+(const safeint& a, const double& b) { return a + safeint(b); }
SAFENUM_FUNC safeint operator+(const double& a, const safeint& b) { return b + safeint(a); }

// Difference: in the written order.
SAFENUM_FUNC safeint operator-(const safeint& a, const int& b) { return a - safeint(b); }
SAFENUM_FUNC safeint operator-(const int& a, const safeint& b) { return safeint(a) - b; }
SAFENUM_FUNC safeint operator-(const safeint& a, const float& b) { return a - safeint(b); }
SAFENUM_FUNC safeint operator-(const float& a, const safeint& b) { return safeint(a) - b; }
SAFENUM_FUNC safeint operator-(const safeint& a, const double& b) { return a - safeint(b); }
SAFENUM_FUNC safeint operator-(const double& a, const safeint& b) { return safeint(a) - b; }

// Product: t * s either way.
SAFENUM_FUNC safeint operator*(const safeint& a, const int& b) { return safeint(b) * a; }
SAFENUM_FUNC safeint operator*(const int& a, const safeint& b) { return safeint(a) * b; }
SAFENUM_FUNC safeint operator*(const safeint& a, const float& b) { return safeint(b) * a; }
SAFENUM_FUNC safeint operator*(const float& a, const safeint& b) { return safeint(a) * b; }
SAFENUM_FUNC safeint operator*(const safeint& a, const double& b) { return safeint(b) * a; }
SAFENUM_FUNC safeint operator*(const double& a, const safeint& b) { return safeint(a) * b; }

// Quotient: in the written order.
SAFENUM_FUNC safeint operator/(const safeint& a, const int& b) { return a / safeint(b); }
SAFENUM_FUNC safeint operator/(const int& a, const safeint& b) { return safeint(a) / b; }
SAFENUM_FUNC safeint operator/(const safeint& a, const float& b) { return a / safeint(b); }
SAFENUM_FUNC safeint operator/(const float& a, const safeint& b) { return safeint(a) / b; }
SAFENUM_FUNC safeint operator/(const safeint& a, const double& b) { return a / safeint(b); }
SAFENUM_FUNC safeint operator/(const double& a, const safeint& b) { return safeint(a) / b; }

SAFENUM_END_ABI

#endif  // SAFENUM_INT_BINARY_INL_H
