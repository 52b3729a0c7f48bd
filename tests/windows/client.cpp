// SPDX-License-Identifier: BSL-1.0
// An MSVC-ABI client of safenum.dll, linked with safenum.lib: calls every
// exported function on the operands of operands.h (every row of the export
// table tests/support/exports.h), copies, assigns, destroys and passes objects
// by value (the rows of copies.h), and compares the bits of each result with
// the reference the models wrote (reference.h), in order.
//
// It is built twice: with safenum.h, whose classes copy and destroy
// themselves, and with a safenum.h that declared.cmake writes from the export
// list, declaring each class's copy constructor, copy assignment and
// destructor as a program built from the interface's listing would; that
// build takes all three from the DLL.
//
// Two differences are allowed. On 32-bit x86 a float or double returned by
// value travels on the x87 stack, which sets the quiet bit of a signalling
// NaN; every object result travels through memory and keeps its bits (at x64
// floating results return in SSE registers and keep them too). And where two
// NaN operands meet in a sum or product, the compiler may put either one
// first, so the result is either one's NaN.
#include "safenum/common/runtime.h"
#include "exports_library.h"
#include "operands.h"
#include "reference.h"

extern "C" int __cdecl printf(const char* format, ...);
extern "C" int __cdecl fflush(void* stream);
inline void* operator new(decltype(sizeof 0), void* where) noexcept { return where; }

namespace {

using namespace library_side;

#if defined(_M_IX86)
constexpr bool kX87Returns = true;
#else
constexpr bool kX87Returns = false;
#endif
constexpr auto nan = [](auto v) { return v != v; };
const unsigned long long* next = kReference;
int failures = 0, functions = 0;

template <class T>
unsigned long long bits(T v) {
  unsigned long long b = 0;
  safenum::rt::memcpy(&b, &v, sizeof v);
  return b;
}

template <class T>
void check(T got, const char* call, unsigned long long a, unsigned long long b, bool two_nans) {
  const unsigned long long want = *next++, g = bits(got);
  const int fraction = sizeof(T) == 4 ? 23 : 52;
  const unsigned long long quiet = 1ull << (fraction - 1), mantissa = (1ull << fraction) - 1;
  const unsigned long long exponent = (sizeof(T) == 4 ? 0x7fffffffull : ~0ull >> 1) & ~mantissa;
  const auto is_nan = [&](unsigned long long v) {
    return (v & exponent) == exponent && (v & mantissa);
  };
  bool same = g == want;
  if (kX87Returns && __is_floating_point(T)) same |= is_nan(want) && g == (want | quiet);
  if (__is_floating_point(T) || __is_same(T, safefloat) || __is_same(T, safedouble)) {
    same |= two_nans && is_nan(want) && is_nan(g);
  }
  if (!same && ++failures <= 30) {
    printf("FAIL %s with a=%llx b=%llx: %llx, model %llx\n", call, a, b, g, want);
  }
}

// The rows of copies.h.
template <int Bytes>
struct word {
  using type = unsigned;
};
template <>
struct word<8> {
  using type = unsigned long long;
};
// The object's stored bits.
template <class T>
typename word<sizeof(T)>::type stored(const T& x) {
  typename word<sizeof(T)>::type b;
  safenum::rt::memcpy(&b, &x, sizeof b);
  return b;
}
template <class T>
T copied(const T& x) {
  T copy(x);
  return copy;
}
template <class T>
T assigned(T x, const T& y) {
  x = y;
  return x;
}
// The storage of a copy of x once the copy's destructor has run.
template <class T>
typename word<sizeof(T)>::type destroyed(const T& x) {
  alignas(T) unsigned char storage[sizeof(T)];
  (new (storage) T(x))->~T();
  typename word<sizeof(T)>::type b;
  safenum::rt::memcpy(&b, storage, sizeof b);
  return b;
}
// f given an object by value, which the caller copies from an lvalue.
#define BY_VALUE(f, object) \
  [&] {                     \
    const auto x = object;  \
    return f(x);            \
  }()

}  // namespace

int main() {
#define ROW(A, B, library, reference) \
  ++functions;                        \
  for (auto a : A)                    \
    for (auto b : B) check(library, #library, bits(a), bits(b), nan(a) && nan(b));
#include "exports.h"
  const long count = sizeof kReference / sizeof kReference[0];
  const long checked = next - kReference;
  next = kCopies;
#define ROW(A, B, library, reference) \
  for (auto a : A)                    \
    for (auto b : B) check(library, #library, bits(a), bits(b), false);
#include "copies.h"
  const long copies = sizeof kCopies / sizeof kCopies[0];
  if (checked != count || next != kCopies + copies) {
    printf("FAIL: %ld and %ld results checked, %ld and %ld references\n", checked,
           static_cast<long>(next - kCopies), count, copies);
    ++failures;
  }
  printf("%ld results of %d exported functions, %ld of copies: %d differ from the models\n",
         count, functions, copies, failures);
  fflush(nullptr);
  return failures != 0;
}
