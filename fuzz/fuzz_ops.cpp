// Coverage-guided fuzzing of every member, operator and function of the three
// number types. The input is decoded into an operation group and raw operand
// bit patterns; each group checks properties that hold for every input (range
// of the result, symmetry, agreement between overloads, closed-form integer
// models), never a copy of the library's own steps. A violation traps.
#include <safenum.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <limits>

namespace {

constexpr int kMax = 2147483647;
constexpr int kMostNegative = std::numeric_limits<int>::min();
constexpr double kFloatCeiling = 0x1p126;
constexpr double kDoubleCeiling = 0x1p1022;

// The failing line goes to stderr first, so a reproducer names its property.
#define CHECK(cond)                                                   \
  do {                                                                \
    if (!(cond)) {                                                    \
      std::fprintf(stderr, "property failed at line %d: %s\n", __LINE__, #cond); \
      __builtin_trap();                                               \
    }                                                                 \
  } while (0)

std::uint32_t bits_of(float v) {
  std::uint32_t b;
  std::memcpy(&b, &v, sizeof b);
  return b;
}
std::uint64_t bits_of(double v) {
  std::uint64_t b;
  std::memcpy(&b, &v, sizeof b);
  return b;
}

// The input, read as little pieces of raw memory; missing bytes are zero.
struct Input {
  std::uint8_t selector = 0;
  int i[2] = {0, 0};
  float f[2] = {0.0f, 0.0f};
  double d[2] = {0.0, 0.0};

  Input(const std::uint8_t* data, std::size_t size) {
    std::uint8_t raw[1 + 2 * 4 + 2 * 4 + 2 * 8] = {};
    std::memcpy(raw, data, size < sizeof raw ? size : sizeof raw);
    const std::uint8_t* p = raw;
    selector = *p++;
    for (int& v : i) { std::memcpy(&v, p, 4); p += 4; }
    for (float& v : f) { std::memcpy(&v, p, 4); p += 4; }
    for (double& v : d) { std::memcpy(&v, p, 8); p += 8; }
  }
};

// ---------------------------------------------------------------------------
// Floating classes, written once over the class.
// ---------------------------------------------------------------------------
template <class F>
struct Float;

template <>
struct Float<safefloat> {
  using stored = float;
  static constexpr double ceiling = kFloatCeiling;
  static stored value(safefloat x) { return x.Function_1975(); }
  // A raw float pattern stored without any test.
  static safefloat raw(const Input& in, int k) {
    safefloat x;
    x = in.f[k];
    return x;
  }
};

template <>
struct Float<safedouble> {
  using stored = double;
  static constexpr double ceiling = kDoubleCeiling;
  static stored value(safedouble x) { return x.Function_1978(); }
  static safedouble raw(const Input& in, int k) { return safedouble(in.d[k]); }
};

template <class F>
typename Float<F>::stored val(F x) {
  return Float<F>::value(x);
}

template <class F>
bool same_bits(F x, F y) {
  return bits_of(val(x)) == bits_of(val(y));
}

// Equal bit patterns, or NaNs on both sides (the payload of a NaN result
// follows the operand order of the hardware operation).
template <class F>
bool same_value(F x, F y) {
  return same_bits(x, y) || (std::isnan(val(x)) && std::isnan(val(y)));
}

// The saturating path delivers a NaN or a magnitude at most the ceiling.
template <class F>
void check_saturated_range(F r) {
  const double v = static_cast<double>(val(r));
  CHECK(std::isnan(v) || std::fabs(v) <= Float<F>::ceiling);
}

// nint: halves away from zero, never outside the saturated range.
void check_nint(int n, double v) {
  CHECK(n >= -kMax && n <= kMax);
  if (std::isnan(v)) return;
  if (std::fabs(v) < 2147483646.0) {
    const double diff = std::fabs(v - n);
    CHECK(diff <= 0.5);
    if (diff == 0.5) CHECK(std::fabs(static_cast<double>(n)) > std::fabs(v));
  } else if (v >= 2147483648.0) {
    CHECK(n == kMax);
  } else if (v <= -2147483648.0) {
    CHECK(n == -kMax);
  }
}

template <class F>
void check_relations(F a, F b) {
  const int eq = a == b, ne = a != b, lt = a < b, le = a <= b, gt = a > b,
            ge = a >= b;
  for (int r : {eq, ne, lt, le, gt, ge}) CHECK(r == 0 || r == 1);
  CHECK(eq != ne);
  CHECK(lt != ge);
  CHECK(gt != le);
  // A NaN counts as less and as equal.
  if (std::isnan(val(a)) || std::isnan(val(b))) CHECK(eq && lt && le && !gt);
}

template <class F>
void check_core(F a, F b) {
  const F a0 = a, b0 = b;
  const F sum = a + b, diff = a - b, prod = a * b, quot = a / b;
  for (F r : {sum, diff, prod, quot}) check_saturated_range(r);
  CHECK(same_bits(a, a0) && same_bits(b, b0));
  CHECK(same_value(sum, b + a));
  CHECK(same_value(prod, b * a));
  // A zero dividend gives +0.0, a zero divisor the saturated value.
  if (val(a) == 0) CHECK(bits_of(val(quot)) == bits_of(static_cast<typename Float<F>::stored>(0)));
  if (val(a) != 0 && val(b) == 0 && !std::isnan(val(a)))
    CHECK(std::fabs(static_cast<double>(val(quot))) == Float<F>::ceiling);
  check_relations(a, b);
  check_relations(b, a);
  check_relations(a, a);
}

// A compound member gives the same whether its right operand is the object
// itself or a copy of it.
template <class F>
void check_compound_self(F a) {
  F x = a, y = a, copy = a;
  CHECK(&(x += x) == &x);
  y += copy;
  CHECK(same_value(x, y));
  x = a; y = a;
  CHECK(&(x *= x) == &x);
  y *= copy;
  CHECK(same_value(x, y));
  x = a; y = a;
  CHECK(&(x /= x) == &x);
  y /= copy;
  CHECK(same_value(x, y));
}

template <class F>
void check_compound(F a, F b) {
  const F b0 = b;
  F x = a;
  x += b;
  x = a;
  x *= b;
  x = a;
  x /= b;
  CHECK(same_bits(b, b0));
  check_compound_self(a);
  check_compound_self(b);
}

// Every mixed overload equals the same-type operator on the operand turned
// into the class by its own constructor, in the written order. Two NaN
// operands may meet in either order once the operator is inlined into the
// mixed overload, so a NaN result need only be a NaN on both sides.
template <class F>
void check_mixed(F f, int i, float fl, double d, safeint s) {
  const F ti(i), tf(static_cast<double>(fl)), td(d), ts(s);
  CHECK(same_value(f + i, f + ti));
  CHECK(same_value(i + f, ti + f));
  CHECK(same_value(f + fl, f + tf));
  CHECK(same_value(fl + f, tf + f));
  CHECK(same_value(f + d, f + td));
  CHECK(same_value(d + f, td + f));
  CHECK(same_value(f + s, f + ts));
  CHECK(same_value(s + f, ts + f));

  CHECK(same_value(f - i, f - ti));
  CHECK(same_value(i - f, ti - f));
  CHECK(same_value(f - fl, f - tf));
  CHECK(same_value(fl - f, tf - f));
  CHECK(same_value(f - d, f - td));
  CHECK(same_value(d - f, td - f));

  CHECK(same_value(f * i, f * ti));
  CHECK(same_value(i * f, ti * f));
  CHECK(same_value(f * fl, f * tf));
  CHECK(same_value(fl * f, tf * f));
  CHECK(same_value(f * d, f * td));
  CHECK(same_value(d * f, td * f));
  CHECK(same_value(f * s, f * ts));
  CHECK(same_value(s * f, ts * f));

  CHECK(same_value(f / i, f / ti));
  CHECK(same_value(i / f, ti / f));
  CHECK(same_value(f / fl, f / tf));
  CHECK(same_value(fl / f, tf / f));
  CHECK(same_value(f / d, f / td));
  CHECK(same_value(d / f, td / f));
  CHECK(same_value(s / f, ts / f));

  check_saturated_range(tf);
  check_saturated_range(td);
}

template <class F>
void check_members(F a) {
  const F a0 = a;
  const auto v = val(a);
  const double wide = static_cast<double>(v);
  CHECK(bits_of(a.Function_1978()) == bits_of(wide));
  const int n = a.nint();
  check_nint(n, wide);
  CHECK(static_cast<int>(a) == n);
  CHECK(static_cast<int>(safeint(a)) == n);
  const auto lo = a.Function_1979(), hi = a.Function_1977();
  if (std::isfinite(wide)) {
    CHECK(lo <= v && v <= hi);
    CHECK(std::trunc(lo) == lo && std::trunc(hi) == hi);
    // Adjacent integers around a fraction, one integer for a whole value.
    CHECK(static_cast<double>(hi) - static_cast<double>(lo) == (std::trunc(v) == v ? 0.0 : 1.0));
  }
  const int t = a.Function_1980();
  if (std::fabs(wide) < 2147483647.0) CHECK(t == static_cast<int>(std::trunc(wide)));
  const int sat = a.Function_1981();
  CHECK(sat == 0 || sat == 1);
  if (std::fabs(wide) == Float<F>::ceiling || std::isnan(wide)) CHECK(sat == 1);
  if (std::isinf(wide) || wide == 0) CHECK(sat == 0);
  (void)a.Function_1975();
  CHECK(same_bits(a, a0));
}

template <class F>
void check_math(F a, F b) {
  const F a0 = a;
  const F root = Function_1971(a);
  check_saturated_range(root);
  CHECK(std::isnan(val(root)) || !std::signbit(val(root)));
  const F hi = Function_1982(a, b), lo = Function_1983(a, b);
  CHECK(same_bits(hi, a) || same_bits(hi, b));
  CHECK(same_bits(lo, a) || same_bits(lo, b));
  const F c = ceil(a);
  CHECK(same_bits(a, a0));
  check_saturated_range(c);
  const double w = static_cast<double>(val(a));
  if (std::isfinite(w) && std::fabs(w) < Float<F>::ceiling && !std::isnan(val(c)))
    CHECK(static_cast<double>(val(c)) >= w);
}

template <class F>
void check_construction(const Input& in) {
  for (int k = 0; k < 2; ++k) {
    check_saturated_range(F(in.d[k]));
    check_saturated_range(F(static_cast<double>(in.f[k])));
    F x;
    x = in.d[k];
    CHECK(same_bits(x, F(in.d[k])));
    x = in.i[k];
    CHECK(same_bits(x, F(in.i[k])));
    const char c = static_cast<char>(in.i[k]);
    x = c;
    CHECK(same_bits(x, F(c)));
    CHECK(same_bits(F(c), F(static_cast<int>(c))));
    safeint s(in.i[k]);
    const safeint& cs = s;
    CHECK(same_bits(F(s), F(cs)));
    x = in.f[k];  // stores the float as it is
    CHECK(static_cast<double>(val(x)) == static_cast<double>(in.f[k]) ||
          (std::isnan(val(x)) && std::isnan(in.f[k])));
  }
}

template <class F>
void run_float(const Input& in, int group) {
  const F a = Float<F>::raw(in, 0), b = Float<F>::raw(in, 1);
  switch (group) {
    case 0: check_core(a, b); break;
    case 1: check_compound(a, b); break;
    case 2: check_mixed(a, in.i[0], in.f[1], in.d[1], safeint(in.i[1])); break;
    case 3: check_members(a); check_members(b); break;
    case 4: check_math(a, b); break;
    default: check_construction<F>(in); break;
  }
}

// ---------------------------------------------------------------------------
// safeint
// ---------------------------------------------------------------------------
int ival(safeint x) { return static_cast<int>(x); }

bool is_sat(long long v) { return v == kMax || v == -kMax; }

void check_int_core(safeint a, safeint b) {
  const int ia = ival(a), ib = ival(b);
  const int sum = ival(a + b), diff = ival(a - b), prod = ival(a * b),
            quot = ival(a / b);
  CHECK(ival(a) == ia && ival(b) == ib);
  const bool most_negative = ia == kMostNegative || ib == kMostNegative;
  if (!most_negative) {
    for (int r : {sum, diff, prod, quot}) CHECK(r != kMostNegative);
  }
  CHECK(sum == ival(b + a));
  if (!most_negative) CHECK(prod == ival(b * a));

  // Closed-form models on the ordinary range (no saturated operand, no
  // -2147483648), exact 64-bit arithmetic.
  if (most_negative || is_sat(ia) || is_sat(ib)) return;
  const long long ea = ia, eb = ib;
  const long long s = ea + eb;
  // Same-sign sums saturate from 2147483584 (the half-sum is compared in
  // single precision); a zero or opposite signs give the exact sum.
  if (ia > 0 && ib > 0 && s >= 2147483584LL) CHECK(sum == kMax);
  else if (ia < 0 && ib < 0 && s <= -2147483584LL) CHECK(sum == -kMax);
  else CHECK(sum == s);

  const long long d = ea - eb;
  if (d > -2147483646LL && d < 2147483646LL) CHECK(diff == d);
  else CHECK(diff == (d > 0 ? kMax : -kMax) || diff == d);

  const long long p = ea * eb;
  if (p >= kMax) CHECK(prod == kMax);
  else if (p <= -kMax) CHECK(prod == -kMax);
  else CHECK(prod == p);

  if (ib == 0) CHECK(quot == (ia == 0 ? 0 : (ia < 0 ? -kMax : kMax)));
  else CHECK(quot == ea / eb);
}

void check_int_relations(safeint a, safeint b) {
  const int ia = ival(a), ib = ival(b);
  const int eq = a == b, ne = a != b, lt = a < b, le = a <= b, gt = a > b,
            ge = a >= b;
  CHECK(eq == (ia == ib) && lt == (ia < ib) && gt == (ia > ib));
  CHECK(eq != ne && lt != ge && gt != le);
}

void check_int_compound_self(safeint a) {
  safeint x = a, y = a, copy = a;
  CHECK(&(x += x) == &x);
  y += copy;
  CHECK(ival(x) == ival(y));
  x = a; y = a;
  CHECK(&(x *= x) == &x);
  y *= copy;
  CHECK(ival(x) == ival(y));
  x = a; y = a;
  CHECK(&(x /= x) == &x);
  y /= copy;
  CHECK(ival(x) == ival(y));
}

void check_int_compound(safeint a, safeint b) {
  const int ib = ival(b);
  safeint x = a;
  x += b;
  x = a;
  x *= b;
  x = a;
  x /= b;
  // Division is the same in the member and the free operator.
  CHECK(ival(x) == ival(a / b));
  CHECK(ival(b) == ib);
  check_int_compound_self(a);
  check_int_compound_self(b);
}

// The rounding constructors: nearest, exact halves toward zero, saturated at
// the given limit; a NaN gives -MAX.
void check_int_round(int r, double v, double limit) {
  CHECK(r >= -kMax && r <= kMax);
  if (std::isnan(v)) { CHECK(r == -kMax); return; }
  if (v >= limit) { CHECK(r == kMax); return; }
  if (v <= -limit) { CHECK(r == -kMax); return; }
  const double diff = std::fabs(v - r);
  CHECK(diff <= 0.5);
  if (diff == 0.5) CHECK(std::fabs(static_cast<double>(r)) < std::fabs(v));
}

// The assignments truncate toward zero and saturate at 2147483647.0.
void check_int_truncate(int r, double v) {
  CHECK(r >= -kMax && r <= kMax);
  if (std::isnan(v)) { CHECK(r == -kMax); return; }
  if (std::fabs(v) >= 2147483647.0) { CHECK(r == (v > 0 ? kMax : -kMax)); return; }
  CHECK(r == static_cast<int>(std::trunc(v)));
}

void check_int_conversions(const Input& in) {
  for (int k = 0; k < 2; ++k) {
    const float f = in.f[k];
    const double d = in.d[k];
    check_int_round(ival(safeint(f)), f, 2147483648.0);
    check_int_round(ival(safeint(d)), d, 2147483647.0);
    safeint x;
    x = f;
    check_int_truncate(ival(x), f);
    x = d;
    check_int_truncate(ival(x), d);
    x = in.i[k];
    CHECK(ival(x) == in.i[k]);
    const char c = static_cast<char>(in.i[k]);
    x = c;
    CHECK(ival(x) == ival(safeint(c)) && ival(x) == static_cast<int>(c));

    safeint s(in.i[k]);
    const int iv = in.i[k];
    CHECK(static_cast<unsigned long>(s) == static_cast<std::uint32_t>(iv));
    CHECK(static_cast<double>(s) == static_cast<double>(iv));
    CHECK(static_cast<float>(s) == static_cast<float>(iv));
    CHECK(static_cast<long double>(s) == static_cast<long double>(iv));
    CHECK(s.Function_1978() == static_cast<double>(iv));
    CHECK(ival(s.Function_1976()) == 2147483646);
    CHECK(ival(s) == iv);

    // safeint from a floating object is that object's nint.
    safefloat sf;
    sf = f;
    CHECK(ival(safeint(sf)) == sf.nint());
    const safedouble sd(d);
    CHECK(ival(safeint(sd)) == sd.nint());
  }
}

void check_int_mixed(safeint s, int i, float f, double d) {
  const safeint ti(i), tf(f), td(d);
  CHECK(ival(s + i) == ival(s + ti) && ival(i + s) == ival(s + ti));
  CHECK(ival(s + f) == ival(s + tf) && ival(f + s) == ival(s + tf));
  CHECK(ival(s + d) == ival(s + td) && ival(d + s) == ival(s + td));
  CHECK(ival(s - i) == ival(s - ti) && ival(i - s) == ival(ti - s));
  CHECK(ival(s - f) == ival(s - tf) && ival(f - s) == ival(tf - s));
  CHECK(ival(s - d) == ival(s - td) && ival(d - s) == ival(td - s));
  CHECK(ival(s * i) == ival(ti * s) && ival(i * s) == ival(ti * s));
  CHECK(ival(s * f) == ival(tf * s) && ival(f * s) == ival(tf * s));
  CHECK(ival(s * d) == ival(td * s) && ival(d * s) == ival(td * s));
  CHECK(ival(s / i) == ival(s / ti) && ival(i / s) == ival(ti / s));
  CHECK(ival(s / f) == ival(s / tf) && ival(f / s) == ival(tf / s));
  CHECK(ival(s / d) == ival(s / td) && ival(d / s) == ival(td / s));
}

void check_int_math(safeint a, safeint b) {
  const int ia = ival(a);
  const int root = ival(Function_1971(a));
  CHECK(root >= 0 && root <= 46341);
  const int m = ival(abs(a));
  if (ia == kMostNegative || is_sat(ia)) CHECK(m == kMax);
  else CHECK(m == (ia < 0 ? -ia : ia));
  const int hi = ival(Function_1982(a, b)), lo = ival(Function_1983(a, b));
  CHECK(hi == ia || hi == ival(b));
  CHECK(lo == ia || lo == ival(b));
  CHECK(hi >= lo || ia == ival(b));
}

// The argument of a limit function only selects the overload: the result
// never depends on its value.
void check_limits(const Input& in) {
  const long l = in.i[0];
  const short sh = static_cast<short>(in.i[1]);
  CHECK(GetMaxSystemValue(l) == GetMaxSystemValue(0L));
  CHECK(GetMaxSystemValue(in.i[0]) == GetMaxSystemValue(0));
  CHECK(GetMaxSystemValue(sh) == GetMaxSystemValue(static_cast<short>(0)));
  CHECK(bits_of(GetMaxSystemValue(in.f[0])) == bits_of(GetMaxSystemValue(0.0f)));
  CHECK(bits_of(GetMaxSystemValue(in.d[0])) == bits_of(GetMaxSystemValue(0.0)));
  CHECK(same_bits(GetMaxSystemValue(safedouble(in.d[1])), GetMaxSystemValue(safedouble())));
  CHECK(same_bits(GetMaxSystemValue(Float<safefloat>::raw(in, 1)), GetMaxSystemValue(safefloat())));
  const safeint s(in.i[1]);
  CHECK(ival(GetMaxSystemValue(s)) == ival(GetMaxSystemValue(safeint())));
  CHECK(ival(GetMaxSystemValueMinusOne(s)) == ival(GetMaxSystemValueMinusOne(safeint())));
  CHECK(ival(GetMinSystemValue(s)) == ival(GetMinSystemValue(safeint())));
  // The saturated values are what the saturating path itself produces.
  CHECK(GetMaxSystemValue(safefloat()).Function_1978() == kFloatCeiling);
  CHECK(GetMaxSystemValue(safedouble()).Function_1978() == kDoubleCeiling);
}

void run_int(const Input& in, int group) {
  const safeint a(in.i[0]), b(in.i[1]);
  switch (group) {
    case 0: check_int_core(a, b); check_int_relations(a, b); break;
    case 1: check_int_compound(a, b); break;
    case 2: check_int_mixed(a, in.i[1], in.f[1], in.d[1]); break;
    case 3: check_int_math(a, b); break;
    case 4: check_int_conversions(in); break;
    default: check_limits(in); break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Input in(data, size);
  const int family = in.selector % 3;
  const int group = (in.selector / 3) % 6;
  switch (family) {
    case 0: run_int(in, group); break;
    case 1: run_float<safefloat>(in, group); break;
    default: run_float<safedouble>(in, group); break;
  }
  return 0;
}
