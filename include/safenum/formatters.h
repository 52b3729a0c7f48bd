// SPDX-License-Identifier: BSL-1.0
// The formatters of std::format and {fmt}, written once: each class formats
// the value it stores with the formatter, and so all the format
// options, of that value's type ({:.2f}, {:>8}, {:x}). Used by
// safenum_io.h for std::format and by safenum/fmt.h for {fmt}.
#ifndef SAFENUM_FORMATTERS_H
#define SAFENUM_FORMATTERS_H

#include "../safenum.h"

// The conversions out are non-const members, so each reads a copy.
#define SAFENUM_FORMATTER(Class, Value, read)                                  \
  template <class Char>                                                           \
  struct formatter<Class, Char> : formatter<Value, Char> {                         \
    template <class Context>                                                      \
    auto format(const Class& x, Context& context) const -> decltype(context.out()) { \
      Class copy(x);                                                              \
      return formatter<Value, Char>::format(read, context);                       \
    }                                                                             \
  };
#define SAFENUM_FORMATTERS(ns)                                                     \
  namespace ns {                                                                  \
  SAFENUM_FORMATTER(safeint, int, static_cast<int>(copy))                     \
  SAFENUM_FORMATTER(safefloat, float, copy.Function_1975())                   \
  SAFENUM_FORMATTER(safedouble, double, copy.Function_1978())                 \
  }

#endif  // SAFENUM_FORMATTERS_H
