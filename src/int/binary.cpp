// safeint binary operators. The four core operators hand their raw values
// to the core operations (int/core.h); every mixed overload only converts
// its plain operand into a temporary t with safeint's own constructor and
// calls the core operator, with the safeint operand s in the order
//   s + t,  s - t or t - s,  t * s (both ways),  s / t or t / s.
//
// The core operators are exported, but the library binds its own calls to
// them locally and optimises across its files, so each mixed body compiles
// to the conversion and the inlined core.
#include "int/core.h"
#include "limits/access.h"
#include "safenum.h"

namespace {

namespace d = safenum::detail;

int raw(const safeint& s) { return d::access::get(s); }
safeint made(int v) { return d::access::make_int(v); }

}  // namespace

// Core operators.
safeint operator+(const safeint& a, const safeint& b) { return made(d::add(raw(a), raw(b))); }
safeint operator-(const safeint& a, const safeint& b) { return made(d::subtract(raw(a), raw(b))); }
safeint operator*(const safeint& a, const safeint& b) { return made(d::multiply(raw(a), raw(b))); }
safeint operator/(const safeint& a, const safeint& b) { return made(d::divide(raw(a), raw(b))); }

// Sum: s + t either way.
safeint operator+(const safeint& a, const int& b) { return a + safeint(b); }
safeint operator+(const int& a, const safeint& b) { return b + safeint(a); }
safeint operator+(const safeint& a, const float& b) { return a + safeint(b); }
safeint operator+(const float& a, const safeint& b) { return b + safeint(a); }
safeint operator+(const safeint& a, const double& b) { return a + safeint(b); }
safeint operator+(const double& a, const safeint& b) { return b + safeint(a); }

// Difference: in the written order.
safeint operator-(const safeint& a, const int& b) { return a - safeint(b); }
safeint operator-(const int& a, const safeint& b) { return safeint(a) - b; }
safeint operator-(const safeint& a, const float& b) { return a - safeint(b); }
safeint operator-(const float& a, const safeint& b) { return safeint(a) - b; }
safeint operator-(const safeint& a, const double& b) { return a - safeint(b); }
safeint operator-(const double& a, const safeint& b) { return safeint(a) - b; }

// Product: t * s either way.
safeint operator*(const safeint& a, const int& b) { return safeint(b) * a; }
safeint operator*(const int& a, const safeint& b) { return safeint(a) * b; }
safeint operator*(const safeint& a, const float& b) { return safeint(b) * a; }
safeint operator*(const float& a, const safeint& b) { return safeint(a) * b; }
safeint operator*(const safeint& a, const double& b) { return safeint(b) * a; }
safeint operator*(const double& a, const safeint& b) { return safeint(a) * b; }

// Quotient: in the written order.
safeint operator/(const safeint& a, const int& b) { return a / safeint(b); }
safeint operator/(const int& a, const safeint& b) { return safeint(a) / b; }
safeint operator/(const safeint& a, const float& b) { return a / safeint(b); }
safeint operator/(const float& a, const safeint& b) { return safeint(a) / b; }
safeint operator/(const safeint& a, const double& b) { return a / safeint(b); }
safeint operator/(const double& a, const safeint& b) { return safeint(a) / b; }
