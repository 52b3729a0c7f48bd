// SPDX-License-Identifier: BSL-1.0
// {fmt} formats each class as the value it stores, with all the format
// options of that value's type, over the edge values.
#include <gtest/gtest.h>
#include <safenum/fmt.h>

#include "draws.h"

TEST(Formatting, FmtFormatsTheStoredValueWithItsFormatOptions) {
  for (double v : draws::edges<double>()) {
    const float s = float(v);
    EXPECT_EQ(fmt::format("{}|{:.2f}|{:>12}|{:+.3e}", safedouble(v), safedouble(v), safedouble(v), safedouble(v)),
              fmt::format("{}|{:.2f}|{:>12}|{:+.3e}", safedouble(v).Function_1978(), safedouble(v).Function_1978(),
                          safedouble(v).Function_1978(), safedouble(v).Function_1978()));
    EXPECT_EQ(fmt::format("{}|{:g}", safefloat(s), safefloat(s)), fmt::format("{}|{:g}", safefloat(s).Function_1975(), safefloat(s).Function_1975()));
  }
  for (int k : draws::int_edges()) EXPECT_EQ(fmt::format("{}|{:x}", safeint(k), safeint(k)), fmt::format("{}|{:x}", k, k));
}
