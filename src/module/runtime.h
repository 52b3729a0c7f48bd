// The little the library takes from a language runtime: fixed-width
// integers, floating limits, sqrt, floor, ceil, fabs, isnan, memcpy and
// is_same. Every source file includes this header rather than the standard
// headers themselves.
//
// A hosted build takes them from the standard library. The Windows DLL in
// Microsoft's ABI is built freestanding (-ffreestanding): no C or C++ runtime
// headers exist for it, so the same names come from the compiler's own
// headers and builtins. sqrt and fabs become instructions; floor and ceil
// without SSE4.1 become calls to MSVCRT.dll's floor and ceil. (Freestanding,
// <emmintrin.h> leaves out <mm_malloc.h> and its absent <stdlib.h> itself.)
#ifndef SAFENUM_SRC_MODULE_RUNTIME_H
#define SAFENUM_SRC_MODULE_RUNTIME_H

#if __STDC_HOSTED__

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <type_traits>

#else

#include <float.h>
#include <stdint.h>

#define HUGE_VAL __builtin_huge_val()
#define HUGE_VALF __builtin_huge_valf()

// The standard names the library uses, for a build that has no standard
// library to give them.
namespace std {
using ::int64_t;
using ::uint32_t;
using ::uint64_t;
inline double sqrt(double x) { return __builtin_sqrt(x); }
inline double floor(double x) { return __builtin_floor(x); }
inline double ceil(double x) { return __builtin_ceil(x); }
inline double fabs(double x) { return __builtin_fabs(x); }
inline bool isnan(double x) { return __builtin_isnan(x); }
inline void* memcpy(void* to, const void* from, decltype(sizeof 0) n) {
  return __builtin_memcpy(to, from, n);
}
template <class A, class B>
struct is_same {
  static constexpr bool value = __is_same(A, B);
};
}  // namespace std

// Floating code refers to _fltused, which a C runtime would define.
extern "C" __declspec(selectany) int _fltused = 1;

#endif

#endif  // SAFENUM_SRC_MODULE_RUNTIME_H
