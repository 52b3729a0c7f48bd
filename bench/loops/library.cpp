// The library's loops, compiled twice: with SAFENUM_HEADER_ONLY, where every
// operation is inline in the loop, and against the library, where each is a
// call. The source is the same, as a user's would be.
#include <cstring>
#include <vector>

#include "loops.h"
#include "safenum.h"

namespace loops {
namespace {

std::vector<safeint> i_a, i_b, i_out;
std::vector<safefloat> f_a, f_b, f_out;
std::vector<safedouble> d_a, d_b, d_out;

template <class T, class Fn>
void pass(const std::vector<T>& a, const std::vector<T>& b, std::vector<T>& out, Fn fn) {
  const int n = static_cast<int>(a.size());
  const T* pa = a.data();
  const T* pb = b.data();
  T* po = out.data();
  for (int i = 0; i < n; ++i) po[i] = fn(pa[i], pb[i]);
}

#define SAFENUM_LOOP(vs, op) \
  [] { pass(vs##_a, vs##_b, vs##_out, [](const auto& x, const auto& y) { return x op y; }); }
#define SAFENUM_LOOPS(vs) \
  { SAFENUM_LOOP(vs, +), SAFENUM_LOOP(vs, -), SAFENUM_LOOP(vs, *), SAFENUM_LOOP(vs, /) }

void setup(const Operands& in) {
  i_a.assign(in.ia.begin(), in.ia.end());
  i_b.assign(in.ib.begin(), in.ib.end());
  i_out = i_a;
  f_a.clear();
  f_b.clear();
  // The floats stored as they are, by the unchecked assignment.
  for (float x : in.fa) f_a.emplace_back() = x;
  for (float x : in.fb) f_b.emplace_back() = x;
  f_out = f_a;
  d_a.assign(in.da.begin(), in.da.end());
  d_b.assign(in.db.begin(), in.db.end());
  d_out = d_a;
}

unsigned long long result(Class c, int i) {
  unsigned long long bits = 0;
  if (c == kInt) std::memcpy(&bits, &i_out[i], sizeof i_out[i]);
  if (c == kFloat) std::memcpy(&bits, &f_out[i], sizeof f_out[i]);
  if (c == kDouble) std::memcpy(&bits, &d_out[i], sizeof d_out[i]);
  return bits;
}

}  // namespace

#if defined(SAFENUM_HEADER_ONLY)
Form header_only_form() {
  return {"header-only", setup, {SAFENUM_LOOPS(i), SAFENUM_LOOPS(f), SAFENUM_LOOPS(d)}, result};
}
#else
Form linked_form() {
  return {"linked", setup, {SAFENUM_LOOPS(i), SAFENUM_LOOPS(f), SAFENUM_LOOPS(d)}, result};
}
#endif

}  // namespace loops
