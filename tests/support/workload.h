// A deterministic sequence over every operation of the library: each round
// draws raw operand patterns from a linear congruential generator, runs every
// constructor, assignment, conversion, member, operator, relation, mixed
// overload and math function on them, and folds every result into a 64-bit
// checksum. It touches only the stack, so it serves the thread, allocation
// and load tests alike.
#ifndef SAFENUM_TESTS_SUPPORT_WORKLOAD_H
#define SAFENUM_TESTS_SUPPORT_WORKLOAD_H

#include <safenum.h>

#include <cstdint>
#include <cstring>

namespace workload {

class Mixer {
 public:
  void add(unsigned long long v) {
    sum_ ^= v + 0x9e3779b97f4a7c15ULL + (sum_ << 6) + (sum_ >> 2);
  }
  void add(int v) { add(static_cast<unsigned long long>(static_cast<std::uint32_t>(v))); }
  void add(unsigned long v) { add(static_cast<unsigned long long>(v)); }
  void add(float v) {
    std::uint32_t b;
    std::memcpy(&b, &v, sizeof b);
    add(static_cast<unsigned long long>(b));
  }
  void add(double v) {
    unsigned long long b;
    std::memcpy(&b, &v, sizeof b);
    add(b);
  }
  void add(long double v) { add(static_cast<double>(v)); }
  void add(safeint v) { add(static_cast<int>(v)); }
  void add(safefloat v) { add(v.Function_1975()); }
  void add(safedouble v) { add(v.Function_1978()); }
  unsigned long long sum() const { return sum_; }

 private:
  unsigned long long sum_ = 0;
};

class Source {
 public:
  explicit Source(std::uint64_t seed) : state_(seed) {}
  std::uint32_t next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<std::uint32_t>(state_ >> 32);
  }
  // Edge values often, raw patterns otherwise.
  int next_int() {
    static const int edges[] = {0, 1, -1, 2147483647, -2147483647,
                                -2147483647 - 1, 2147483646, 46341, 1073741792};
    const std::uint32_t r = next();
    if (r % 4 == 0) return edges[(r >> 8) % (sizeof edges / sizeof edges[0])];
    return static_cast<int>(next());
  }
  float next_float() {
    static const float edges[] = {0.0f, -0.0f, 0.5f, -2.5f, 0x1p126f, -0x1p126f,
                                  3.4028234e38f, 2147483520.0f, 1e-40f};
    const std::uint32_t r = next();
    if (r % 4 == 0) return edges[(r >> 8) % (sizeof edges / sizeof edges[0])];
    std::uint32_t b = next();
    float f;
    std::memcpy(&f, &b, sizeof f);
    return f;
  }
  double next_double() {
    static const double edges[] = {0.0, -0.0, 2.5, -0.5, 0x1p1022, -0x1p1022,
                                   2147483646.5, 1e-310, 1.7976931348623157e308};
    const std::uint32_t r = next();
    if (r % 4 == 0) return edges[(r >> 8) % (sizeof edges / sizeof edges[0])];
    std::uint64_t b = (static_cast<std::uint64_t>(next()) << 32) | next();
    double d;
    std::memcpy(&d, &b, sizeof d);
    return d;
  }

 private:
  std::uint64_t state_;
};

// Every floating-class operation with both operand orders and every mixed
// overload the class has.
template <class F>
void floating_round(Mixer& m, F a, F b, int i, float f, double d, safeint s) {
  m.add(a + b); m.add(a - b); m.add(a * b); m.add(a / b);
  m.add(a + i); m.add(i + a); m.add(a + f); m.add(f + a);
  m.add(a + d); m.add(d + a); m.add(a + s); m.add(s + a);
  m.add(a - i); m.add(i - a); m.add(a - f); m.add(f - a);
  m.add(a - d); m.add(d - a);
  m.add(a * i); m.add(i * a); m.add(a * f); m.add(f * a);
  m.add(a * d); m.add(d * a); m.add(a * s); m.add(s * a);
  m.add(a / i); m.add(i / a); m.add(a / f); m.add(f / a);
  m.add(a / d); m.add(d / a); m.add(s / a);
  m.add(a == b); m.add(a != b); m.add(a < b); m.add(a <= b); m.add(a > b); m.add(a >= b);
  F x = a;
  x += b; m.add(x);
  x *= b; m.add(x);
  x /= b; m.add(x);
  const F& self = x;
  x += self; m.add(x);
  m.add(a.nint()); m.add(static_cast<int>(a)); m.add(safeint(a));
  m.add(a.Function_1975()); m.add(a.Function_1978()); m.add(a.Function_1979());
  m.add(a.Function_1977()); m.add(a.Function_1980()); m.add(a.Function_1981());
  m.add(Function_1971(a)); m.add(Function_1982(a, b)); m.add(Function_1983(a, b));
  m.add(ceil(a));
  m.add(GetMaxSystemValue(a));
  F y(i); m.add(y);
  y = i; m.add(y);
  y = static_cast<char>(i); m.add(y);
  m.add(F(static_cast<char>(i)));
  y = d; m.add(y);
  y = f; m.add(y);
  m.add(F(d));
  const safeint& cs = s;
  safeint ms = s;
  m.add(F(cs)); m.add(F(ms));
}

inline void int_round(Mixer& m, safeint a, safeint b, int i, float f, double d) {
  m.add(a + b); m.add(a - b); m.add(a * b); m.add(a / b);
  m.add(a + i); m.add(i + a); m.add(a + f); m.add(f + a); m.add(a + d); m.add(d + a);
  m.add(a - i); m.add(i - a); m.add(a - f); m.add(f - a); m.add(a - d); m.add(d - a);
  m.add(a * i); m.add(i * a); m.add(a * f); m.add(f * a); m.add(a * d); m.add(d * a);
  m.add(a / i); m.add(i / a); m.add(a / f); m.add(f / a); m.add(a / d); m.add(d / a);
  m.add(a == b); m.add(a != b); m.add(a < b); m.add(a <= b); m.add(a > b); m.add(a >= b);
  safeint x = a;
  x += b; m.add(x);
  x *= b; m.add(x);
  x /= b; m.add(x);
  const safeint& self = x;
  x *= self; m.add(x);
  m.add(safeint(f)); m.add(safeint(d)); m.add(safeint(static_cast<char>(i)));
  x = f; m.add(x);
  x = d; m.add(x);
  x = i; m.add(x);
  x = static_cast<char>(i); m.add(x);
  m.add(static_cast<int>(a)); m.add(static_cast<unsigned long>(a));
  m.add(static_cast<float>(a)); m.add(static_cast<double>(a));
  m.add(static_cast<long double>(a));
  m.add(a.Function_1976()); m.add(a.Function_1978());
  m.add(Function_1971(a)); m.add(Function_1982(a, b)); m.add(Function_1983(a, b));
  m.add(abs(a));
  m.add(GetMaxSystemValue(a)); m.add(GetMaxSystemValueMinusOne(a)); m.add(GetMinSystemValue(a));
  m.add(static_cast<unsigned long long>(GetMaxSystemValue(static_cast<long>(i))));
  m.add(GetMaxSystemValue(i));
  m.add(static_cast<int>(GetMaxSystemValue(static_cast<short>(i))));
  m.add(GetMaxSystemValue(f)); m.add(GetMaxSystemValue(d));
}

// Runs the sequence and returns its checksum.
inline std::uint64_t run(std::uint64_t seed, int rounds) {
  Source src(seed);
  Mixer m;
  for (int r = 0; r < rounds; ++r) {
    const int i0 = src.next_int(), i1 = src.next_int();
    const float f0 = src.next_float(), f1 = src.next_float();
    const double d0 = src.next_double(), d1 = src.next_double();
    const safeint a(i0), b(i1);
    int_round(m, a, b, i1, f1, d1);
    safefloat fa, fb;
    fa = f0;  // raw, unchecked patterns
    fb = safefloat(d1);
    floating_round(m, fa, fb, i0, f1, d0, b);
    floating_round(m, safedouble(d0), safedouble(static_cast<double>(f0)), i1, f0, d1, a);
  }
  return m.sum();
}

}  // namespace workload

#endif  // SAFENUM_TESTS_SUPPORT_WORKLOAD_H
