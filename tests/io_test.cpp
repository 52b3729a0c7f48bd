// SPDX-License-Identifier: BSL-1.0
// safenum_io.h prints the exact stored value: over the edge values and
// random patterns of each class, the printed text reads back (strtoll,
// strtof, strtod) as the object's own stored value, sign and NaN included,
// in the default and the hexadecimal notation; one significant digit less
// would name another number; std::fixed and std::scientific print what the
// C library prints with the stream's precision; width and fill apply to the
// whole text. operator>> stores what it reads through the class's
// construction.
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
std::string print(const T& object, std::ios_base::fmtflags notation = {}, int width = 0, int precision = 6) {
  std::ostringstream os;
  os.setf(notation, std::ios_base::floatfield);
  os << std::setw(width) << std::setfill('*') << std::setprecision(precision) << object;
  return os.str();
}

// What the C library prints for v in a printf format with a precision.
std::string printf_text(const char* format, int precision, double v) {
  char text[400];
  std::snprintf(text, sizeof text, format, precision, v);
  return text;
}

// The object operator>> reads from text, and whether that failed.
template <class T>
std::pair<T, bool> scan(const std::string& text) {
  std::istringstream is(text);
  T object;
  return {object, (is >> object).fail()};
}

float read(const std::string& s, float) { return std::strtof(s.c_str(), nullptr); }
double read(const std::string& s, double) { return std::strtod(s.c_str(), nullptr); }

template <class S, class Object>
void expect_exact(const Object& object) {
  const S value = checks::value_of(object);
  for (auto notation : {std::ios_base::fmtflags{}, std::ios_base::fixed | std::ios_base::scientific}) {
    const std::string text = print(object, notation);
    const S back = read(text, value);
    EXPECT_TRUE(checks::identical(back, value) || (std::isnan(value) && std::signbit(back) == std::signbit(value)))
        << text << " for " << checks::text(value);
  }
  for (int precision : {0, 2, 6}) {
    EXPECT_EQ(print(object, std::ios_base::fixed, 0, precision), printf_text("%.*f", precision, value));
    EXPECT_EQ(print(object, std::ios_base::scientific, 0, precision), printf_text("%.*e", precision, value));
  }
  const auto [back, failed] = scan<Object>(print(object));
  EXPECT_TRUE(!failed && (checks::identical(checks::value_of(back), model::construct<model::class_of<S>>(value)) ||
                          (std::isnan(value) && std::isnan(checks::value_of(back)))))
      << print(object);
  const std::string shortest = print(object), mantissa = shortest.substr(0, shortest.find('e'));
  if (std::isfinite(value) && shortest.find_first_of(".e") != std::string::npos) {  // an integer may print in full
    const auto digits = std::count_if(mantissa.begin(), mantissa.end(), ::isdigit) -
                        std::count(mantissa.begin(), mantissa.begin() + mantissa.find_first_of("123456789"), '0');
    EXPECT_TRUE(digits <= 1 || read(printf_text("%.*e", int(digits) - 2, value), value) != value) << shortest;
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
    EXPECT_EQ(checks::value_of(scan<safeint>(std::to_string(k * 1000LL)).first), model::from_wider(k * 1000.0L));
    EXPECT_EQ(checks::value_of(scan<safeint>(print(safedouble(k / 7.0))).first), model::round_from_double(k / 7.0));
  }
  EXPECT_TRUE(scan<safedouble>("abc").second && scan<safeint>(".").second && scan<safefloat>("-").second);
  for (float v : floats) expect_exact<float>(library_side::sf(v));
  for (double v : doubles) expect_exact<double>(library_side::sd(v));
}

}  // namespace
