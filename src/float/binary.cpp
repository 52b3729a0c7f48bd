// The core floating operators: every floating expression ends up here.
#include "float/arith.h"

namespace {
namespace d = safenum::detail;
using single = d::single_traits;
using twice = d::double_traits;
}  // namespace

safefloat operator+(const safefloat& a, const safefloat& b) { return d::core_add<single>(a, b); }
safefloat operator-(const safefloat& a, const safefloat& b) { return d::core_sub<single>(a, b); }
safefloat operator*(const safefloat& a, const safefloat& b) { return d::core_mul<single>(a, b); }
safefloat operator/(const safefloat& a, const safefloat& b) { return d::core_div<single>(a, b); }

safedouble operator+(const safedouble& a, const safedouble& b) { return d::core_add<twice>(a, b); }
safedouble operator-(const safedouble& a, const safedouble& b) { return d::core_sub<twice>(a, b); }
safedouble operator*(const safedouble& a, const safedouble& b) { return d::core_mul<twice>(a, b); }
safedouble operator/(const safedouble& a, const safedouble& b) { return d::core_div<twice>(a, b); }
