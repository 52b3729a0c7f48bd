// The saturating construction: the constructor of a floating class from a
// double, the only path into a floating object that saturates. Every result
// of a free floating operator leaves through it as well.
#ifndef SAFENUM_FLOAT_SATURATE_H
#define SAFENUM_FLOAT_SATURATE_H

#include "safenum/float/lane.h"
#include "safenum/float/traits.h"
#include "safenum/common/runtime.h"

namespace safenum {
namespace detail {

// The construction on a lane of either precision, for the class of traits
// T: a magnitude not below C, infinity included, becomes C, negated where
// the argument is below zero; any other value, a NaN included (payload and
// all), stays as it is. That is the value limited to C from above and to
// -C from below, two limits without a jump, each of which passes a NaN
// through unchanged (and keeps a value equal to its limit as it is).
template <class T, class L>
L saturated(L x) {
  return max(L::of(-T::ceiling), min(L::of(T::ceiling), x));
}

// The field a constructor from double stores: the construction, then the
// rounding to the class's format (for safefloat, to nearest single).
template <class T>
typename T::stored saturated_field(double x) {
  return T::store(saturated<T>(lane_of(x)));
}

// A result of a free operator, delivered through the construction. A lane
// in single precision holds a double already rounded to single; rounding is
// monotonic and keeps C, so saturating it gives the field that saturating
// the double would.
template <class T, class L>
typename T::object deliver(L v) {
  return T::make(T::store(saturated<T>(v)));
}

}  // namespace detail
}  // namespace safenum

#endif  // SAFENUM_FLOAT_SATURATE_H
