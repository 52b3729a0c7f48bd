// SPDX-License-Identifier: BSL-1.0
// safenum_io.h: stream output for safeint, safefloat and safedouble.
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
// std::scientific choose the notation; the precision is not used, since fewer
// digits could name another number. Width, fill and adjustment apply; the
// decimal point is always '.'.
#ifndef SAFENUM_IO_H
#define SAFENUM_IO_H

#include <charconv>
#include <ostream>

#include "safenum.h"

namespace safenum {
namespace io_detail {

// A double in fixed notation needs up to 309 integer digits (DBL_MAX) or 326
// fraction digits (the smallest subnormal), a sign and a point.
constexpr int kTextSize = 400;

template <class Float>
std::ostream& put_exact(std::ostream& os, Float value) {
  char text[kTextSize];
  char* const last = text + kTextSize - 1;
  const std::ios_base::fmtflags field = os.flags() & std::ios_base::floatfield;
  std::to_chars_result r;
  if (field == std::ios_base::fixed) {
    r = std::to_chars(text, last, value, std::chars_format::fixed);
  } else if (field == std::ios_base::scientific) {
    r = std::to_chars(text, last, value, std::chars_format::scientific);
  } else {
    r = std::to_chars(text, last, value);
  }
  *r.ptr = '\0';
  return os << text;
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
  return safenum::io_detail::put_exact(os, copy.Function_1975());
}

inline std::ostream& operator<<(std::ostream& os, const safedouble& value) {
  safedouble copy(value);
  return safenum::io_detail::put_exact(os, copy.Function_1978());
}

#endif  // SAFENUM_IO_H
