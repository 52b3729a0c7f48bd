// SPDX-License-Identifier: BSL-1.0
// {fmt} formatters for safeint, safefloat and safedouble. Opt-in: include it
// where values are formatted with {fmt}.
//
//   fmt::print("{} {:.2f} {:>8}\n", safeint(3), safedouble(2.7), safefloat(1.5));
//   // 3 2.70      1.5
//
// Each class formats the value it stores with the formatter of that value's
// type (int, float, double), so every format option of that type
// applies; {} prints a floating value with the fewest digits that read back
// as it.
#ifndef SAFENUM_FMT_H
#define SAFENUM_FMT_H

#include <fmt/format.h>

#include "../safenum.h"
#include "formatters.h"

SAFENUM_FORMATTERS(fmt)

#endif  // SAFENUM_FMT_H
