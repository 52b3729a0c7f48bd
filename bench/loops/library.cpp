// The library's loops, compiled twice: with SAFENUM_HEADER_ONLY, where every
// operation is inline in the loop, and against the library, where each is a
// call. The source is the same, as a user's would be.
#include <vector>

#include "loops.h"
#include "safenum.h"

namespace loops {
namespace {

std::vector<safeint> i_a, i_b, i_out;
std::vector<safefloat> f_a, f_b, f_out;
std::vector<safedouble> d_a, d_b, d_out;

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
  return c == kInt ? bits_of(i_out, i) : c == kFloat ? bits_of(f_out, i) : bits_of(d_out, i);
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
