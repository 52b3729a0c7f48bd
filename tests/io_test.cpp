// SPDX-License-Identifier: BSL-1.0
// safenum_io.h prints the exact stored value: over the edge values and
// random patterns of each class, the printed text reads back (strtoll,
// strtof, strtod) as the object's own stored value, sign and NaN included,
// in each notation; one significant digit less would name another number;
// width and fill apply to the whole text.
#include <gtest/gtest.h>
#include <safenum_io.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iomanip>
#include <sstream>

#include "check.h"
#include "draws.h"
#include "exports_library.h"

namespace {

template <class T>
std::string print(const T& object, std::ios_base::fmtflags notation = {}, int width = 0) {
  std::ostringstream os;
  os.setf(notation, std::ios_base::floatfield);
  os << std::setw(width) << std::setfill('*') << object;
  return os.str();
}

float read(const std::string& s, float) { return std::strtof(s.c_str(), nullptr); }
double read(const std::string& s, double) { return std::strtod(s.c_str(), nullptr); }

template <class S, class Object>
void expect_exact(const Object& object) {
  const S value = checks::value_of(object);
  for (auto notation : {std::ios_base::fmtflags{}, std::ios_base::fixed, std::ios_base::scientific}) {
    const std::string text = print(object, notation);
    const S back = read(text, value);
    EXPECT_TRUE(checks::identical(back, value) || (std::isnan(value) && std::signbit(back) == std::signbit(value)))
        << text << " for " << checks::text(value);
  }
  if (std::isfinite(value)) {
    const std::string scientific = print(object, std::ios_base::scientific);
    const auto digits = std::count_if(scientific.begin(), scientific.begin() + scientific.find('e'), ::isdigit);
    char fewer[64];
    std::snprintf(fewer, sizeof fewer, "%.*e", int(digits) - 2, static_cast<double>(value));
    EXPECT_TRUE(digits == 1 || read(fewer, value) != value) << scientific;
  }
  EXPECT_EQ(print(object, {}, int(print(object).size()) + 2), "**" + print(object));
}

TEST(Printing, TheTextReadsBackAsTheStoredValue) {
  draws::rng r(7);
  std::vector<float> floats = draws::edges<float>();
  std::vector<double> doubles = draws::edges<double>();
  for (int i = 0; i < 5000; ++i) {
    floats.push_back(draws::random_value<float>(r));
    doubles.push_back(draws::random_value<double>(r));
    const int k = draws::random(draws::int_list{}, r);
    EXPECT_EQ(print(safeint(k)), std::to_string(k));
  }
  for (float v : floats) expect_exact<float>(library_side::sf(v));
  for (double v : doubles) expect_exact<double>(library_side::sd(v));
}

}  // namespace
