// Rows for the Windows clients, in the form of the export table
// (tests/support/exports.h)
//   ROW(A, B, library call, model result)
// checking what the interface leaves implicit: copy construction, copy
// assignment (also of an object to itself), destruction, objects passed by
// value to the exports that take them so and objects returned by value. Each
// result is the raw bits of the object concerned, which must equal the
// model's value exactly, a signalling NaN's included.
//
// In a library call copied(x) is a copy of x returned by value, assigned(x,
// y) the object x after x = y, destroyed(x) the storage of a copy of x after
// its destructor ran, and BY_VALUE(f, x) the result of f given a copy of x.
#ifndef ROW
#error "define ROW(A, B, library, model) before including copies.h"
#endif

#define COPIES(LIST, make)                                                 \
  ROW(LIST, NONE, stored(copied(make(a))), make(a))                        \
  ROW(LIST, LIST, stored(assigned(make(a), make(b))), make(b))             \
  ROW(LIST, NONE, stored(SELF(make(a), =)), make(a))                       \
  ROW(LIST, NONE, destroyed(make(a)), make(a))
COPIES(INTS, si)
COPIES(FLOATS, sf)
COPIES(DOUBLES, sd)

ROW(INTS, NONE, stored(BY_VALUE(GetMaxSystemValue, si(a))), model::limits::max_safeint)
ROW(INTS, NONE, stored(BY_VALUE(GetMaxSystemValueMinusOne, si(a))),
    model::limits::max_safeint_minus_one)
ROW(INTS, NONE, stored(BY_VALUE(GetMinSystemValue, si(a))), model::limits::min_safeint)
ROW(FLOATS, NONE, stored(BY_VALUE(GetMaxSystemValue, sf(a))), model::limits::max_safefloat())
ROW(DOUBLES, NONE, stored(BY_VALUE(GetMaxSystemValue, sd(a))), model::limits::max_safedouble())

#undef COPIES
#undef ROW
