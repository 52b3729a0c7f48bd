// SPDX-License-Identifier: BSL-1.0
// The little the library takes from a language runtime: fixed-width
// integers, floating limits, sqrt, fabs, fma, copysign, isnan and memcpy,
// under the library's own names in safenum::rt. Every source file includes
// this header rather than the standard headers themselves.
//
// A hosted build takes them from the standard library. The Windows DLL in
// Microsoft's ABI is built freestanding (-ffreestanding): no C or C++ runtime
// headers exist for it, so the same names come from the compiler's own
// headers and builtins, and nothing is added to namespace std. sqrt, fabs
// and copysign become instructions, so the number types call nothing at
// all. (Floor and ceiling are the library's own, float/floor_ceil.h.
// Freestanding, <emmintrin.h> leaves out <mm_malloc.h> and its absent
// <stdlib.h> itself.)
#ifndef SAFENUM_COMMON_RUNTIME_H
#define SAFENUM_COMMON_RUNTIME_H

#if __STDC_HOSTED__

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace safenum {
namespace rt {
using std::int64_t;
using std::uint32_t;
using std::uint64_t;
using std::copysign;
using std::fabs;
using std::fma;
using std::isnan;
using std::memcpy;
using std::sqrt;
}  // namespace rt
}  // namespace safenum

#else

#include <float.h>
#include <stdint.h>

#define HUGE_VAL __builtin_huge_val()
#define HUGE_VALF __builtin_huge_valf()

namespace safenum {
namespace rt {
using ::int64_t;
using ::uint32_t;
using ::uint64_t;
inline double copysign(double x, double y) { return __builtin_copysign(x, y); }
inline float copysign(float x, float y) { return __builtin_copysignf(x, y); }
inline double fabs(double x) { return __builtin_fabs(x); }
inline float fabs(float x) { return __builtin_fabsf(x); }
inline double fma(double x, double y, double z) { return __builtin_fma(x, y, z); }
inline float fma(float x, float y, float z) { return __builtin_fmaf(x, y, z); }
inline bool isnan(double x) { return __builtin_isnan(x); }
inline void* memcpy(void* to, const void* from, decltype(sizeof 0) n) {
  return __builtin_memcpy(to, from, n);
}
inline double sqrt(double x) { return __builtin_sqrt(x); }
}  // namespace rt
}  // namespace safenum

// Floating code refers to _fltused, which a C runtime would define.
extern "C" __declspec(selectany) int _fltused = 1;

#endif

#endif  // SAFENUM_COMMON_RUNTIME_H
