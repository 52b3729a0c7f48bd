// SPDX-License-Identifier: BSL-1.0
// Readable names for the numbered members and functions, opt-in:
//
//   #include <safenum/names.h>
//   double v = safenum::exact_value(d);          // d.Function_1978()
//   if (safenum::is_saturated(d)) ...            // d.Function_1981()
//
// Each is one inline call of the numbered name, which stays the interface
// the library exports. They take const references (the numbered members are
// non-const, so each calls it on a copy) and live in namespace safenum, so
// that no call that compiles without this header changes what it calls.
#ifndef SAFENUM_NAMES_H
#define SAFENUM_NAMES_H

#include "../safenum.h"

namespace safenum {

// The value, exact, as a double (Function_1978).
inline double exact_value(const safeint& x) { return safeint(x).Function_1978(); }
inline double exact_value(const safefloat& x) { return safefloat(x).Function_1978(); }
inline double exact_value(const safedouble& x) { return safedouble(x).Function_1978(); }
// The value in single precision, unsaturated (Function_1975).
inline float as_float(const safefloat& x) { return safefloat(x).Function_1975(); }
inline float as_float(const safedouble& x) { return safedouble(x).Function_1975(); }
// The nearest int, halves away from zero, saturated (nint).
inline int rounded(const safefloat& x) { return x.nint(); }
inline int rounded(const safedouble& x) { return x.nint(); }
// Floor and ceiling as plain numbers, unsaturated (Function_1979, Function_1977).
inline float floor(const safefloat& x) { return safefloat(x).Function_1979(); }
inline double floor(const safedouble& x) { return safedouble(x).Function_1979(); }
inline float ceiling(const safefloat& x) { return safefloat(x).Function_1977(); }
inline double ceiling(const safedouble& x) { return safedouble(x).Function_1977(); }
// Truncated toward zero, unsaturated (Function_1980).
inline int truncated(const safefloat& x) { return safefloat(x).Function_1980(); }
inline int truncated(const safedouble& x) { return safedouble(x).Function_1980(); }
// Whether the value is the ceiling of either sign, or a NaN (Function_1981);
// for safeint, whether it is 2147483647 or -2147483647.
inline bool is_saturated(const safefloat& x) { return safefloat(x).Function_1981() != 0; }
inline bool is_saturated(const safedouble& x) { return safedouble(x).Function_1981() != 0; }
inline bool is_saturated(const safeint& x) { return x == 2147483647 || x == -2147483647; }
// 2147483646, whatever x holds (Function_1976).
inline safeint max_minus_one(const safeint& x) { return safeint(x).Function_1976(); }
// The square root of the magnitude (Function_1971).
inline safeint sqrt_of_magnitude(const safeint& x) { return Function_1971(x); }
inline safefloat sqrt_of_magnitude(const safefloat& x) { return Function_1971(x); }
inline safedouble sqrt_of_magnitude(const safedouble& x) { return Function_1971(x); }
// The larger and the smaller of two values of one class (Function_1982,
// Function_1983), with their rules for NaN and equal values.
inline safeint larger(const safeint& a, const safeint& b) { return Function_1982(a, b); }
inline safefloat larger(const safefloat& a, const safefloat& b) { return Function_1982(a, b); }
inline safedouble larger(const safedouble& a, const safedouble& b) { return Function_1982(a, b); }
inline safeint smaller(const safeint& a, const safeint& b) { return Function_1983(a, b); }
inline safefloat smaller(const safefloat& a, const safefloat& b) { return Function_1983(a, b); }
inline safedouble smaller(const safedouble& a, const safedouble& b) { return Function_1983(a, b); }

}  // namespace safenum

#endif  // SAFENUM_NAMES_H
