// Every exported function of the library run on given operands and compared
// with the models, bit for bit. Shared by the test drivers and the fuzz
// target; a failure goes to the caller's sink.
#ifndef SAFENUM_TESTS_SUPPORT_CHECKS_H
#define SAFENUM_TESTS_SUPPORT_CHECKS_H

#include <cmath>
#include <cstdio>
#include <cstring>
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
inline float stored_of(const safefloat& x) {
  float v;
  std::memcpy(&v, &x, sizeof v);
  return v;
}
inline double stored_of(const safedouble& x) {
  double v;
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
  if constexpr (std::is_integral<T>::value) {
    return std::to_string(v);
  } else {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%a", static_cast<double>(v));
    if (std::isnan(v)) std::snprintf(buf, sizeof buf, "NaN 0x%llx", static_cast<unsigned long long>(model::bits_of(v)));
    return buf;
  }
}

// The same value: the same bits for a floating one.
template <class T>
bool identical(T x, T y) {
  if constexpr (std::is_integral<T>::value) {
    return x == y;
  } else {
    return model::bits_of(x) == model::bits_of(y);
  }
}

class checker {
 public:
  using sink = void (*)(const std::string& failure);
  explicit checker(sink s) : sink_(s) {}

  // One comparison; the text is made only for the first few failures.
  template <class Describe>
  void expect(bool agree, Describe&& describe) {
    if (!agree && ++failures_ <= kShown) sink_(describe());
  }
  // The library result against the model's, described by its operands.
  template <class T, class A, class B>
  void same(const char* op, T got, T want, A a, B b) {
    const bool nan_pair = std::isnan(double(a)) && std::isnan(double(b)) && std::isnan(double(got)) &&
                          std::isnan(double(want));
    // An operation on two NaNs may hand back either one.
    expect(nan_pair || identical(got, want), [&] {
      return std::string(op) + " of " + text(a) + ", " + text(b) + ": library " + text(got) +
             ", model " + text(want);
    });
  }
  bool overwhelmed() const { return failures_ > kShown; }
  int failures() const { return failures_; }

 private:
  static constexpr int kShown = 8;
  sink sink_;
  int failures_ = 0;
};

template <class O>
int relation(model::relation r, const O& x, const O& y) {
  switch (r) {
    case model::eq: return x == y;
    case model::ne: return x != y;
    case model::lt: return x < y;
    case model::le: return x <= y;
    case model::gt: return x > y;
    case model::ge: return x >= y;
  }
  return -1;
}

template <class T, class Model>
void same_relations(checker& c, const T& x, const T& y, Model relate) {
  for (model::relation r : model::kRelations) {
    c.same("relation", relation(r, x, y), relate(r), stored_of(x), stored_of(y));
  }
}

// ---------------------------------------------------------------------------
// safeint
// ---------------------------------------------------------------------------
inline void int_pair(checker& c, int a, int b) {
  const safeint x(a), y(b);
  safeint s = x;
  c.same("+=", stored_of(s += y), model::add_assign(a, b), a, b);
  s = x;
  c.same("*=", stored_of(s *= y), model::multiply_assign(a, b), a, b);
  s = x;
  c.same("/=", stored_of(s /= y), model::divide_assign(a, b), a, b);
  c.same("+", stored_of(x + y), model::add(a, b), a, b);
  c.same("-", stored_of(x - y), model::subtract(a, b), a, b);
  c.same("*", stored_of(x * y), model::multiply(a, b), a, b);
  c.same("/", stored_of(x / y), model::divide(a, b), a, b);
  c.same("Function_1982", stored_of(Function_1982(x, y)), model::larger(a, b), a, b);
  c.same("Function_1983", stored_of(Function_1983(x, y)), model::smaller(a, b), a, b);
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
  c.same("s + x", stored_of(s + x), model::add(a, t), a, x);
  c.same("x + s", stored_of(x + s), model::add(a, t), x, a);
  c.same("s - x", stored_of(s - x), model::subtract(a, t), a, x);
  c.same("x - s", stored_of(x - s), model::subtract(t, a), x, a);
  c.same("s * x", stored_of(s * x), model::multiply(t, a), a, x);
  c.same("x * s", stored_of(x * s), model::multiply(t, a), x, a);
  c.same("s / x", stored_of(s / x), model::divide(a, t), a, x);
  c.same("x / s", stored_of(x / s), model::divide(t, a), x, a);
}

// One safeint value: the conversions out, the math functions, the compound
// members with the object itself on the right, and the ways in from int.
inline void int_value(checker& c, int a) {
  safeint x(a);
  const long long as_unsigned = a < 0 ? a + 4294967296LL : a;
  c.same("operator int", static_cast<int>(x), a, a, 0);
  c.expect(static_cast<unsigned long>(x) == static_cast<unsigned long>(as_unsigned),
           [&] { return "operator unsigned long of " + text(a); });
  c.same("operator float", static_cast<float>(x), static_cast<float>(a), a, 0);
  c.same("operator double", static_cast<double>(x), double{1.0 * a}, a, 0);
  c.expect(static_cast<long double>(x) == a, [&] { return "operator long double of " + text(a); });
  c.same("Function_1978", x.Function_1978(), 1.0 * a, a, 0);
  c.same("Function_1976", stored_of(x.Function_1976()), model::limits::max_safeint_minus_one, a, 0);
  c.same("Function_1971", stored_of(Function_1971(x)), model::root(a), a, 0);
  c.same("abs", stored_of(abs(x)), model::abs(a), a, 0);
  safeint y = x;
  const safeint& itself = y;
  c.same("s += s", stored_of(y += itself), model::add_assign(a, a), a, a);
  y = x;
  c.same("s *= s", stored_of(y *= itself), model::multiply_assign(a, a), a, a);
  y = x;
  c.same("s /= s", stored_of(y /= itself), model::divide_assign(a, a), a, a);
  y = 0;
  c.same("s = int", stored_of(y = a), a, a, 0);
  const char byte = static_cast<char>(a);
  c.same("safeint(char)", stored_of(safeint(byte)), model::from_char(byte), a, 0);
  c.same("s = char", stored_of(y = byte), model::from_char(byte), a, 0);
}

// The limit functions, asked with arguments that must not matter: v for the
// integral overloads, x (a NaN, say) for the floating ones.
inline void limits(checker& c, int v, double x) {
  using L = model::limits;
  const float xf = model::to_single(x);
  const safeint s(v);
  c.same("GetMaxSystemValue(long)", GetMaxSystemValue(long{v}), L::max_long, v, x);
  c.same("GetMaxSystemValue(int)", GetMaxSystemValue(v), L::max_int, v, x);
  c.same("GetMaxSystemValue(short)", GetMaxSystemValue(static_cast<short>(v)), L::max_short, v, x);
  c.same("GetMaxSystemValue(float)", GetMaxSystemValue(xf), L::max_float, v, x);
  c.same("GetMaxSystemValue(double)", GetMaxSystemValue(x), L::max_double, v, x);
  c.same("GetMaxSystemValue(safedouble)", stored_of(GetMaxSystemValue(hold(x))), L::max_safedouble(), v, x);
  c.same("GetMaxSystemValue(safefloat)", stored_of(GetMaxSystemValue(hold(xf))), L::max_safefloat(), v, x);
  c.same("GetMaxSystemValue(safeint)", stored_of(GetMaxSystemValue(s)), L::max_safeint, v, x);
  c.same("GetMaxSystemValueMinusOne", stored_of(GetMaxSystemValueMinusOne(s)), L::max_safeint_minus_one, v, x);
  c.same("GetMinSystemValue", stored_of(GetMinSystemValue(s)), L::min_safeint, v, x);
}

// ---------------------------------------------------------------------------
// safefloat and safedouble
// ---------------------------------------------------------------------------
template <class F, class S = typename F::stored>
void float_pair(checker& c, S a, S b) {
  const object_of<F> x = hold(a), y = hold(b);
  object_of<F> s = x;
  c.same("/=", stored_of(s /= y), model::divide_assign<F>(a, b), a, b);
  s = x;
  c.same("*=", stored_of(s *= y), model::multiply_assign<F>(a, b), a, b);
  s = x;
  c.same("+=", stored_of(s += y), model::add_assign<F>(a, b), a, b);
  c.same("/", stored_of(x / y), model::divide<F>(a, b), a, b);
  c.same("*", stored_of(x * y), model::multiply<F>(a, b), a, b);
  c.same("+", stored_of(x + y), model::add<F>(a, b), a, b);
  c.same("-", stored_of(x - y), model::subtract<F>(a, b), a, b);
  c.same("Function_1982", stored_of(Function_1982(x, y)), model::larger<F>(a, b), a, b);
  c.same("Function_1983", stored_of(Function_1983(x, y)), model::smaller<F>(a, b), a, b);
  same_relations(c, x, y, [&](model::relation r) { return model::relate(r, a, b); });
}

// The other operand of a mixed overload, as the model's temporary.
struct safeint_operand {
  int value;
};
template <class F>
typename F::stored float_operand(int x) { return model::from_int<F>(x); }
template <class F>
typename F::stored float_operand(float x) { return model::construct<F>(model::widen(x)); }
template <class F>
typename F::stored float_operand(double x) { return model::construct<F>(x); }
template <class F>
typename F::stored float_operand(safeint_operand x) { return model::from_int<F>(x.value); }
template <class X>
X library_operand(X x) { return x; }
inline safeint library_operand(safeint_operand x) { return safeint(x.value); }
inline double text_of(safeint_operand x) { return x.value; }
template <class X>
X text_of(X x) { return x; }

// f op x and x op f for one operand type; a safeint takes no part in '-'
// and only divides, never is divided by.
template <class F, class X, class S = typename F::stored>
void float_mixed(checker& c, S a, X plain) {
  const object_of<F> f = hold(a);
  const auto x = library_operand(plain);
  const S t = float_operand<F>(plain);
  const auto shown = text_of(plain);
  constexpr bool with_safeint = std::is_same<X, safeint_operand>::value;
  c.same("f + x", stored_of(f + x), model::add<F>(a, t), a, shown);
  c.same("x + f", stored_of(x + f), model::add<F>(t, a), shown, a);
  c.same("f * x", stored_of(f * x), model::multiply<F>(a, t), a, shown);
  c.same("x * f", stored_of(x * f), model::multiply<F>(t, a), shown, a);
  c.same("x / f", stored_of(x / f), model::divide<F>(t, a), shown, a);
  if constexpr (!with_safeint) {
    c.same("f - x", stored_of(f - x), model::subtract<F>(a, t), a, shown);
    c.same("x - f", stored_of(x - f), model::subtract<F>(t, a), shown, a);
    c.same("f / x", stored_of(f / x), model::divide<F>(a, t), a, shown);
  }
}

// One stored value: the conversions out, the numbered members, the math
// functions and the compound members with the object itself on the right.
template <class F, class S = typename F::stored>
void float_value(checker& c, S a) {
  object_of<F> x = hold(a);
  const int n = model::nint<F>(a);
  c.same("nint", x.nint(), n, a, 0);
  c.same("operator int", static_cast<int>(x), n, a, 0);
  c.same("safeint(f)", stored_of(safeint(x)), n, a, 0);
  c.same("Function_1975", x.Function_1975(), model::single_of<F>(a), a, 0);
  c.same("Function_1977", x.Function_1977(), model::ceiling_of<F>(a), a, 0);
  c.same("Function_1978", x.Function_1978(), double{a}, a, 0);
  c.same("Function_1979", x.Function_1979(), model::floor_of<F>(a), a, 0);
  c.same("Function_1980", x.Function_1980(), model::truncated(a), a, 0);
  c.same("Function_1981", x.Function_1981(), model::is_saturated<F>(a), a, 0);
  c.same("Function_1971", stored_of(Function_1971(x)), model::root<F>(a), a, 0);
  c.same("ceil", stored_of(ceil(x)), model::ceil<F>(a), a, 0);
  object_of<F> y = x;
  const object_of<F>& itself = y;
  c.same("f /= f", stored_of(y /= itself), model::divide_assign<F>(a, a), a, a);
  y = x;
  c.same("f *= f", stored_of(y *= itself), model::multiply_assign<F>(a, a), a, a);
  y = x;
  c.same("f += f", stored_of(y += itself), model::add_assign<F>(a, a), a, a);
}

// The ways into both floating classes and into safeint from one double.
inline void from_double(checker& c, double v) {
  safefloat f;
  safedouble d;
  safeint s;
  c.same("safefloat(double)", stored_of(safefloat(v)), model::construct<single_class>(v), v, 0);
  c.same("safefloat = double", stored_of(f = v), model::construct<single_class>(v), v, 0);
  c.same("safedouble(double)", stored_of(safedouble(v)), model::construct<double_class>(v), v, 0);
  c.same("safedouble = double", stored_of(d = v), model::construct<double_class>(v), v, 0);
  c.same("safeint(double)", stored_of(safeint(v)), model::round_from_double(v), v, 0);
  c.same("safeint = double", stored_of(s = v), model::truncate_from(v), v, 0);
}

// Every path from a float to an int: safeint's constructor (rounding) and
// assignment (truncating), and a safefloat's nint and truncation.
inline void float_to_int(checker& c, float v) {
  safeint s;
  const safefloat x = hold(v);
  c.same("safeint(float)", stored_of(safeint(v)), model::round_from_float(v), v, 0);
  c.same("safeint = float", stored_of(s = v), model::truncate_from(v), v, 0);
  c.same("nint", x.nint(), model::nint<single_class>(v), v, 0);
  c.same("safeint(safefloat)", stored_of(safeint(x)), model::nint<single_class>(v), v, 0);
  c.same("Function_1980", safefloat(x).Function_1980(), model::truncated(v), v, 0);
}

// ... from one float: the constructors take it as a double, the assignments
// store it (safefloat, safedouble) or truncate it (safeint).
inline void from_float(checker& c, float v) {
  safefloat f;
  safedouble d;
  safeint s;
  c.same("safefloat(float)", stored_of(safefloat(v)), model::construct<single_class>(model::widen(v)), v, 0);
  c.same("safefloat = float", stored_of(f = v), model::assign_float<single_class>(v), v, 0);
  c.same("safedouble(float)", stored_of(safedouble(v)), model::construct<double_class>(model::widen(v)), v, 0);
  c.same("safedouble = float", stored_of(d = v), model::assign_float<double_class>(v), v, 0);
  c.same("safeint(float)", stored_of(safeint(v)), model::round_from_float(v), v, 0);
  c.same("safeint = float", stored_of(s = v), model::truncate_from(v), v, 0);
}

// ... from one int, its low byte as a char, and a safeint holding it.
inline void from_int(checker& c, int v) {
  safefloat f;
  safedouble d;
  safeint s(v);
  const char byte = static_cast<char>(v);
  const int b = model::from_char(byte);
  c.same("safefloat(int)", stored_of(safefloat(v)), model::from_int<single_class>(v), v, 0);
  c.same("safefloat = int", stored_of(f = v), model::from_int<single_class>(v), v, 0);
  c.same("safedouble(int)", stored_of(safedouble(v)), model::from_int<double_class>(v), v, 0);
  c.same("safedouble = int", stored_of(d = v), model::from_int<double_class>(v), v, 0);
  c.same("safefloat(char)", stored_of(safefloat(byte)), model::from_int<single_class>(b), v, 0);
  c.same("safefloat = char", stored_of(f = byte), model::from_int<single_class>(b), v, 0);
  c.same("safedouble(char)", stored_of(safedouble(byte)), model::from_int<double_class>(b), v, 0);
  c.same("safedouble = char", stored_of(d = byte), model::from_int<double_class>(b), v, 0);
  const safeint& cs = s;
  c.same("safefloat(safeint&)", stored_of(safefloat(s)), model::from_int<single_class>(v), v, 0);
  c.same("safefloat(const safeint&)", stored_of(safefloat(cs)), model::from_int<single_class>(v), v, 0);
  c.same("safedouble(safeint&)", stored_of(safedouble(s)), model::from_int<double_class>(v), v, 0);
  c.same("safedouble(const safeint&)", stored_of(safedouble(cs)), model::from_int<double_class>(v), v, 0);
}

}  // namespace checks

#endif  // SAFENUM_TESTS_SUPPORT_CHECKS_H
