// Uses each class through the installed header and library; exits non-zero
// on a wrong result.
#include <safenum.h>

#include <cstdio>

int main() {
  int failures = 0;
  auto check = [&failures](bool ok, const char* what) {
    if (!ok) {
      std::printf("wrong: %s\n", what);
      ++failures;
    }
  };
  safeint from_half(2.5);
  check(static_cast<int>(from_half) == 2, "safeint(2.5) rounds the half toward zero");
  safedouble big(1e308);
  check(big.Function_1981() == 1, "safedouble(1e308) saturates");
  check(big.nint() == 0x7fffffff, "nint of the ceiling");
  safefloat half(2.5);
  check(static_cast<int>(safeint(half)) == 3, "nint rounds the half away from zero");
  check(GetMaxSystemValueMinusOne(safeint()).Function_1978() == 2147483646.0,
        "GetMaxSystemValueMinusOne");
  std::printf("consumer: %s\n", failures == 0 ? "ok" : "FAILED");
  return failures == 0 ? 0 : 1;
}
