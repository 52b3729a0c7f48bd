// The core floating operators: every floating expression ends up here.
#include "float/arith.h"

namespace d = safenum::detail;

safefloat operator+(const safefloat& a, const safefloat& b) {
  return d::core_add<d::safefloat_traits>(a, b);
}
safefloat operator-(const safefloat& a, const safefloat& b) {
  return d::core_sub<d::safefloat_traits>(a, b);
}
safefloat operator*(const safefloat& a, const safefloat& b) {
  return d::core_mul<d::safefloat_traits>(a, b);
}
safefloat operator/(const safefloat& a, const safefloat& b) {
  return d::core_div<d::safefloat_traits>(a, b);
}

safedouble operator+(const safedouble& a, const safedouble& b) {
  return d::core_add<d::safedouble_traits>(a, b);
}
safedouble operator-(const safedouble& a, const safedouble& b) {
  return d::core_sub<d::safedouble_traits>(a, b);
}
safedouble operator*(const safedouble& a, const safedouble& b) {
  return d::core_mul<d::safedouble_traits>(a, b);
}
safedouble operator/(const safedouble& a, const safedouble& b) {
  return d::core_div<d::safedouble_traits>(a, b);
}
