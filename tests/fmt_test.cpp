// {fmt} formats each class as the value it stores, with the whole format
// specification of that value's type, over the edge values.
#include <gtest/gtest.h>
#include <safenum/fmt.h>

#include "check.h"
#include "draws.h"
#include "exports_library.h"

namespace {

TEST(Formatting, FmtFormatsTheStoredValueWithItsSpecification) {
  const char* spec = "{}|{:.2f}|{:>12}|{:+.3e}|{:g}";
  for (double v : draws::edges<double>()) {
    const safedouble d = library_side::sd(v);
    const safefloat f = library_side::sf(static_cast<float>(v));
    EXPECT_EQ(fmt::format(spec, d, d, d, d, d), fmt::format(spec, checks::value_of(d), checks::value_of(d),
              checks::value_of(d), checks::value_of(d), checks::value_of(d)));
    EXPECT_EQ(fmt::format(spec, f, f, f, f, f), fmt::format(spec, float(v), float(v), float(v), float(v), float(v)));
  }
  for (int k : draws::int_edges()) EXPECT_EQ(fmt::format("{}|{:x}|{:>12}", safeint(k), safeint(k), safeint(k)), fmt::format("{}|{:x}|{:>12}", k, k, k));
}

}  // namespace
