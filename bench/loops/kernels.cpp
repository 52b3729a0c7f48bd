// The two baselines of the loop family, inline in their loops as a user
// would write them: the plain operation, and a hand-written saturating one
// (__builtin_*_overflow clamped to +-2147483647 for int, the operation then
// a clamp to [-C, C] for float and double).
#include <vector>

#include "../saturating.h"
#include "loops.h"

namespace loops {
namespace {

using namespace hand;

std::vector<int> i_a, i_b, i_out;
std::vector<float> f_a, f_b, f_out;
std::vector<double> d_a, d_b, d_out;

void setup(const Operands& in) {
  i_a = in.ia;
  i_b = in.ib;
  i_out = i_a;
  f_a = in.fa;
  f_b = in.fb;
  f_out = f_a;
  d_a = in.da;
  d_b = in.db;
  d_out = d_a;
}

unsigned long long result(Class c, int i) {
  return c == kInt ? bits_of(i_out, i) : c == kFloat ? bits_of(f_out, i) : bits_of(d_out, i);
}

#define SAFENUM_LOOP(vs, expr) [] { pass(vs##_a, vs##_b, vs##_out, [](auto a, auto b) { return expr; }); }

const Form kPlain = {
    "plain",
    setup,
    {{SAFENUM_LOOP(i, add_plain(a, b)), SAFENUM_LOOP(i, sub_plain(a, b)),
      SAFENUM_LOOP(i, mul_plain(a, b)), SAFENUM_LOOP(i, div_plain(a, b))},
     {SAFENUM_LOOP(f, a + b), SAFENUM_LOOP(f, a - b), SAFENUM_LOOP(f, a * b), SAFENUM_LOOP(f, a / b)},
     {SAFENUM_LOOP(d, a + b), SAFENUM_LOOP(d, a - b), SAFENUM_LOOP(d, a * b), SAFENUM_LOOP(d, a / b)}},
    result};

const Form kHand = {
    "hand-written",
    setup,
    {{SAFENUM_LOOP(i, add_sat(a, b)), SAFENUM_LOOP(i, sub_sat(a, b)), SAFENUM_LOOP(i, mul_sat(a, b)),
      SAFENUM_LOOP(i, div_sat(a, b))},
     {SAFENUM_LOOP(f, fclamp(a + b)), SAFENUM_LOOP(f, fclamp(a - b)),
      SAFENUM_LOOP(f, fclamp(a * b)), SAFENUM_LOOP(f, fclamp(a / b))},
     {SAFENUM_LOOP(d, dclamp(a + b)), SAFENUM_LOOP(d, dclamp(a - b)),
      SAFENUM_LOOP(d, dclamp(a * b)), SAFENUM_LOOP(d, dclamp(a / b))}},
    result};

}  // namespace

Form plain_form() { return kPlain; }
Form hand_form() { return kHand; }

}  // namespace loops
