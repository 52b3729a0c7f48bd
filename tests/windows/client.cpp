// An MSVC-ABI client of safenum.dll, linked with safenum.lib: calls every
// exported function on the operands of operands.h (every row of the export
// table tests/support/exports.h) and compares the bits of
// each result with the reference the models wrote (reference.h), in order.
//
// Two differences are allowed. A float or double returned by value travels
// on the x87 stack, which sets the quiet bit of a signalling NaN; every object
// result travels through memory and keeps its bits. And where two NaN
// operands meet in a sum or product, the compiler may put either one first,
// so the result is either one's NaN.
#include "safenum/common/runtime.h"
#include "exports_library.h"
#include "operands.h"
#include "reference.h"

extern "C" int __cdecl printf(const char* format, ...);
extern "C" int __cdecl fflush(void* stream);

namespace {

using namespace library_side;

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
  if (__is_floating_point(T)) same |= is_nan(want) && g == (want | quiet);
  if (__is_floating_point(T) || __is_same(T, safefloat) || __is_same(T, safedouble)) {
    same |= two_nans && is_nan(want) && is_nan(g);
  }
  if (!same && ++failures <= 30) {
    printf("FAIL %s with a=%llx b=%llx: %llx, model %llx\n", call, a, b, g, want);
  }
}

}  // namespace

int main() {
#define ROW(A, B, library, reference) \
  ++functions;                        \
  for (auto a : A)                    \
    for (auto b : B) check(library, #library, bits(a), bits(b), nan(a) && nan(b));
#include "exports.h"
  const long count = sizeof kReference / sizeof kReference[0];
  if (next != kReference + count) {
    printf("FAIL: %ld results checked, %ld references\n", static_cast<long>(next - kReference),
           count);
    ++failures;
  }
  printf("%ld results of %d exported functions: %d differ from the models\n", count, functions,
         failures);
  fflush(nullptr);
  return failures != 0;
}
