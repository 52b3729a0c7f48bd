// Every exported function of the DLL, once, as a row
//   ROW(A, B, library expression, model expression)
// run on every a of operand list A and b of list B. The Windows client
// compiles the library expressions; the reference generator, on the build
// machine, the model expressions of tests/support. Both read si(x), sf(x),
// sd(x) as the safeint of the int x, the safefloat holding the float x (by
// its unchecked assignment) and the safedouble constructed from the double x,
// each in its own terms.
#ifndef ROW
#error "define ROW(A, B, library, model) before including families.h"
#endif

// ---- operand lists (NONE: a single unused operand) ----
constexpr int NONE[] = {0};
constexpr int INTS[] = {0, 1, -1, 2, -3, 7, 46340, -46341, 65537, 1073741823, -1073741825,
                        2147483584, -2147483584, 2147483646, 2147483647, -2147483647,
                        -2147483647 - 1, 123456789, -987654321};
constexpr char CHARS[] = {0, 1, 'A', 127, -1, -128};
constexpr float FLOATS[] = {0.0f, -0.0f, 0.5f, -0.5f, 1.0f, -1.5f, 2.5f, 7.75f, 0x1p-149f,
                            0x1p-126f, 3e-38f, 2147483520.0f, 0x1p31f, -0x1p31f, 0x1p125f,
                            0x1p126f, -0x1p126f, 0x1.fffffep125f, 3.4028235e38f,
                            __builtin_inff(), -__builtin_inff(), __builtin_nanf(""),
                            __builtin_nansf("0x5"), 1e10f};
constexpr double DOUBLES[] = {0.0, -0.0, 0.5, -0.5, 1.0, -1.0, 1.5, -2.5, 1.0 / 3, 1e-300,
                              0x1p-1074, 0x1p-1022, 0x1p-126, 2147483646.5, 2147483647.0,
                              -2147483647.5, 0x1p31, 1e10, 0x1p125, 0x1p126, -0x1p126,
                              3.4028234663852886e38, 1e300, 0x1p1021, 0x1.fffffffffffffp1021,
                              0x1p1022, -0x1p1022, 1.7976931348623157e308, __builtin_inf(),
                              -__builtin_inf(), __builtin_nan(""), -__builtin_nan(""),
                              __builtin_nans("0x5")};

// ---- safeint: value, conversions, compound assignment, members ----
ROW(NONE, NONE, safeint(), 0)
ROW(INTS, NONE, safeint(a), a)
ROW(CHARS, NONE, safeint(a), model::from_char(a))
ROW(FLOATS, NONE, safeint(a), model::round_from_float(a))
ROW(DOUBLES, NONE, safeint(a), model::round_from_double(a))
ROW(FLOATS, NONE, safeint(sf(a)), model::nint<F1>(sf(a)))
ROW(DOUBLES, NONE, safeint(sd(a)), model::nint<F2>(sd(a)))
ROW(INTS, NONE, ASSIGN(safeint(), =, a), a)
ROW(CHARS, NONE, ASSIGN(safeint(), =, a), model::from_char(a))
ROW(FLOATS, NONE, ASSIGN(safeint(), =, a), model::truncate_from(a))
ROW(DOUBLES, NONE, ASSIGN(safeint(), =, a), model::truncate_from(a))
ROW(INTS, NONE, int(si(a)), a)
ROW(INTS, NONE, static_cast<unsigned long>(si(a)), static_cast<std::uint32_t>(a))
ROW(INTS, NONE, static_cast<float>(si(a)), static_cast<float>(a))
ROW(INTS, NONE, static_cast<double>(si(a)), static_cast<double>(a))
ROW(INTS, NONE, static_cast<long double>(si(a)), static_cast<double>(a))
ROW(INTS, NONE, si(a).Function_1976(), model::limits::max_safeint_minus_one)
ROW(INTS, NONE, si(a).Function_1978(), static_cast<double>(a))

// ---- safefloat and safedouble: value, conversions, members ----
#define FLOATING(T, LIST, make, M)                                                         \
  ROW(NONE, NONE, T(), model::store<M>(0.0))                                               \
  ROW(INTS, NONE, T(a), model::from_int<M>(a))                                             \
  ROW(CHARS, NONE, T(a), model::from_int<M>(model::from_char(a)))                          \
  ROW(DOUBLES, NONE, T(a), model::construct<M>(a))                                         \
  ROW(INTS, NONE, T(si(a)), model::from_int<M>(a))                                         \
  ROW(INTS, NONE, T(lvalue(si(a))), model::from_int<M>(a))                                 \
  ROW(INTS, NONE, ASSIGN(T(), =, a), model::from_int<M>(a))                                \
  ROW(CHARS, NONE, ASSIGN(T(), =, a), model::from_int<M>(model::from_char(a)))             \
  ROW(DOUBLES, NONE, ASSIGN(T(), =, a), model::construct<M>(a))                            \
  ROW(FLOATS, NONE, ASSIGN(T(), =, a), model::assign_float<M>(a))                          \
  ROW(LIST, NONE, int(make(a)), model::nint<M>(make(a)))                                   \
  ROW(LIST, NONE, make(a).nint(), model::nint<M>(make(a)))                                 \
  ROW(LIST, NONE, make(a).Function_1975(), model::single_of<M>(make(a)))                   \
  ROW(LIST, NONE, make(a).Function_1978(), static_cast<double>(make(a)))                   \
  ROW(LIST, NONE, make(a).Function_1979(), model::floor_of<M>(make(a)))                    \
  ROW(LIST, NONE, make(a).Function_1977(), model::ceiling_of<M>(make(a)))                  \
  ROW(LIST, NONE, make(a).Function_1980(), model::truncated(static_cast<double>(make(a)))) \
  ROW(LIST, NONE, make(a).Function_1981(), model::is_saturated<M>(make(a)))
FLOATING(safefloat, FLOATS, sf, F1)
FLOATING(safedouble, DOUBLES, sd, F2)

// ---- compound assignment and relations of the three classes ----
#define EACH_CLASS(R)                                                                      \
  R(INTS, si, model::, ) R(FLOATS, sf, model::, <F1>) R(DOUBLES, sd, model::, <F2>)
#define COMPOUND(LIST, make, ns, M)                                                        \
  ROW(LIST, LIST, ASSIGN(make(a), +=, make(b)), ns add_assign M(make(a), make(b)))         \
  ROW(LIST, LIST, ASSIGN(make(a), *=, make(b)), ns multiply_assign M(make(a), make(b)))    \
  ROW(LIST, LIST, ASSIGN(make(a), /=, make(b)), ns divide_assign M(make(a), make(b)))
#define RELATIONS(LIST, make, ns, M)                                                       \
  ROW(LIST, LIST, make(a) == make(b), ns relate(ns eq, make(a), make(b)))                  \
  ROW(LIST, LIST, make(a) != make(b), ns relate(ns ne, make(a), make(b)))                  \
  ROW(LIST, LIST, make(a) < make(b), ns relate(ns lt, make(a), make(b)))                   \
  ROW(LIST, LIST, make(a) <= make(b), ns relate(ns le, make(a), make(b)))                  \
  ROW(LIST, LIST, make(a) > make(b), ns relate(ns gt, make(a), make(b)))                   \
  ROW(LIST, LIST, make(a) >= make(b), ns relate(ns ge, make(a), make(b)))
EACH_CLASS(COMPOUND)
EACH_CLASS(RELATIONS)

// ---- safeint binary operators: the plain operand b becomes t = ti(b); the
// core receives s = si(a) and t in the order of its row ----
#define INT_MIXED(op, left, right, LIST)                                                   \
  ROW(INTS, LIST, si(a) op b, model::left) ROW(INTS, LIST, b op si(a), model::right)
#define INT_OPS(op, core, left, right)                                                     \
  ROW(INTS, INTS, si(a) op si(b), model::core(a, b))                                       \
  INT_MIXED(op, left, right, INTS) INT_MIXED(op, left, right, FLOATS)                      \
  INT_MIXED(op, left, right, DOUBLES)
INT_OPS(+, add, add(a, ti(b)), add(a, ti(b)))
INT_OPS(-, subtract, subtract(a, ti(b)), subtract(ti(b), a))
INT_OPS(*, multiply, multiply(ti(b), a), multiply(ti(b), a))
INT_OPS(/, divide, divide(a, ti(b)), divide(ti(b), a))

// ---- floating binary operators: the core between two objects of the class
// (made by tmake), then the other operand (made by make, or plain) as a
// temporary of the class, in the written order ----
#define RIGHT(TLIST, tmake, M, op, core, LIST, make)                                       \
  ROW(TLIST, LIST, tmake(a) op make(b), model::core<M>(tmake(a), tf<M>(make(b))))
#define LEFT(TLIST, tmake, M, op, core, LIST, make)                                        \
  ROW(LIST, TLIST, make(a) op tmake(b), model::core<M>(tf<M>(make(a)), tmake(b)))
#define BOTH(...) RIGHT(__VA_ARGS__) LEFT(__VA_ARGS__)
#define OPERATOR(TLIST, tmake, M, op, core)                                                \
  ROW(TLIST, TLIST, tmake(a) op tmake(b), model::core<M>(tmake(a), tmake(b)))              \
  BOTH(TLIST, tmake, M, op, core, INTS, ) BOTH(TLIST, tmake, M, op, core, FLOATS, )        \
  BOTH(TLIST, tmake, M, op, core, DOUBLES, )
#define FLOAT_OPS(...)                                                                     \
  OPERATOR(__VA_ARGS__, +, add) BOTH(__VA_ARGS__, +, add, INTS, si)                        \
  OPERATOR(__VA_ARGS__, -, subtract)                                                       \
  OPERATOR(__VA_ARGS__, *, multiply) BOTH(__VA_ARGS__, *, multiply, INTS, si)              \
  OPERATOR(__VA_ARGS__, /, divide) LEFT(__VA_ARGS__, /, divide, INTS, si)
FLOAT_OPS(FLOATS, sf, F1)
FLOAT_OPS(DOUBLES, sd, F2)

// ---- limits ----
ROW(INTS, NONE, GetMaxSystemValue(long{a}), model::limits::max_long)
ROW(INTS, NONE, GetMaxSystemValue(a), model::limits::max_int)
ROW(INTS, NONE, GetMaxSystemValue(static_cast<short>(a)), model::limits::max_short)
ROW(FLOATS, NONE, GetMaxSystemValue(a), model::limits::max_float)
ROW(DOUBLES, NONE, GetMaxSystemValue(a), model::limits::max_double)
ROW(DOUBLES, NONE, GetMaxSystemValue(sd(a)), model::limits::max_safedouble())
ROW(FLOATS, NONE, GetMaxSystemValue(sf(a)), model::limits::max_safefloat())
ROW(INTS, NONE, GetMaxSystemValue(si(a)), model::limits::max_safeint)
ROW(INTS, NONE, GetMaxSystemValueMinusOne(si(a)), model::limits::max_safeint_minus_one)
ROW(INTS, NONE, GetMinSystemValue(si(a)), model::limits::min_safeint)

// ---- math functions ----
#define MATH(LIST, make, ns, M)                                                            \
  ROW(LIST, NONE, Function_1971(make(a)), ns root M(make(a)))                              \
  ROW(LIST, LIST, Function_1982(make(a), make(b)), ns larger M(make(a), make(b)))          \
  ROW(LIST, LIST, Function_1983(make(a), make(b)), ns smaller M(make(a), make(b)))
EACH_CLASS(MATH)
ROW(FLOATS, NONE, ceil(lvalue(sf(a))), model::ceil<F1>(sf(a)))
ROW(DOUBLES, NONE, ceil(lvalue(sd(a))), model::ceil<F2>(sd(a)))
ROW(INTS, NONE, abs(si(a)), model::abs(a))
