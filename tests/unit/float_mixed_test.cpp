// The mixed floating operators: each converts its other operand the way the
// class's constructors do and then runs the core operator in the written
// order. And the overload set itself: which exact signatures exist.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <type_traits>
#include <vector>

#include "bits.h"
#include "float_model.h"

namespace {

using float_model::double_fmt;
using float_model::single_fmt;

// The temporary the model expects from each kind of operand: an int or a
// safeint's integer rounded once to the class's format; a float or double
// of magnitude at least C saturated with its sign, anything else rounded.
template <class F>
typename F::object converted(int x) {
  return F::hold(F::round(static_cast<long double>(x)));
}
template <class F>
typename F::object converted(const safeint& x) {
  return converted<F>(testing_support::value_of(x));
}
template <class F>
typename F::object converted(double x) {
  if (std::fabs(x) >= float_model::ceiling<F>()) {
    return F::hold(std::copysign(float_model::ceiling<F>(), x));
  }
  return F::hold(F::round(x));
}
template <class F>
typename F::object converted(float x) {
  return converted<F>(static_cast<double>(x));
}

template <class X>
std::vector<X> others();
template <>
std::vector<int> others<int>() { return {0, 3, -5, 7, 16777217, -16777217, INT_MAX, INT_MIN}; }
template <>
std::vector<float> others<float>() {
  const float inf = std::numeric_limits<float>::infinity();
  return {0.0f, -0.0f, 2.5f, -1e-40f, 1e-30f, inf, -inf, FLT_MAX, -3e38f, 0x1p126f,
          testing_support::float_from_bits(0x7fc00042u)};
}
template <>
std::vector<double> others<double>() {
  return {0.0, 2.5, 1e-10, 1e-50, 1e39, -1e308, 1 + 0x1p-30, 0x1p126 - 0x1p101, HUGE_VAL,
          -HUGE_VAL, testing_support::double_from_bits(0x7ff8000000000042u)};
}
template <>
std::vector<safeint> others<safeint>() {
  return {safeint(0), safeint(7), safeint(-3), safeint(16777217), safeint(2147483647),
          safeint(-2147483647)};
}

template <class F>
std::vector<typename F::object> floats() {
  std::vector<typename F::object> out;
  for (double v : {0.0, -0.0, 1.0, -2.0, 3.0, 0.5, 5.0, 1e-30, float_model::ceiling<F>(),
                   -float_model::ceiling<F>(), HUGE_VAL, std::nan("")}) {
    out.push_back(F::hold(v));
  }
  return out;
}

template <class F>
using core_fn = typename F::object (*)(const typename F::object&, const typename F::object&);

template <class F>
void expect_same(const typename F::object& got, const typename F::object& want) {
  // Which payload a sum of two NaNs carries is the hardware's (and the
  // compiler's operand order's) choice; only the NaN itself is fixed.
  if (std::isnan(F::value(got)) && std::isnan(F::value(want))) return;
  EXPECT_EQ(F::pattern(F::value(got)), F::pattern(F::value(want)));
}

// f op x against core(f, t), and x op f against core(t, f).
template <class F, class X>
void right(typename F::object (*fn)(const typename F::object&, const X&), core_fn<F> core) {
  for (const auto& f : floats<F>()) {
    for (const X& x : others<X>()) expect_same<F>(fn(f, x), core(f, converted<F>(x)));
  }
}
template <class F, class X>
void left(typename F::object (*fn)(const X&, const typename F::object&), core_fn<F> core) {
  for (const auto& f : floats<F>()) {
    for (const X& x : others<X>()) expect_same<F>(fn(x, f), core(converted<F>(x), f));
  }
}

template <class F, class X>
void both(typename F::object (*r)(const typename F::object&, const X&),
          typename F::object (*l)(const X&, const typename F::object&), core_fn<F> core) {
  right<F, X>(r, core);
  left<F, X>(l, core);
}

template <class F>
void all_mixed() {
  using O = typename F::object;
  both<F, int>(&operator+, &operator+, static_cast<core_fn<F>>(&operator+));
  both<F, float>(&operator+, &operator+, static_cast<core_fn<F>>(&operator+));
  both<F, double>(&operator+, &operator+, static_cast<core_fn<F>>(&operator+));
  both<F, safeint>(&operator+, &operator+, static_cast<core_fn<F>>(&operator+));
  both<F, int>(&operator-, &operator-, static_cast<core_fn<F>>(&operator-));
  both<F, float>(&operator-, &operator-, static_cast<core_fn<F>>(&operator-));
  both<F, double>(&operator-, &operator-, static_cast<core_fn<F>>(&operator-));
  both<F, int>(&operator*, &operator*, static_cast<core_fn<F>>(&operator*));
  both<F, float>(&operator*, &operator*, static_cast<core_fn<F>>(&operator*));
  both<F, double>(&operator*, &operator*, static_cast<core_fn<F>>(&operator*));
  both<F, safeint>(&operator*, &operator*, static_cast<core_fn<F>>(&operator*));
  both<F, int>(&operator/, &operator/, static_cast<core_fn<F>>(&operator/));
  both<F, float>(&operator/, &operator/, static_cast<core_fn<F>>(&operator/));
  both<F, double>(&operator/, &operator/, static_cast<core_fn<F>>(&operator/));
  left<F, safeint>(static_cast<O (*)(const safeint&, const O&)>(&operator/),
                   static_cast<core_fn<F>>(&operator/));
}

TEST(FloatMixed, EachOverloadConvertsAndKeepsTheWrittenOrder) {
  all_mixed<single_fmt>();
  all_mixed<double_fmt>();
}

TEST(FloatMixed, DocumentedCases) {
  using testing_support::value_of;
  EXPECT_EQ(value_of(safefloat(3) - 5), -2.0f);
  EXPECT_EQ(value_of(3 - safefloat(5)), -2.0f);
  EXPECT_EQ(value_of(1 / safedouble(4)), 0.25);
  EXPECT_EQ(value_of(safeint(7) / safefloat(2)), 3.5f);
  EXPECT_EQ(value_of(16777217 + safefloat(0)), 16777216.0f);
  EXPECT_EQ(value_of(16777217 + safedouble(0)), 16777217.0);
  EXPECT_EQ(value_of(safeint(2147483647) * safefloat(1)), 2147483648.0f);
  EXPECT_EQ(value_of(1e39 / safefloat(2)), 0x1p126f);
  EXPECT_EQ(value_of(safefloat(1) + 1e-10), 1.0f);
  EXPECT_EQ(value_of(safefloat(1) / 1e-50), 0x1p126f);
  const float inf = std::numeric_limits<float>::infinity();
  EXPECT_EQ(value_of(safefloat(1) * inf), 0x1p126f);
  EXPECT_EQ(value_of(safedouble(1) * inf), 0x1p1022);
  EXPECT_EQ(value_of(safedouble(1) * FLT_MAX), static_cast<double>(FLT_MAX));
  EXPECT_EQ(value_of(safefloat(1) * FLT_MAX), 0x1p126f);
  EXPECT_EQ(value_of(safedouble(2) / 0), 0x1p1022);
  EXPECT_EQ(value_of(safefloat(-2) / 0), -0x1p126f);
  EXPECT_EQ(value_of(2.5f - safedouble(1)), 1.5);
  EXPECT_TRUE(std::isnan(value_of(safefloat(1) + std::nanf(""))));
  EXPECT_EQ(testing_support::bits(value_of(std::nan("") * safedouble(1))), 0u);
}

// Exact-signature detection: taking the address of the operator as a
// function pointer of one exact type is well-formed only when an overload
// of exactly that signature is declared.
#define SAFENUM_DETECT(NAME, OP)                                                        \
  template <class R, class A, class B, class = void>                                    \
  struct NAME : std::false_type {};                                                     \
  template <class R, class A, class B>                                                  \
  struct NAME<R, A, B,                                                                  \
              std::void_t<decltype(static_cast<R (*)(const A&, const B&)>(&operator OP))>> \
      : std::true_type {};
SAFENUM_DETECT(has_plus, +)
SAFENUM_DETECT(has_minus, -)
SAFENUM_DETECT(has_times, *)
SAFENUM_DETECT(has_divide, /)
SAFENUM_DETECT(has_eq, ==)
SAFENUM_DETECT(has_lt, <)

template <template <class, class, class, class> class Has, class F>
constexpr bool all_four() {
  return Has<F, F, F, void>::value && Has<F, F, int, void>::value && Has<F, int, F, void>::value &&
         Has<F, F, float, void>::value && Has<F, float, F, void>::value &&
         Has<F, F, double, void>::value && Has<F, double, F, void>::value;
}

// The detection idiom itself tells present from absent.
static_assert(has_minus<safeint, safeint, safeint>::value, "safeint core minus");
static_assert(!has_minus<safeint, safeint, char>::value, "no safeint - char");

template <class F>
constexpr bool overload_set_is_exact() {
  return all_four<has_plus, F>() && all_four<has_minus, F>() && all_four<has_times, F>() &&
         all_four<has_divide, F>() && has_plus<F, F, safeint>::value &&
         has_plus<F, safeint, F>::value && has_times<F, F, safeint>::value &&
         has_times<F, safeint, F>::value && has_divide<F, safeint, F>::value &&
         !has_divide<F, F, safeint>::value && !has_minus<F, F, safeint>::value &&
         !has_minus<F, safeint, F>::value && has_eq<int, F, F>::value && has_lt<int, F, F>::value;
}
static_assert(overload_set_is_exact<safefloat>(), "safefloat overload set");
static_assert(overload_set_is_exact<safedouble>(), "safedouble overload set");

template <template <class, class, class, class> class Has>
constexpr bool never_mixes_the_classes() {
  return !Has<safefloat, safefloat, safedouble, void>::value &&
         !Has<safefloat, safedouble, safefloat, void>::value &&
         !Has<safedouble, safefloat, safedouble, void>::value &&
         !Has<safedouble, safedouble, safefloat, void>::value;
}
static_assert(never_mixes_the_classes<has_plus>() && never_mixes_the_classes<has_minus>() &&
                  never_mixes_the_classes<has_times>() && never_mixes_the_classes<has_divide>(),
              "no operator mixes safefloat with safedouble");
static_assert(!has_eq<int, safefloat, safedouble>::value && !has_lt<int, safedouble, safefloat>::value,
              "no relation mixes safefloat with safedouble");

// The twelve relations, each taken by address with its exact signature,
// against the outcome table.
template <class F>
void relations() {
  using O = typename F::object;
  using rel = int (*)(const O&, const O&);
  const rel fns[6] = {&operator==, &operator!=, &operator<, &operator<=, &operator>, &operator>=};
  const double vals[] = {0.0, -0.0, 1.0, std::nextafter(1.0, 2.0), -1.0, float_model::ceiling<F>(),
                         HUGE_VAL, -HUGE_VAL, std::nan("")};
  for (double a : vals) {
    for (double b : vals) {
      const O x = F::hold(a), y = F::hold(b);
      for (int r = 0; r < 6; ++r) {
        const long double la = F::value(x), lb = F::value(y);
        EXPECT_EQ(fns[r](x, y), float_model::relate(static_cast<float_model::relation>(r), la, lb))
            << r << " " << a << " " << b;
      }
    }
  }
}

TEST(FloatRelations, TakenByAddressAgainstTheOutcomeTable) {
  relations<single_fmt>();
  relations<double_fmt>();
  // differing in the last bit of the single significand: unequal
  const safefloat one(1.0), next(static_cast<double>(std::nextafter(1.0f, 2.0f)));
  EXPECT_EQ(one == next, 0);
  EXPECT_EQ(one < next, 1);
}

}  // namespace
