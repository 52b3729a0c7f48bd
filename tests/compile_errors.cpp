// The mistakes whose compile errors docs/reference.md quotes, one case each,
// built by compile_errors.sh with -D and the names of the cases (those named
// strict_ with SAFENUM_STRICT), which expects the errors the reference quotes.
#include <iostream>
#include <safenum.h>

void mistakes(safeint s, safedouble d) {
#if defined(unary_minus)
  -s;
#endif
#if defined(minus_assign)
  s -= 1;
#endif
#if defined(const_safeint)
  const safeint c(5);  int n = c;
#endif
#if defined(const_member)
  const safedouble cd(2.5);  double v = cd.Function_1978();
#endif
#if defined(other_class)
  safedouble e = safefloat(1.5);
#endif
#if defined(other_class_direct)
  safedouble e2(safefloat(1.5));
#endif
#if defined(no_stream)
  std::cout << safeint(5);
#endif
#if defined(ceil_temporary)
  ceil(safedouble(2.3));
#endif
#if defined(strict_conversion)
  double y = d;
#endif
#if defined(strict_mixed)
  safeint half = s * 0.5;
#endif
}
