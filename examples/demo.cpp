#include <cstdio>
#include "safenum.h"
int main() {
  safedouble d(1e308);
  std::printf("%g\n", d.Function_1978());
  return 0;
}
