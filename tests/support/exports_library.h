// SPDX-License-Identifier: BSL-1.0
// The library side of the export table (exports.h): the objects a row's
// library call works on. Uses nothing but the public header, so that the
// Windows client, which has no standard library, can include it too.
#ifndef SAFENUM_TESTS_SUPPORT_EXPORTS_LIBRARY_H
#define SAFENUM_TESTS_SUPPORT_EXPORTS_LIBRARY_H

#include "safenum.h"

// A copy of the object after `copy op operand`, and after `copy op copy`
// (through a reference, which no compiler takes for a mistaken
// self-assignment).
#define ASSIGN(object, op, operand) [&] { auto x = object; x op operand; return x; }()
#define SELF(object, op) [&] { auto x = object; const auto& itself = x; x op itself; return x; }()

namespace library_side {

inline safeint si(int v) { return safeint(v); }
inline safefloat sf(float v) { return ASSIGN(safefloat(), =, v); }
// An infinite safedouble comes from the float assignment; the construction
// would saturate it.
inline safedouble sd(double v) {
  return __builtin_isinf(v) ? ASSIGN(safedouble(), =, static_cast<float>(v)) : safedouble(v);
}
// The argument of ceil, which takes a non-const reference.
template <class T>
T& lvalue(T&& v) {
  return v;
}

}  // namespace library_side

#endif  // SAFENUM_TESTS_SUPPORT_EXPORTS_LIBRARY_H
