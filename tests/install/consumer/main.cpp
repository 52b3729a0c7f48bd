// SPDX-License-Identifier: BSL-1.0
// A client of the library: the README's first example, printed with the
// opt-in stream output, after the version it was compiled against. Exits
// non-zero unless the sum saturated.
#include <safenum.h>
#include <safenum_io.h>

#include <climits>
#include <iostream>

int main() {
  std::cout << "safenum " << SAFENUM_VERSION_STRING << '\n';
  safeint big(2147483000);
  safeint sum = big + 1000;
  std::cout << "safeint(2147483000) + 1000 = " << sum << '\n';
  return static_cast<int>(sum) == INT_MAX ? 0 : 1;
}
