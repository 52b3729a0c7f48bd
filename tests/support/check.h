// SPDX-License-Identifier: BSL-1.0
// The library's results against the models', bit for bit. The first few
// disagreements go to the caller's sink with their operands.
#ifndef SAFENUM_TESTS_SUPPORT_CHECK_H
#define SAFENUM_TESTS_SUPPORT_CHECK_H

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <type_traits>

#include "model_float.h"
#include "safenum.h"

namespace checks {

// A result as a plain value: an object's stored field, read from its bytes
// (a float or double returned on the x87 stack of 32-bit x86 would lose a
// signalling NaN's bit); a long double as the double it holds.
template <class T>
auto value_of(const T& x) {
  if constexpr (std::is_same<T, safefloat>::value || std::is_same<T, safedouble>::value) {
    typename std::conditional<sizeof(T) == 4, float, double>::type v;
    std::memcpy(&v, &x, sizeof v);
    return v;
  } else if constexpr (std::is_same<T, safeint>::value) {
    return static_cast<int>(safeint(x));
  } else if constexpr (std::is_same<T, long double>::value) {
    return static_cast<double>(x);
  } else {
    return x;
  }
}

// A number for a message: its decimal value and, for a fraction, its bits
// in hexadecimal floating notation.
inline std::string text(double v) {
  char buf[64];
  if (std::isnan(v)) {
    std::snprintf(buf, sizeof buf, "NaN 0x%llx", static_cast<unsigned long long>(model::bits_of(v)));
  } else {
    std::snprintf(buf, sizeof buf, v == std::trunc(v) ? "%.17g" : "%.17g (%a)", v, v);
  }
  return buf;
}

// The same value: the same bits for a floating one. Whether a signalling
// NaN comes back quiet depends on how the compiler widens and narrows it,
// so two NaNs that differ in the quiet bit alone are the same.
template <class T>
bool identical(T x, T y) {
  if constexpr (std::is_integral<T>::value) {
    return x == y;
  } else {
    const auto quiet = decltype(model::bits_of(x)){1} << (std::numeric_limits<T>::digits - 2);
    const auto bx = model::bits_of(x), by = model::bits_of(y);
    return bx == by || (std::isnan(x) && std::isnan(y) && (bx | quiet) == (by | quiet));
  }
}

class checker {
 public:
  using sink = void (*)(const std::string& failure);
  explicit checker(sink s) : sink_(s) {}

  // The operands of the comparisons that follow, for their messages.
  template <class A, class B>
  void about(A a, B b) {
    a_ = static_cast<double>(a);
    b_ = static_cast<double>(b);
  }
  // The library's result against the model's, taken as the same type. An
  // operation on two NaNs may hand back either one.
  template <class Library, class Model>
  void same(const char* call, const Library& result, Model model) {
    const auto got = value_of(result);
    const auto want = static_cast<decltype(got)>(model);
    const bool nan_pair = std::isnan(a_) && std::isnan(b_);
    if (identical(got, want) || (nan_pair && std::isnan(double(got)) && std::isnan(double(want)))) return;
    if (++failures_ <= kShown) {
      sink_(std::string(call) + " with a = " + text(a_) + ", b = " + text(b_) + ": library " + text(double(got)) +
            ", model " + text(double(want)));
    }
  }
  bool overwhelmed() const { return failures_ > kShown; }
  int failures() const { return failures_; }

 private:
  static constexpr int kShown = 8;
  sink sink_;
  int failures_ = 0;
  double a_ = 0, b_ = 0;
};

}  // namespace checks

#endif  // SAFENUM_TESTS_SUPPORT_CHECK_H
