// SPDX-License-Identifier: BSL-1.0
// safenum_io.h: stream input and output, and std::format where the standard
// library has it, for safeint, safefloat and safedouble.
//
// Opt-in: include it beside safenum.h where values are printed. It is all
// inline and reaches the objects only through the public interface, so the
// library exports nothing for it and safenum.h, with its conversions, is
// unchanged for every other caller.
//
//   std::cout << safeint(5) << ' ' << safedouble(2.7) << '\n';   // 5 2.7
//
// A safeint prints as the int it holds, with every stream flag an int honours
// (width, std::hex, std::showpos, ...).
//
// A safefloat or safedouble prints the number it stores, exactly: the fewest
// significant digits that read back (strtof, strtod) as that very number, in
// the shorter of fixed and scientific notation (an integral value may print
// in full: 2147483648). The sign always shows, so a negative zero prints as
// -0; infinities print as inf and -inf, a NaN as nan or -nan. std::fixed and
// std::scientific print with the stream's precision, as a double does
// (std::fixed << std::setprecision(2) prints 2.70); std::hexfloat prints the
// exact binary value. Width, fill and adjustment apply; the decimal point is
// always '.'.
//
// operator>> reads a plain number (123, -2.5, 1e400, inf, nan) and stores it
// through the class's own construction: "1e400" into a safedouble is the
// ceiling 2^1022, "2.5" into a safeint is 2 (safeint(2.5)), an integer too
// large for a safeint its saturated value. Text that is not a number sets
// failbit and leaves the object as it was.
//
// std::format("{:.2f}", safedouble(2.7)) formats the stored value with the
// format options of a double (float for safefloat, int for safeint), where
// the standard library has <format>. For {fmt}, include <safenum/fmt.h>.
#ifndef SAFENUM_IO_H
#define SAFENUM_IO_H

#include <charconv>
#include <cstdlib>
#include <istream>
#include <ostream>
#include <string>

#include "safenum.h"
#include "safenum/formatters.h"

namespace safenum {
namespace io_detail {

// A double in fixed notation needs up to 309 integer digits (DBL_MAX) or 326
// fraction digits (the smallest subnormal), a sign and a point.
constexpr int kTextSize = 400;

template <class Float>
std::ostream& put(std::ostream& os, Float value) {
  const std::ios_base::fmtflags field = os.flags() & std::ios_base::floatfield;
  const int precision = static_cast<int>(os.precision());
  // Fixed notation with a large precision needs more than the shortest text.
  std::string text(static_cast<std::size_t>(kTextSize + (precision > 0 ? precision : 0)), '\0');
  char* const first = &text[0];
  char* const last = first + text.size();
  std::to_chars_result r;
  if (field == std::ios_base::fixed) {
    r = std::to_chars(first, last, value, std::chars_format::fixed, precision);
  } else if (field == std::ios_base::scientific) {
    r = std::to_chars(first, last, value, std::chars_format::scientific, precision);
  } else if (field == (std::ios_base::fixed | std::ios_base::scientific)) {
    r = std::to_chars(first, last, value, std::chars_format::hex);
  } else {
    r = std::to_chars(first, last, value);
  }
  text.resize(static_cast<std::size_t>(r.ptr - first));
  // Hexadecimal notation with its prefix, as a double prints it.
  if (field == (std::ios_base::fixed | std::ios_base::scientific) && (value == value) && value - value == 0) {
    text.insert(text[0] == '-' ? 1 : 0, "0x");
  }
  return os << text;
}

// The text of one plain number at the stream's position: a sign, digits, a
// point, an exponent with its sign, or the letters of inf, infinity and nan.
inline std::string take_number(std::istream& is) {
  std::string text;
  std::streambuf* const buffer = is.rdbuf();
  int c = buffer->sgetc();
  for (; c != std::char_traits<char>::eof(); c = buffer->snextc()) {
    const char ch = static_cast<char>(c);
    const bool sign = (ch == '+' || ch == '-') && (text.empty() || text.back() == 'e' || text.back() == 'E');
    const bool other = (ch >= '0' && ch <= '9') || std::string(".eEinfatyINFATY").find(ch) != std::string::npos;
    if (!sign && !other) break;
    text.push_back(ch);
  }
  if (c == std::char_traits<char>::eof()) is.setstate(std::ios_base::eofbit);
  return text;
}

// Reads one number and stores make(number) in out; failbit, and out
// unchanged, when the text is not a number.
template <class Class>
std::istream& get(std::istream& is, Class& out) {
  std::istream::sentry ok(is);
  if (!ok) return is;
  const std::string text = take_number(is);
  char* end = nullptr;
  // An integer into a safeint keeps every digit (-2147483648 included); all
  // else is read as a double.
  if (safenum::detail::is_safeint<Class>::value && text.find_first_of(".eEinfatyINFATY") == std::string::npos) {
    const long long whole = std::strtoll(text.c_str(), &end, 10);
    if (!text.empty() && end == text.c_str() + text.size()) {
      out = Class(whole);
      return is;
    }
  } else {
    const double number = std::strtod(text.c_str(), &end);
    if (end == text.c_str() + text.size()) {
      out = Class(number);
      return is;
    }
  }
  is.setstate(std::ios_base::failbit);
  return is;
}

}  // namespace io_detail
}  // namespace safenum

// The conversions out are non-const members, so each operator reads a copy.
inline std::ostream& operator<<(std::ostream& os, const safeint& value) {
  safeint copy(value);
  return os << static_cast<int>(copy);
}

inline std::ostream& operator<<(std::ostream& os, const safefloat& value) {
  safefloat copy(value);
  return safenum::io_detail::put(os, copy.Function_1975());
}

inline std::ostream& operator<<(std::ostream& os, const safedouble& value) {
  safedouble copy(value);
  return safenum::io_detail::put(os, copy.Function_1978());
}

inline std::istream& operator>>(std::istream& is, safeint& value) { return safenum::io_detail::get(is, value); }
inline std::istream& operator>>(std::istream& is, safefloat& value) { return safenum::io_detail::get(is, value); }
inline std::istream& operator>>(std::istream& is, safedouble& value) { return safenum::io_detail::get(is, value); }

// std::format, where the standard library has it.
#if defined(__has_include)
#if __has_include(<version>)
#include <version>
#endif
#endif
#if defined(__cpp_lib_format)
#include <format>
SAFENUM_FORMATTERS(std)
#endif

#endif  // SAFENUM_IO_H
