// SPDX-License-Identifier: BSL-1.0
// The math and limit functions, read from their rules on top of the class
// models. Nothing here calls the library.
#ifndef SAFENUM_TESTS_SUPPORT_MODEL_MATH_H
#define SAFENUM_TESTS_SUPPORT_MODEL_MATH_H

#include <cfloat>
#include <cmath>

#include "model_float.h"
#include "model_int.h"

namespace model {

// Function_1971: the root of the magnitude, built by the class's constructor
// from double (safeint's rounds with exact halves toward zero).
template <class S>
S root(S x) {
  return construct<class_of<S>>(std::sqrt(std::fabs(static_cast<double>(x))));
}
inline int root(int x) { return round_from_double(std::sqrt(std::fabs(static_cast<double>(x)))); }

// Function_1982 and Function_1983: a copy of one argument. The floating
// classes choose by operator> and operator<, safeint by >= and <=.
template <class S>
S larger(S a, S b) {
  return relate(gt, a, b) ? a : b;
}
template <class S>
S smaller(S a, S b) {
  return relate(lt, a, b) ? a : b;
}
inline int larger(int a, int b) { return relate(ge, a, b) ? a : b; }
inline int smaller(int a, int b) { return relate(le, a, b) ? a : b; }

// ceil: the ceiling in double precision through the saturating construction.
template <class S>
S ceil(S x) { return construct<class_of<S>>(std::ceil(double{x})); }

// abs: a copy when not below zero, else the product of the int -1 and the
// argument, the int operand converted and taken first.
inline int abs(int x) { return relate(ge, x, 0) ? x : multiply(-1, x); }

// The limit functions: the plain types' limits, and the safe classes'
// ceilings reached through their constructors.
struct limits {
  static constexpr long max_long = 2147483647;
  static constexpr int max_int = 2147483647;
  static constexpr short max_short = 32767;
  static constexpr float max_float = FLT_MAX;
  static constexpr double max_double = DBL_MAX;
  static double max_safedouble() { return construct<double_class>(DBL_MAX); }
  static float max_safefloat() { return construct<single_class>(FLT_MAX); }
  static constexpr int max_safeint = 2147483647;
  static constexpr int max_safeint_minus_one = 2147483646;
  static constexpr int min_safeint = 1;
};

}  // namespace model

#endif  // SAFENUM_TESTS_SUPPORT_MODEL_MATH_H
