// The saturating construction: the constructor of a floating class from a
// double, the only path into a floating object that saturates. Every result
// of a free floating operator leaves through it as well.
#ifndef SAFENUM_SRC_FLOAT_SATURATE_H
#define SAFENUM_SRC_FLOAT_SATURATE_H

#include "float/lane.h"
#include "float/traits.h"
#include "module/runtime.h"

namespace safenum {
namespace detail {

// The construction on a lane, the ceiling C given in the lane's precision.
// Evaluated without a jump, since the sign and size of a result are
// anything at all.
template <class L>
L saturated(L x, L ceiling) {
  // A magnitude not below C, infinity included, becomes C; any other, a
  // NaN included (payload and all), stays as it is. One minimum does both,
  // as it keeps the magnitude itself where that equals C or is a NaN.
  const L limited = min(ceiling, magnitude(x));
  // Negated where the argument is below zero: the argument's own sign, as
  // a magnitude not below C is neither zero nor NaN.
  return with_sign_of(x, limited);
}

// The field a constructor from double stores: the construction, then the
// rounding to the class's format (for safefloat, to nearest single).
template <class T>
typename T::stored saturate(double x) {
  return T::store(saturated(lane_of(x), lane::of(T::ceiling)));
}

// A result of a free operator, delivered through the construction. A lane
// in single precision holds a double already rounded to single; rounding is
// monotonic and keeps C, so saturating it gives the field that saturating
// the double would.
template <class T, class L>
typename T::object deliver(L v) {
  return T::make(T::store(saturated(v, L::of(T::ceiling))));
}

}  // namespace detail
}  // namespace safenum

#endif  // SAFENUM_SRC_FLOAT_SATURATE_H
