// SPDX-License-Identifier: BSL-1.0
// The model side of the export table (exports.h): the values a row's
// objects hold, and the temporary an operator makes of its plain operand.
#ifndef SAFENUM_TESTS_SUPPORT_EXPORTS_MODEL_H
#define SAFENUM_TESTS_SUPPORT_EXPORTS_MODEL_H

#include <cmath>

#include "model_float.h"
#include "model_int.h"
#include "model_math.h"

namespace model_side {

inline int si(int v) { return v; }
inline float sf(float v) { return v; }
inline double sd(double v) { return std::isinf(v) ? v : model::construct<model::double_class>(v); }

// t(s, x): the plain operand x as the temporary of s's class. safeint
// rounds a float or double with its own limits; the floating classes
// construct from int exactly (safefloat rounds it) and saturate a float or
// double.
inline int t(int, int x) { return x; }
inline int t(int, float x) { return model::round_from_float(x); }
inline int t(int, double x) { return model::round_from_double(x); }
template <class S>
S t(S, int x) {
  return model::from_int<model::class_of<S>>(x);
}
template <class S>
S t(S, float x) {
  return model::construct<model::class_of<S>>(x);
}
template <class S>
S t(S, double x) {
  return model::construct<model::class_of<S>>(x);
}

}  // namespace model_side

#endif  // SAFENUM_TESTS_SUPPORT_EXPORTS_MODEL_H
