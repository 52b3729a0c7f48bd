// SPDX-License-Identifier: BSL-1.0
// The mistakes whose compile errors docs/reference.md quotes, built by
// compile_errors.sh as they are and with SAFENUM_STRICT.
#include <iostream>
#include <safenum.h>

void mistakes(safeint s, safedouble d) {
  -s;
  s -= 1;
  const safeint c(5);  int n = c;
  const safedouble cd(2.5);  double v = cd.Function_1978();
  safedouble e1 = safefloat(1.5);
  safedouble e2(safefloat(1.5));
  std::cout << safeint(5);
  ceil(safedouble(2.3));
#ifdef SAFENUM_STRICT
  double y = d;
  safeint half = s * 0.5;
  safeint r = d;
#endif
}
