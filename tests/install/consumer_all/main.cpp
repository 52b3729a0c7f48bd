// A client built against the installed header and library only. It uses one
// member or function of every kind the library exports, and checks each
// result, so a missing symbol fails the link and a wrong one fails the run.
#include <safenum.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

int failures = 0;

void check(bool ok, const char* what) {
  if (!ok) {
    std::printf("FAILED: %s\n", what);
    ++failures;
  }
}

#define CHECK(expr) check((expr), #expr)

bool same_bits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }
bool same_bits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

const double kNaN = std::numeric_limits<double>::quiet_NaN();

void integer_class() {
  // Constructors.
  CHECK(static_cast<int>(safeint()) == 0);
  CHECK(static_cast<int>(safeint(-2147483647 - 1)) == -2147483647 - 1);
  CHECK(static_cast<int>(safeint(static_cast<char>(-56))) == -56);
  CHECK(static_cast<int>(safeint(2.5f)) == 2);
  CHECK(static_cast<int>(safeint(-2.6)) == -3);
  CHECK(static_cast<int>(safeint(safefloat(2.5))) == 3);
  CHECK(static_cast<int>(safeint(safedouble(kNaN))) == 2147483647);
  // Assignments truncate where the constructors round.
  safeint s;
  s = 7;
  CHECK(static_cast<int>(s) == 7);
  s = static_cast<char>(-1);
  CHECK(static_cast<int>(s) == -1);
  s = 2.9f;
  CHECK(static_cast<int>(s) == 2);
  s = -2147483646.9;
  CHECK(static_cast<int>(s) == -2147483646);
  // Compound assignment.
  safeint a(2147483646);
  a += safeint(0);
  CHECK(static_cast<int>(a) == 2147483647);
  safeint m(46341);
  m *= safeint(46340);
  CHECK(static_cast<int>(m) == 2147483647);
  safeint q(5);
  q /= safeint(0);
  CHECK(static_cast<int>(q) == 2147483647);
  // Conversions out and numbered members.
  safeint minus_one(-1);
  CHECK(static_cast<unsigned long>(minus_one) == 4294967295ul);
  safeint big(2147483647);
  CHECK(static_cast<float>(big) == 2147483648.0f);
  CHECK(static_cast<double>(big) == 2147483647.0);
  CHECK(static_cast<long double>(big) == 2147483647.0L);
  CHECK(big.Function_1978() == 2147483647.0);
  CHECK(static_cast<int>(big.Function_1976()) == 2147483646);
}

void integer_operators() {
  const safeint ten(10), three(3), max(2147483647), neg_max(-2147483647);
  const int i3 = 3, i10 = 10, minus_one = -1;
  const float f05 = 0.5f, f2 = 2.0f;
  const double d26 = 2.6, d10 = 10.0;
  CHECK(static_cast<int>(max + neg_max) == 2147483647);
  CHECK(static_cast<int>(ten + i3) == 13);
  CHECK(static_cast<int>(i3 + ten) == 13);
  CHECK(static_cast<int>(ten + f2) == 12);
  CHECK(static_cast<int>(f2 + ten) == 12);
  CHECK(static_cast<int>(ten + d26) == 13);
  CHECK(static_cast<int>(d26 + ten) == 13);
  CHECK(static_cast<int>(ten - three) == 7);
  CHECK(static_cast<int>(ten - i3) == 7);
  CHECK(static_cast<int>(i10 - three) == 7);
  CHECK(static_cast<int>(ten - f2) == 8);
  CHECK(static_cast<int>(f2 - ten) == -8);
  CHECK(static_cast<int>(ten - d26) == 7);
  CHECK(static_cast<int>(d10 - three) == 7);
  CHECK(static_cast<int>(safeint(46340) * safeint(46341)) == 2147441940);
  CHECK(static_cast<int>(ten * i3) == 30);
  CHECK(static_cast<int>(minus_one * safeint(-2147483647 - 1)) == 2147483647);
  CHECK(static_cast<int>(ten * f2) == 20);
  CHECK(static_cast<int>(f2 * ten) == 20);
  CHECK(static_cast<int>(ten * d26) == 30);
  CHECK(static_cast<int>(d26 * ten) == 30);
  CHECK(static_cast<int>(ten / safeint(0)) == 2147483647);
  CHECK(static_cast<int>(ten / i3) == 3);
  CHECK(static_cast<int>(i10 / three) == 3);
  CHECK(static_cast<int>(safeint(-10) / f05) == -2147483647);
  CHECK(static_cast<int>(f2 / ten) == 0);
  CHECK(static_cast<int>(ten / d26) == 3);
  CHECK(static_cast<int>(d10 / safeint(4)) == 2);
  // Relations.
  CHECK((ten == ten) == 1);
  CHECK((ten != three) == 1);
  CHECK((neg_max < ten) == 1);
  CHECK((safeint(-2147483647 - 1) < neg_max) == 1);
  CHECK((three <= three) == 1);
  CHECK((max > ten) == 1);
  CHECK((three >= ten) == 0);
}

template <class F>
void floating_class(double ceiling) {
  // Constructors: the one from double saturates, the others do not test.
  CHECK(F().Function_1978() == 0.0);
  CHECK(F(3).Function_1978() == 3.0);
  CHECK(F(static_cast<char>(-1)).Function_1978() == -1.0);
  CHECK(F(1e300 * 1e300).Function_1978() == ceiling);
  const safeint si(-7);
  safeint si_mutable(7);
  CHECK(F(si).Function_1978() == -7.0);
  CHECK(F(si_mutable).Function_1978() == 7.0);
  // Assignments; the one from float is unchecked.
  F x;
  x = 5;
  CHECK(x.Function_1978() == 5.0);
  x = static_cast<char>(-2);
  CHECK(x.Function_1978() == -2.0);
  x = -1e308 * 10;
  CHECK(x.Function_1978() == -ceiling);
  x = std::numeric_limits<float>::infinity();
  CHECK(std::isinf(x.Function_1978()));
  CHECK(x.Function_1981() == 0);
  // Compound assignment.
  F d(5.0);
  d /= F(0.0);
  CHECK(d.Function_1978() == ceiling);
  F p(1e20);
  p *= F(1e-20);
  CHECK(std::fabs(p.Function_1978() - 1.0) < 1e-6);
  F s(1.5);
  s += F(2.25);
  CHECK(s.Function_1978() == 3.75);
  // Conversions out and numbered members.
  F v(-2.5);
  CHECK(static_cast<int>(v) == -3);
  CHECK(v.nint() == -3);
  CHECK(v.Function_1975() == -2.5f);
  CHECK(v.Function_1979() == -3.0);
  CHECK(v.Function_1977() == -2.0);
  CHECK(v.Function_1980() == -2);
  CHECK(F(ceiling).Function_1981() == 1);
}

template <class F>
void floating_operators(double ceiling) {
  const F two(2.0), five(5.0), zero;
  const int i3 = 3, i0 = 0;
  const float f25 = 2.5f;
  const double d1e39 = 1e39, d05 = 0.5;
  const safeint s7(7);
  CHECK((two + five).Function_1978() == 7.0);
  CHECK((two - five).Function_1978() == -3.0);
  CHECK((two * five).Function_1978() == 10.0);
  CHECK((five / zero).Function_1978() == ceiling);
  CHECK((two + i3).Function_1978() == 5.0);
  CHECK((two + f25).Function_1978() == 4.5);
  CHECK((two + d05).Function_1978() == 2.5);
  CHECK((two + s7).Function_1978() == 9.0);
  CHECK((i3 + two).Function_1978() == 5.0);
  CHECK((f25 + two).Function_1978() == 4.5);
  CHECK((d05 + two).Function_1978() == 2.5);
  CHECK((s7 + two).Function_1978() == 9.0);
  CHECK((two - i3).Function_1978() == -1.0);
  CHECK((two - f25).Function_1978() == -0.5);
  CHECK((two - d05).Function_1978() == 1.5);
  CHECK((i3 - two).Function_1978() == 1.0);
  CHECK((f25 - two).Function_1978() == 0.5);
  CHECK((d05 - two).Function_1978() == -1.5);
  CHECK((two * i3).Function_1978() == 6.0);
  CHECK((two * f25).Function_1978() == 5.0);
  CHECK((two * d05).Function_1978() == 1.0);
  CHECK((two * s7).Function_1978() == 14.0);
  CHECK((i3 * two).Function_1978() == 6.0);
  CHECK((f25 * two).Function_1978() == 5.0);
  CHECK((d05 * two).Function_1978() == 1.0);
  CHECK((s7 * two).Function_1978() == 14.0);
  CHECK((two / i0).Function_1978() == ceiling);
  CHECK((five / f25).Function_1978() == 2.0);
  CHECK((two / d05).Function_1978() == 4.0);
  CHECK((i3 / two).Function_1978() == 1.5);
  CHECK((f25 / five).Function_1978() == 0.5);
  CHECK((d1e39 / two).Function_1978() == (ceiling == 0x1p126 ? ceiling : 5e38));
  CHECK((s7 / two).Function_1978() == 3.5);
  // Relations: a NaN counts as less and as equal.
  const F nan(kNaN);
  CHECK((nan == two) == 1);
  CHECK((nan != two) == 0);
  CHECK((nan < two) == 1);
  CHECK((nan <= two) == 1);
  CHECK((nan > two) == 0);
  CHECK((nan >= two) == 0);
}

void limits() {
  CHECK(GetMaxSystemValue(0L) == 2147483647L);
  CHECK(GetMaxSystemValue(0) == 2147483647);
  CHECK(GetMaxSystemValue(static_cast<short>(0)) == 32767);
  CHECK(GetMaxSystemValue(0.0f) == std::numeric_limits<float>::max());
  CHECK(GetMaxSystemValue(0.0) == std::numeric_limits<double>::max());
  CHECK(GetMaxSystemValue(safedouble()).Function_1978() == 0x1p1022);
  CHECK(GetMaxSystemValue(safefloat()).Function_1978() == 0x1p126);
  CHECK(static_cast<int>(GetMaxSystemValue(safeint())) == 2147483647);
  CHECK(static_cast<int>(GetMaxSystemValueMinusOne(safeint())) == 2147483646);
  CHECK(static_cast<int>(GetMinSystemValue(safeint())) == 1);
}

void math() {
  CHECK(Function_1971(safefloat(-4.0)).Function_1978() == 2.0);
  CHECK(Function_1971(safedouble(1e308)).Function_1978() == 0x1p511);
  CHECK(static_cast<int>(Function_1971(safeint(15))) == 4);
  CHECK(same_bits(Function_1982(safefloat(0.0), safefloat(-0.0)).Function_1975(), -0.0f));
  CHECK(std::isnan(Function_1982(safedouble(1.0), safedouble(kNaN)).Function_1978()));
  CHECK(static_cast<int>(Function_1982(safeint(-3), safeint(2))) == 2);
  CHECK(std::isnan(Function_1983(safefloat(kNaN), safefloat(1.0)).Function_1978()));
  CHECK(same_bits(Function_1983(safedouble(0.0), safedouble(-0.0)).Function_1978(), -0.0));
  CHECK(static_cast<int>(Function_1983(safeint(-3), safeint(2))) == -3);
  safefloat f(-2.5);
  CHECK(ceil(f).Function_1978() == -2.0);
  safedouble d(-1e308);
  CHECK(ceil(d).Function_1978() == -0x1p1022);
  CHECK(static_cast<int>(abs(safeint(-2147483647 - 1))) == 2147483647);
  // The standard functions of the same names still serve plain numbers.
  CHECK(ceil(2.5) == 3.0);
  CHECK(abs(-3) == 3);
}

}  // namespace

int main() {
  integer_class();
  integer_operators();
  floating_class<safefloat>(0x1p126);
  floating_class<safedouble>(0x1p1022);
  floating_operators<safefloat>(0x1p126);
  floating_operators<safedouble>(0x1p1022);
  limits();
  math();
  if (failures != 0) {
    std::printf("%d check(s) failed\n", failures);
    return 1;
  }
  std::printf("consumer_all: every kind of member and function works\n");
  return 0;
}
