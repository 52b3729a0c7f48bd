// safeint binary operators. The four core operators hand their raw values
// to the core operations; every mixed overload only converts its plain
// operand with safeint's own rounding conversion and calls the same core
// directly, with the safeint operand s and the converted operand t in the
// order:  s + t,  s - t or t - s,  t * s (both ways),  s / t or t / s.
#include "int/convert.h"
#include "int/core.h"
#include "limits/limits.h"

namespace {

using safenum::detail::access;
namespace core = safenum::detail;

int raw(const safeint& s) { return access::get(s); }
safeint made(int v) { return access::make_int(v); }

// The plain operand as the temporary safeint value t: an int unchanged, a
// float or a double by the rounding conversion of its own limits.
int converted(const int& x) { return x; }
int converted(const float& x) { return core::round_from_float(x); }
int converted(const double& x) { return core::round_from_double(x); }

}  // namespace

// Core operators.
safeint operator+(const safeint& a, const safeint& b) { return made(core::add(raw(a), raw(b))); }
safeint operator-(const safeint& a, const safeint& b) { return made(core::subtract(raw(a), raw(b))); }
safeint operator*(const safeint& a, const safeint& b) { return made(core::multiply(raw(a), raw(b))); }
safeint operator/(const safeint& a, const safeint& b) { return made(core::divide(raw(a), raw(b))); }

// Sum: s + t either way.
safeint operator+(const safeint& s, const int& x) { return made(core::add(raw(s), converted(x))); }
safeint operator+(const int& x, const safeint& s) { return made(core::add(raw(s), converted(x))); }
safeint operator+(const safeint& s, const float& x) { return made(core::add(raw(s), converted(x))); }
safeint operator+(const float& x, const safeint& s) { return made(core::add(raw(s), converted(x))); }
safeint operator+(const safeint& s, const double& x) { return made(core::add(raw(s), converted(x))); }
safeint operator+(const double& x, const safeint& s) { return made(core::add(raw(s), converted(x))); }

// Difference: in the written order.
safeint operator-(const safeint& s, const int& x) { return made(core::subtract(raw(s), converted(x))); }
safeint operator-(const int& x, const safeint& s) { return made(core::subtract(converted(x), raw(s))); }
safeint operator-(const safeint& s, const float& x) { return made(core::subtract(raw(s), converted(x))); }
safeint operator-(const float& x, const safeint& s) { return made(core::subtract(converted(x), raw(s))); }
safeint operator-(const safeint& s, const double& x) { return made(core::subtract(raw(s), converted(x))); }
safeint operator-(const double& x, const safeint& s) { return made(core::subtract(converted(x), raw(s))); }

// Product: t * s either way.
safeint operator*(const safeint& s, const int& x) { return made(core::multiply(converted(x), raw(s))); }
safeint operator*(const int& x, const safeint& s) { return made(core::multiply(converted(x), raw(s))); }
safeint operator*(const safeint& s, const float& x) { return made(core::multiply(converted(x), raw(s))); }
safeint operator*(const float& x, const safeint& s) { return made(core::multiply(converted(x), raw(s))); }
safeint operator*(const safeint& s, const double& x) { return made(core::multiply(converted(x), raw(s))); }
safeint operator*(const double& x, const safeint& s) { return made(core::multiply(converted(x), raw(s))); }

// Quotient: in the written order.
safeint operator/(const safeint& s, const int& x) { return made(core::divide(raw(s), converted(x))); }
safeint operator/(const int& x, const safeint& s) { return made(core::divide(converted(x), raw(s))); }
safeint operator/(const safeint& s, const float& x) { return made(core::divide(raw(s), converted(x))); }
safeint operator/(const float& x, const safeint& s) { return made(core::divide(converted(x), raw(s))); }
safeint operator/(const safeint& s, const double& x) { return made(core::divide(raw(s), converted(x))); }
safeint operator/(const double& x, const safeint& s) { return made(core::divide(converted(x), raw(s))); }
