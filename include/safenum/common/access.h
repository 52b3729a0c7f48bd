// The library's one window on the private fields of the three classes. An
// object made here stores its raw value without any test.
#ifndef SAFENUM_COMMON_ACCESS_H
#define SAFENUM_COMMON_ACCESS_H

#include "safenum.h"

namespace safenum {
namespace detail {

struct access {
  static int get(const safeint& s) { return s.value_; }
  static float get(const safefloat& f) { return f.value_; }
  static double get(const safedouble& d) { return d.value_; }

  static safeint make_int(int v) { return safeint(safeint::raw_value{}, v); }
  static safefloat make_float(float v) { return safefloat(safefloat::raw_value{}, v); }
  static safedouble make_double(double v) { return safedouble(safedouble::raw_value{}, v); }
};

}  // namespace detail
}  // namespace safenum

#endif  // SAFENUM_COMMON_ACCESS_H
