// SPDX-License-Identifier: BSL-1.0
// Every exported function of the library, once, as a row
//   ROW(A, B, library call, model result)
// checked on every operand a of list A and b of list B (NONE: one unused
// operand). The test drivers, the fuzz target and the Windows client each
// define ROW and the lists INTS, CHARS, FLOATS, DOUBLES; FAMILY(name) opens
// the rows of one family of the library.
//
// In a library call si(x), sf(x) and sd(x) are the safeint of the int x, the
// safefloat holding the float x (by its unchecked assignment) and the
// safedouble constructed from the double x (holding x when it is infinite);
// in a model result they are the values those objects hold
// (exports_library.h, exports_model.h). t(s, x) is the temporary that an
// operator beside an operand of s's class builds from the plain operand x.
#ifndef ROW
#error "define ROW(A, B, library, model) before including exports.h"
#endif
#ifndef FAMILY
#define FAMILY(name)
#endif

// ---------------------------------------------------------------------------
FAMILY(conversions)
// ---------------------------------------------------------------------------
ROW(NONE, NONE, safeint(), 0)
ROW(INTS, NONE, safeint(a), a)
ROW(CHARS, NONE, safeint(a), model::from_char(a))
ROW(FLOATS, NONE, safeint(a), model::round_from_float(a))
ROW(DOUBLES, NONE, safeint(a), model::round_from_double(a))
ROW(FLOATS, NONE, safeint(sf(a)), model::nint(sf(a)))
ROW(DOUBLES, NONE, safeint(sd(a)), model::nint(sd(a)))
ROW(INTS, NONE, ASSIGN(safeint(), =, a), a)
ROW(CHARS, NONE, ASSIGN(safeint(), =, a), model::from_char(a))
ROW(FLOATS, NONE, ASSIGN(safeint(), =, a), model::truncate_from(a))
ROW(DOUBLES, NONE, ASSIGN(safeint(), =, a), model::truncate_from(a))
ROW(INTS, NONE, int(si(a)), a)
ROW(INTS, NONE, static_cast<unsigned long>(si(a)), a < 0 ? a + 4294967296LL : a)
ROW(INTS, NONE, static_cast<float>(si(a)), static_cast<float>(a))
ROW(INTS, NONE, static_cast<double>(si(a)), static_cast<double>(a))
ROW(INTS, NONE, static_cast<long double>(si(a)), static_cast<double>(a))
ROW(INTS, NONE, si(a).Function_1976(), model::limits::max_safeint_minus_one)
ROW(INTS, NONE, si(a).Function_1978(), static_cast<double>(a))

// The ways into a floating class T, and its members; a float reaches the
// constructor from double.
#define FLOATING(T, LIST, make)                                                    \
  ROW(NONE, NONE, T(), t(make(0), 0))                                              \
  ROW(INTS, NONE, T(a), t(make(0), a))                                             \
  ROW(CHARS, NONE, T(a), t(make(0), model::from_char(a)))                          \
  ROW(FLOATS, NONE, T(a), t(make(0), a))                                           \
  ROW(DOUBLES, NONE, T(a), t(make(0), a))                                          \
  ROW(INTS, NONE, T(si(a)), t(make(0), a))                                         \
  ROW(INTS, NONE, T(lvalue(si(a))), t(make(0), a))                                 \
  ROW(INTS, NONE, ASSIGN(T(), =, a), t(make(0), a))                                \
  ROW(CHARS, NONE, ASSIGN(T(), =, a), t(make(0), model::from_char(a)))             \
  ROW(DOUBLES, NONE, ASSIGN(T(), =, a), t(make(0), a))                             \
  ROW(FLOATS, NONE, ASSIGN(T(), =, a), decltype(make(0))(a))                       \
  ROW(LIST, NONE, int(make(a)), model::nint(make(a)))                              \
  ROW(LIST, NONE, make(a).nint(), model::nint(make(a)))                            \
  ROW(LIST, NONE, make(a).Function_1975(), model::single_of(make(a)))              \
  ROW(LIST, NONE, make(a).Function_1978(), static_cast<double>(make(a)))           \
  ROW(LIST, NONE, make(a).Function_1979(), model::floor_of(make(a)))               \
  ROW(LIST, NONE, make(a).Function_1977(), model::ceiling_of(make(a)))             \
  ROW(LIST, NONE, make(a).Function_1980(), model::truncated(make(a)))              \
  ROW(LIST, NONE, make(a).Function_1981(), model::is_saturated(make(a)))
FLOATING(safefloat, FLOATS, sf)
FLOATING(safedouble, DOUBLES, sd)

// ---------------------------------------------------------------------------
// Compound members, also with the object itself on the right, and relations.
#define COMPOUND_AND_RELATIONS(LIST, make)                                         \
  ROW(LIST, LIST, ASSIGN(make(a), +=, make(b)), model::add_assign(make(a), make(b)))      \
  ROW(LIST, LIST, ASSIGN(make(a), *=, make(b)), model::multiply_assign(make(a), make(b))) \
  ROW(LIST, LIST, ASSIGN(make(a), /=, make(b)), model::divide_assign(make(a), make(b)))   \
  ROW(LIST, NONE, SELF(make(a), +=), model::add_assign(make(a), make(a)))          \
  ROW(LIST, NONE, SELF(make(a), *=), model::multiply_assign(make(a), make(a)))     \
  ROW(LIST, NONE, SELF(make(a), /=), model::divide_assign(make(a), make(a)))       \
  ROW(LIST, LIST, make(a) == make(b), model::relate(model::eq, make(a), make(b)))  \
  ROW(LIST, LIST, make(a) != make(b), model::relate(model::ne, make(a), make(b)))  \
  ROW(LIST, LIST, make(a) < make(b), model::relate(model::lt, make(a), make(b)))   \
  ROW(LIST, LIST, make(a) <= make(b), model::relate(model::le, make(a), make(b)))  \
  ROW(LIST, LIST, make(a) > make(b), model::relate(model::gt, make(a), make(b)))   \
  ROW(LIST, LIST, make(a) >= make(b), model::relate(model::ge, make(a), make(b)))

// ---------------------------------------------------------------------------
FAMILY(integer)
// ---------------------------------------------------------------------------
COMPOUND_AND_RELATIONS(INTS, si)

// The core operator, then each plain operand b on either side: it becomes
// the temporary t, and the core runs on s = si(a) and t in the row's order.
#define INT_OPERATOR(op, core, s_op_b, b_op_s)                                     \
  ROW(INTS, INTS, si(a) op si(b), model::core(a, b))                               \
  ROW(INTS, INTS, si(a) op b, model::s_op_b) ROW(INTS, INTS, b op si(a), model::b_op_s)       \
  ROW(INTS, FLOATS, si(a) op b, model::s_op_b) ROW(INTS, FLOATS, b op si(a), model::b_op_s)   \
  ROW(INTS, DOUBLES, si(a) op b, model::s_op_b) ROW(INTS, DOUBLES, b op si(a), model::b_op_s)
INT_OPERATOR(+, add, add(a, t(a, b)), add(a, t(a, b)))
INT_OPERATOR(-, subtract, subtract(a, t(a, b)), subtract(t(a, b), a))
INT_OPERATOR(*, multiply, multiply(t(a, b), a), multiply(t(a, b), a))
INT_OPERATOR(/, divide, divide(a, t(a, b)), divide(t(a, b), a))

// ---------------------------------------------------------------------------
FAMILY(floating)
// ---------------------------------------------------------------------------
COMPOUND_AND_RELATIONS(FLOATS, sf)
COMPOUND_AND_RELATIONS(DOUBLES, sd)

// The core operator of class make, then the other operand (made by other, or
// plain) on the right and on the left, as a temporary of the class.
#define RIGHT(LIST, make, op, core, OTHERS, other) \
  ROW(LIST, OTHERS, make(a) op other(b), model::core(make(a), t(make(a), other(b))))
#define LEFT(LIST, make, op, core, OTHERS, other) \
  ROW(OTHERS, LIST, other(a) op make(b), model::core(t(make(b), other(a)), make(b)))
#define BOTH(...) RIGHT(__VA_ARGS__) LEFT(__VA_ARGS__)
#define FLOAT_OPERATOR(LIST, make, op, core)                                       \
  ROW(LIST, LIST, make(a) op make(b), model::core(make(a), make(b)))               \
  BOTH(LIST, make, op, core, INTS, ) BOTH(LIST, make, op, core, FLOATS, )          \
  BOTH(LIST, make, op, core, DOUBLES, )
// A safeint takes no part in '-' and is only ever the dividend.
#define FLOAT_OPERATORS(LIST, make)                                                \
  FLOAT_OPERATOR(LIST, make, +, add) BOTH(LIST, make, +, add, INTS, si)            \
  FLOAT_OPERATOR(LIST, make, -, subtract)                                          \
  FLOAT_OPERATOR(LIST, make, *, multiply) BOTH(LIST, make, *, multiply, INTS, si)  \
  FLOAT_OPERATOR(LIST, make, /, divide) LEFT(LIST, make, /, divide, INTS, si)
FLOAT_OPERATORS(FLOATS, sf)
FLOAT_OPERATORS(DOUBLES, sd)

// ---------------------------------------------------------------------------
FAMILY(math_and_limits)
// ---------------------------------------------------------------------------
#define MATH(LIST, make)                                                           \
  ROW(LIST, NONE, Function_1971(make(a)), model::root(make(a)))                    \
  ROW(LIST, LIST, Function_1982(make(a), make(b)), model::larger(make(a), make(b))) \
  ROW(LIST, LIST, Function_1983(make(a), make(b)), model::smaller(make(a), make(b)))
MATH(INTS, si)
MATH(FLOATS, sf)
MATH(DOUBLES, sd)
ROW(FLOATS, NONE, ceil(lvalue(sf(a))), model::ceil(sf(a)))
ROW(DOUBLES, NONE, ceil(lvalue(sd(a))), model::ceil(sd(a)))
ROW(INTS, NONE, abs(si(a)), model::abs(a))

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

#undef FLOATING
#undef COMPOUND_AND_RELATIONS
#undef INT_OPERATOR
#undef RIGHT
#undef LEFT
#undef BOTH
#undef FLOAT_OPERATOR
#undef FLOAT_OPERATORS
#undef MATH
#undef FAMILY
#undef ROW
