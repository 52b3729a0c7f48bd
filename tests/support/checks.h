// Every exported function of the library run on given operands and compared
// with the models, bit for bit. Shared by the test drivers and the fuzz
// target; a failure goes to the caller's sink.
#ifndef SAFENUM_TESTS_SUPPORT_CHECKS_H
#define SAFENUM_TESTS_SUPPORT_CHECKS_H

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <type_traits>

#include "model_float.h"
#include "model_int.h"
#include "model_math.h"
#include "safenum.h"

namespace checks {

using model::double_class;
using model::single_class;

template <class F>
using object_of = typename std::conditional<std::is_same<F, single_class>::value, safefloat, safedouble>::type;

// The stored field, read from the object's bytes (a float or double returned
// on the x87 stack of 32-bit x86 would lose a signalling NaN's bit).
template <class O>
auto stored_of(const O& x) {
  typename std::conditional<std::is_same<O, safefloat>::value, float, double>::type v;
  std::memcpy(&v, &x, sizeof v);
  return v;
}
inline int stored_of(safeint x) { return static_cast<int>(x); }

// An object holding a stored value: the unchecked float assignment for
// safefloat; for safedouble the construction, which keeps every value a
// safedouble can hold but the infinities, which come in as floats.
inline safefloat hold(float v) {
  safefloat x;
  x = v;
  return x;
}
inline safedouble hold(double v) {
  safedouble x(v);
  if (std::isinf(v)) x = static_cast<float>(v);
  return x;
}

template <class T>
std::string text(T v) {
  char buf[48];
  if constexpr (std::is_integral<T>::value) {
    return std::to_string(v);
  } else if (std::isnan(v)) {
    std::snprintf(buf, sizeof buf, "NaN 0x%llx", static_cast<unsigned long long>(model::bits_of(v)));
  } else {
    std::snprintf(buf, sizeof buf, "%a", static_cast<double>(v));
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
  template <class A, class B = int>
  void about(A a, B b = 0) {
    a_ = a;
    b_ = b;
    integral_ = std::is_integral<A>::value;
  }
  // The library's result against the model's. An operation on two NaNs may
  // hand back either one.
  template <class T>
  void same(const char* op, T got, T want, const char* of_class = "") {
    const bool nan_pair = std::isnan(a_) && std::isnan(b_) && std::isnan(double(got)) && std::isnan(double(want));
    if (nan_pair || identical(got, want) || ++failures_ > kShown) return;
    sink_(std::string(of_class) + op + " of " + (integral_ ? text(static_cast<long long>(a_)) : text(a_)) + ", " +
          text(b_) + ": library " + text(got) + ", model " + text(want));
  }
  bool overwhelmed() const { return failures_ > kShown; }
  int failures() const { return failures_; }

 private:
  static constexpr int kShown = 8;
  sink sink_;
  int failures_ = 0;
  double a_ = 0, b_ = 0;
  bool integral_ = false;
};

template <class O, class Model>
void same_relations(checker& c, const O& x, const O& y, Model relate) {
  c.same("==", x == y, relate(model::eq));
  c.same("!=", x != y, relate(model::ne));
  c.same("<", x < y, relate(model::lt));
  c.same("<=", x <= y, relate(model::le));
  c.same(">", x > y, relate(model::gt));
  c.same(">=", x >= y, relate(model::ge));
}

// ---------------------------------------------------------------------------
// safeint
// ---------------------------------------------------------------------------
inline void int_pair(checker& c, int a, int b) {
  const safeint x(a), y(b);
  safeint s = x;
  c.about(a, b);
  c.same("+=", stored_of(s += y), model::add_assign(a, b));
  c.same("*=", stored_of((s = x) *= y), model::multiply_assign(a, b));
  c.same("/=", stored_of((s = x) /= y), model::divide_assign(a, b));
  c.same("+", stored_of(x + y), model::add(a, b));
  c.same("-", stored_of(x - y), model::subtract(a, b));
  c.same("*", stored_of(x * y), model::multiply(a, b));
  c.same("/", stored_of(x / y), model::divide(a, b));
  c.same("Function_1982", stored_of(Function_1982(x, y)), model::larger(a, b));
  c.same("Function_1983", stored_of(Function_1983(x, y)), model::smaller(a, b));
  same_relations(c, x, y, [&](model::relation r) { return model::relate(r, a, b); });
}

// One operand of each plain type beside a safeint: the plain operand becomes
// the model's safeint t, then the model's core runs in the written order.
inline int int_operand(int x) { return x; }
inline int int_operand(float x) { return model::round_from_float(x); }
inline int int_operand(double x) { return model::round_from_double(x); }

template <class X>
void int_mixed(checker& c, int a, X x) {
  const safeint s(a);
  const int t = int_operand(x);
  c.about(a, x);
  c.same("s + x", stored_of(s + x), model::add(a, t));
  c.same("x + s", stored_of(x + s), model::add(a, t));
  c.same("s - x", stored_of(s - x), model::subtract(a, t));
  c.same("x - s", stored_of(x - s), model::subtract(t, a));
  c.same("s * x", stored_of(s * x), model::multiply(t, a));
  c.same("x * s", stored_of(x * s), model::multiply(t, a));
  c.same("s / x", stored_of(s / x), model::divide(a, t));
  c.same("x / s", stored_of(x / s), model::divide(t, a));
}

// One safeint value: the conversions out, the math functions, the compound
// members with the object itself on the right, and the ways in from int.
inline void int_value(checker& c, int a) {
  safeint x(a), y = x;
  const safeint& itself = y;
  const char byte = static_cast<char>(a);
  c.about(a);
  c.same("operator int", static_cast<int>(x), a);
  c.same("operator unsigned long", static_cast<unsigned long>(x), static_cast<unsigned long>(a < 0 ? a + 4294967296LL : a));
  c.same("operator float", static_cast<float>(x), static_cast<float>(a));
  c.same("operator double", static_cast<double>(x), 1.0 * a);
  c.same("operator long double", static_cast<long double>(x) == a, true);
  c.same("Function_1978", x.Function_1978(), 1.0 * a);
  c.same("Function_1976", stored_of(x.Function_1976()), model::limits::max_safeint_minus_one);
  c.same("Function_1971", stored_of(Function_1971(x)), model::root(a));
  c.same("abs", stored_of(abs(x)), model::abs(a));
  c.same("s += s", stored_of(y += itself), model::add_assign(a, a));
  c.same("s *= s", stored_of((y = x) *= itself), model::multiply_assign(a, a));
  c.same("s /= s", stored_of((y = x) /= itself), model::divide_assign(a, a));
  c.same("s = int", stored_of(y = a), a);
  c.same("safeint(char)", stored_of(safeint(byte)), model::from_char(byte));
  c.same("s = char", stored_of(y = byte), model::from_char(byte));
}

// The limit functions, asked with arguments that must not matter: v for the
// integral overloads, x (a NaN, say) for the floating ones.
inline void limits(checker& c, int v, double x) {
  using L = model::limits;
  const float xf = model::to_single(x);
  const safeint s(v);
  c.about(v, x);
  c.same("GetMaxSystemValue(long)", GetMaxSystemValue(long{v}), L::max_long);
  c.same("GetMaxSystemValue(int)", GetMaxSystemValue(v), L::max_int);
  c.same("GetMaxSystemValue(short)", GetMaxSystemValue(static_cast<short>(v)), L::max_short);
  c.same("GetMaxSystemValue(float)", GetMaxSystemValue(xf), L::max_float);
  c.same("GetMaxSystemValue(double)", GetMaxSystemValue(x), L::max_double);
  c.same("GetMaxSystemValue(safedouble)", stored_of(GetMaxSystemValue(hold(x))), L::max_safedouble());
  c.same("GetMaxSystemValue(safefloat)", stored_of(GetMaxSystemValue(hold(xf))), L::max_safefloat());
  c.same("GetMaxSystemValue(safeint)", stored_of(GetMaxSystemValue(s)), L::max_safeint);
  c.same("GetMaxSystemValueMinusOne", stored_of(GetMaxSystemValueMinusOne(s)), L::max_safeint_minus_one);
  c.same("GetMinSystemValue", stored_of(GetMinSystemValue(s)), L::min_safeint);
}

// ---------------------------------------------------------------------------
// safefloat and safedouble
// ---------------------------------------------------------------------------
template <class F, class S = typename F::stored>
void float_pair(checker& c, S a, S b) {
  const object_of<F> x = hold(a), y = hold(b);
  object_of<F> s = x;
  c.about(a, b);
  c.same("/=", stored_of(s /= y), model::divide_assign<F>(a, b));
  c.same("*=", stored_of((s = x) *= y), model::multiply_assign<F>(a, b));
  c.same("+=", stored_of((s = x) += y), model::add_assign<F>(a, b));
  c.same("/", stored_of(x / y), model::divide<F>(a, b));
  c.same("*", stored_of(x * y), model::multiply<F>(a, b));
  c.same("+", stored_of(x + y), model::add<F>(a, b));
  c.same("-", stored_of(x - y), model::subtract<F>(a, b));
  c.same("Function_1982", stored_of(Function_1982(x, y)), model::larger<F>(a, b));
  c.same("Function_1983", stored_of(Function_1983(x, y)), model::smaller<F>(a, b));
  same_relations(c, x, y, [&](model::relation r) { return model::relate(r, a, b); });
}

// The other operand of a mixed overload: the library's, and the model's
// temporary of the floating class.
struct safeint_operand {
  int value;
};
template <class X>
X library_operand(X x) { return x; }
inline safeint library_operand(safeint_operand x) { return safeint(x.value); }
template <class F>
typename F::stored model_operand(int x) { return model::from_int<F>(x); }
template <class F>
typename F::stored model_operand(safeint_operand x) { return model::from_int<F>(x.value); }
template <class F>
typename F::stored model_operand(double x) { return model::construct<F>(x); }  // float or double

// f op x and x op f for one operand type; a safeint takes no part in '-'
// and only divides, never is divided by.
template <class F, class X, class S = typename F::stored>
void float_mixed(checker& c, S a, X plain) {
  const object_of<F> f = hold(a);
  const auto x = library_operand(plain);
  const S t = model_operand<F>(plain);
  c.about(a, t);
  c.same("f + x", stored_of(f + x), model::add<F>(a, t));
  c.same("x + f", stored_of(x + f), model::add<F>(t, a));
  c.same("f * x", stored_of(f * x), model::multiply<F>(a, t));
  c.same("x * f", stored_of(x * f), model::multiply<F>(t, a));
  c.same("x / f", stored_of(x / f), model::divide<F>(t, a));
  if constexpr (!std::is_same<X, safeint_operand>::value) {
    c.same("f - x", stored_of(f - x), model::subtract<F>(a, t));
    c.same("x - f", stored_of(x - f), model::subtract<F>(t, a));
    c.same("f / x", stored_of(f / x), model::divide<F>(a, t));
  }
}

// One stored value: the conversions out, the numbered members, the math
// functions and the compound members with the object itself on the right.
template <class F, class S = typename F::stored>
void float_value(checker& c, S a) {
  object_of<F> x = hold(a), y = x;
  const object_of<F>& itself = y;
  const int n = model::nint<F>(a);
  c.about(a);
  c.same("nint", x.nint(), n);
  c.same("operator int", static_cast<int>(x), n);
  c.same("safeint(f)", stored_of(safeint(x)), n);
  c.same("Function_1975", x.Function_1975(), model::single_of<F>(a));
  c.same("Function_1977", x.Function_1977(), model::ceiling_of<F>(a));
  c.same("Function_1978", x.Function_1978(), double{a});
  c.same("Function_1979", x.Function_1979(), model::floor_of<F>(a));
  c.same("Function_1980", x.Function_1980(), model::truncated(a));
  c.same("Function_1981", x.Function_1981(), model::is_saturated<F>(a));
  c.same("Function_1971", stored_of(Function_1971(x)), model::root<F>(a));
  c.same("ceil", stored_of(ceil(x)), model::ceil<F>(a));
  c.same("f /= f", stored_of(y /= itself), model::divide_assign<F>(a, a));
  c.same("f *= f", stored_of((y = x) *= itself), model::multiply_assign<F>(a, a));
  c.same("f += f", stored_of((y = x) += itself), model::add_assign<F>(a, a));
}

// Every path from a float to an int: safeint's constructor (rounding) and
// assignment (truncating), and a safefloat's nint and truncation.
inline void float_to_int(checker& c, float v) {
  safeint s;
  safefloat x = hold(v);
  c.about(v);
  c.same("safeint(float)", stored_of(safeint(v)), model::round_from_float(v));
  c.same("safeint = float", stored_of(s = v), model::truncate_from(v));
  c.same("nint", x.nint(), model::nint<single_class>(v));
  c.same("safeint(safefloat)", stored_of(safeint(x)), model::nint<single_class>(v));
  c.same("Function_1980", x.Function_1980(), model::truncated(v));
}

// The ways in from one plain number: every constructor and assignment of
// both floating classes and of safeint that takes it. A float reaches the
// floating constructors as a double, a char as the signed byte it holds.
template <class X>
void ways_in(checker& c, X v) {
  const auto each_class = [&](auto model_class, auto object) {
    using F = decltype(model_class);
    using O = decltype(object);
    const char* name = std::is_same<O, safefloat>::value ? "safefloat" : "safedouble";
    if constexpr (std::is_same<X, float>::value) {
      c.same(" = float", stored_of(object = v), model::assign_float<F>(v), name);
    } else if constexpr (std::is_same<X, int>::value) {
      const safeint s(v);
      const safeint& cs = s;
      const char byte = static_cast<char>(v);
      c.same(" = int", stored_of(object = v), model::from_int<F>(v), name);
      c.same("(char)", stored_of(O(byte)), model::from_int<F>(model::from_char(byte)), name);
      c.same(" = char", stored_of(object = byte), model::from_int<F>(model::from_char(byte)), name);
      c.same("(safeint&)", stored_of(O(s)), model::from_int<F>(v), name);
      c.same("(const safeint&)", stored_of(O(cs)), model::from_int<F>(v), name);
    } else {
      c.same(" = double", stored_of(object = v), model::construct<F>(v), name);
    }
    c.same("(x)", stored_of(O(v)), model_operand<F>(v), name);
  };
  safeint s;
  c.about(v);
  each_class(single_class{}, safefloat());
  each_class(double_class{}, safedouble());
  if constexpr (std::is_same<X, float>::value) {
    c.same("safeint(float)", stored_of(safeint(v)), model::round_from_float(v));
    c.same("safeint = float", stored_of(s = v), model::truncate_from(v));
  } else if constexpr (std::is_same<X, double>::value) {
    c.same("safeint(double)", stored_of(safeint(v)), model::round_from_double(v));
    c.same("safeint = double", stored_of(s = v), model::truncate_from(v));
  }
}

}  // namespace checks

#endif  // SAFENUM_TESTS_SUPPORT_CHECKS_H
