// The two baselines of the loop family, inline in their loops as a user
// would write them: the plain operation, and a hand-written saturating one
// (__builtin_*_overflow clamped to +-2147483647 for int, the operation then
// a clamp to [-C, C] for float and double).
#include <cstring>
#include <vector>

#include "loops.h"

namespace loops {
namespace {

constexpr int kMax = 2147483647;
constexpr float kFloatC = 0x1p126f;
constexpr double kDoubleC = 0x1p1022;

std::vector<int> i_a, i_b, i_out;
std::vector<float> f_a, f_b, f_out;
std::vector<double> d_a, d_b, d_out;

template <class T, class Fn>
void pass(const std::vector<T>& a, const std::vector<T>& b, std::vector<T>& out, Fn fn) {
  const int n = static_cast<int>(a.size());
  const T* pa = a.data();
  const T* pb = b.data();
  T* po = out.data();
  for (int i = 0; i < n; ++i) po[i] = fn(pa[i], pb[i]);
}

template <class T>
T clamp(T r, T c) {
  return r > c ? c : r < -c ? -c : r;
}

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
  unsigned long long bits = 0;
  if (c == kInt) std::memcpy(&bits, &i_out[i], sizeof i_out[i]);
  if (c == kFloat) std::memcpy(&bits, &f_out[i], sizeof f_out[i]);
  if (c == kDouble) std::memcpy(&bits, &d_out[i], sizeof d_out[i]);
  return bits;
}

#define SAFENUM_LOOP(vs, expr) [] { pass(vs##_a, vs##_b, vs##_out, [](auto a, auto b) { return expr; }); }

// Plain: integers wrap (through unsigned), a zero divisor or 2^31 quotient
// gives 0.
const Form kPlain = {
    "plain",
    setup,
    {{SAFENUM_LOOP(i, int(unsigned(a) + unsigned(b))), SAFENUM_LOOP(i, int(unsigned(a) - unsigned(b))),
      SAFENUM_LOOP(i, int(unsigned(a) * unsigned(b))),
      SAFENUM_LOOP(i, (b == 0 || (b == -1 && a == -kMax - 1)) ? 0 : a / b)},
     {SAFENUM_LOOP(f, a + b), SAFENUM_LOOP(f, a - b), SAFENUM_LOOP(f, a * b), SAFENUM_LOOP(f, a / b)},
     {SAFENUM_LOOP(d, a + b), SAFENUM_LOOP(d, a - b), SAFENUM_LOOP(d, a * b), SAFENUM_LOOP(d, a / b)}},
    result};

int add_sat(int a, int b) {
  int r;
  if (__builtin_add_overflow(a, b, &r)) return a > 0 ? kMax : -kMax;
  return r < -kMax ? -kMax : r;
}
int sub_sat(int a, int b) {
  int r;
  if (__builtin_sub_overflow(a, b, &r)) return a >= 0 ? kMax : -kMax;
  return r < -kMax ? -kMax : r;
}
int mul_sat(int a, int b) {
  int r;
  if (__builtin_mul_overflow(a, b, &r)) return ((a < 0) != (b < 0)) ? -kMax : kMax;
  return r < -kMax ? -kMax : r;
}
int div_sat(int a, int b) {
  if (b == 0) return a < 0 ? -kMax : kMax;
  const long long q = static_cast<long long>(a) / b;
  return q > kMax ? kMax : static_cast<int>(q);
}

const Form kHand = {
    "hand-written",
    setup,
    {{SAFENUM_LOOP(i, add_sat(a, b)), SAFENUM_LOOP(i, sub_sat(a, b)), SAFENUM_LOOP(i, mul_sat(a, b)),
      SAFENUM_LOOP(i, div_sat(a, b))},
     {SAFENUM_LOOP(f, clamp(a + b, kFloatC)), SAFENUM_LOOP(f, clamp(a - b, kFloatC)),
      SAFENUM_LOOP(f, clamp(a * b, kFloatC)), SAFENUM_LOOP(f, clamp(a / b, kFloatC))},
     {SAFENUM_LOOP(d, clamp(a + b, kDoubleC)), SAFENUM_LOOP(d, clamp(a - b, kDoubleC)),
      SAFENUM_LOOP(d, clamp(a * b, kDoubleC)), SAFENUM_LOOP(d, clamp(a / b, kDoubleC))}},
    result};

}  // namespace

Form plain_form() { return kPlain; }
Form hand_form() { return kHand; }

}  // namespace loops
