// Floating operators with one plain or safeint operand. Each converts that
// operand into a temporary with the floating class's own constructor and
// hands both operands, in the written order, to the core operator. A float
// operand reaches the constructor from double, so it is saturated like a
// double, unlike the plain float assignment.
//
// The core operators are exported, but the library binds its own calls to
// them locally and optimises across its files, so each body here compiles
// to the conversion and the inlined core.
#ifndef SAFENUM_FLOAT_MIXED_INL_H
#define SAFENUM_FLOAT_MIXED_INL_H

#include "safenum.h"

SAFENUM_BEGIN_ABI

// safefloat: 29 overloads.
SAFENUM_FUNC safefloat operator+(const safefloat& a, const int& b) { return a + safefloat(b); }
SAFENUM_FUNC safefloat operator+(const safefloat& a, const float& b) {
  return a + safefloat(double{b});
}
SAFENUM_FUNC safefloat operator+(const safefloat& a, const double& b) { return a + safefloat(b); }
SAFENUM_FUNC safefloat operator+(const safefloat& a, const safeint& b) { return a + safefloat(b); }
SAFENUM_FUNC safefloat operator+(const int& a, const safefloat& b) { return safefloat(a) + b; }
SAFENUM_FUNC safefloat operator+(const float& a, const safefloat& b) {
  return safefloat(double{a}) + b;
}
SAFENUM_FUNC safefloat operator+(const double& a, const safefloat& b) { return safefloat(a) + b; }
SAFENUM_FUNC safefloat operator+(const safeint& a, const safefloat& b) { return safefloat(a) + b; }

SAFENUM_FUNC safefloat operator-(const safefloat& a, const int& b) { return a - safefloat(b); }
SAFENUM_FUNC safefloat operator-(const safefloat& a, const float& b) {
  return a - safefloat(double{b});
}
SAFENUM_FUNC safefloat operator-(const safefloat& a, const double& b) { return a - safefloat(b); }
SAFENUM_FUNC safefloat operator-(const int& a, const safefloat& b) { return safefloat(a) - b; }
SAFENUM_FUNC safefloat operator-(const float& a, const safefloat& b) {
  return safefloat(double{a}) - b;
}
SAFENUM_FUNC safefloat operator-(const double& a, const safefloat& b) { return safefloat(a) - b; }

SAFENUM_FUNC safefloat operator*(const safefloat& a, const int& b) { return a * safefloat(b); }
SAFENUM_FUNC safefloat operator*(const safefloat& a, const float& b) {
  return a * safefloat(double{b});
}
SAFENUM_FUNC safefloat operator*(const safefloat& a, const double& b) { return a * safefloat(b); }
SAFENUM_FUNC safefloat operator*(const safefloat& a, const safeint& b) { return a * safefloat(b); }
SAFENUM_FUNC safefloat operator*(const int& a, const safefloat& b) { return safefloat(a) * b; }
SAFENUM_FUNC safefloat operator*(const float& a, const safefloat& b) {
  return safefloat(double{a}) * b;
}
SAFENUM_FUNC safefloat operator*(const double& a, const safefloat& b) { return safefloat(a) * b; }
SAFENUM_FUNC safefloat operator*(const safeint& a, const safefloat& b) { return safefloat(a) * b; }

SAFENUM_FUNC safefloat operator/(const safefloat& a, const int& b) { return a / safefloat(b); }
SAFENUM_FUNC safefloat operator/(const safefloat& a, const float& b) {
  return a / safefloat(double{b});
}
SAFENUM_FUNC safefloat operator/(const safefloat& a, const double& b) { return a / safefloat(b); }
SAFENUM_FUNC safefloat operator/(const int& a, const safefloat& b) { return safefloat(a) / b; }
SAFENUM_FUNC safefloat operator/(const float& a, const safefloat& b) {
  return safefloat(double{a}) / b;
}
SAFENUM_FUNC safefloat operator/(const double& a, const safefloat& b) { return safefloat(a) / b; }
SAFENUM_FUNC safefloat operator/(const safeint& a, const safefloat& b) { return safefloat(a) / b; }

// safedouble: 29 overloads.
SAFENUM_FUNC safedouble operator+(const safedouble& a, const int& b) { return a + safedouble(b); }
SAFENUM_FUNC safedouble operator+(const safedouble& a, const float& b) {
  return a + safedouble(double{b});
}
SAFENUM_FUNC safedouble operator+(const safedouble& a, const double& b) {
  return a + safedouble(b);
}
SAFENUM_FUNC safedouble operator+(const safedouble& a, const safeint& b) {
  return a + safedouble(b);
}
SAFENUM_FUNC safedouble operator+(const int& a, const safedouble& b) { return safedouble(a) + b; }
SAFENUM_FUNC safedouble operator+(const float& a, const safedouble& b) {
  return safedouble(double{a}) + b;
}
SAFENUM_FUNC safedouble operator+(const double& a, const safedouble& b) {
  return safedouble(a) + b;
}
SAFENUM_FUNC safedouble operator+(const safeint& a, const safedouble& b) {
  return safedouble(a) + b;
}

SAFENUM_FUNC safedouble operator-(const safedouble& a, const int& b) { return a - safedouble(b); }
SAFENUM_FUNC safedouble operator-(const safedouble& a, const float& b) {
  return a - safedouble(double{b});
}
SAFENUM_FUNC safedouble operator-(const safedouble& a, const double& b) {
  return a - safedouble(b);
}
SAFENUM_FUNC safedouble operator-(const int& a, const safedouble& b) { return safedouble(a) - b; }
SAFENUM_FUNC safedouble operator-(const float& a, const safedouble& b) {
  return safedouble(double{a}) - b;
}
SAFENUM_FUNC safedouble operator-(const double& a, const safedouble& b) {
  return safedouble(a) - b;
}

SAFENUM_FUNC safedouble operator*(const safedouble& a, const int& b) { return a * safedouble(b); }
SAFENUM_FUNC safedouble operator*(const safedouble& a, const float& b) {
  return a * safedouble(double{b});
}
SAFENUM_FUNC safedouble operator*(const safedouble& a, const double& b) {
  return a * safedouble(b);
}
SAFENUM_FUNC safedouble operator*(const safedouble& a, const safeint& b) {
  return a * safedouble(b);
}
SAFENUM_FUNC safedouble operator*(const int& a, const safedouble& b) { return safedouble(a) * b; }
SAFENUM_FUNC safedouble operator*(const float& a, const safedouble& b) {
  return safedouble(double{a}) * b;
}
SAFENUM_FUNC safedouble operator*(const double& a, const safedouble& b) {
  return safedouble(a) * b;
}
SAFENUM_FUNC safedouble operator*(const safeint& a, const safedouble& b) {
  return safedouble(a) * b;
}

SAFENUM_FUNC safedouble operator/(const safedouble& a, const int& b) { return a / safedouble(b); }
SAFENUM_FUNC safedouble operator/(const safedouble& a, const float& b) {
  return a / safedouble(double{b});
}
SAFENUM_FUNC safedouble operator/(const safedouble& a, const double& b) {
  return a / safedouble(b);
}
SAFENUM_FUNC safedouble operator/(const int& a, const safedouble& b) { return safedouble(a) / b; }
SAFENUM_FUNC safedouble operator/(const float& a, const safedouble& b) {
  return safedouble(double{a}) / b;
}
SAFENUM_FUNC safedouble operator/(const double& a, const safedouble& b) {
  return safedouble(a) / b;
}
SAFENUM_FUNC safedouble operator/(const safeint& a, const safedouble& b) {
  return safedouble(a) / b;
}

SAFENUM_END_ABI

#endif  // SAFENUM_FLOAT_MIXED_INL_H
