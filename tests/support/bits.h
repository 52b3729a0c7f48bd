// Test helpers: raw bit patterns in and out of the three classes.
#ifndef SAFENUM_TESTS_SUPPORT_BITS_H
#define SAFENUM_TESTS_SUPPORT_BITS_H

#include <cstdint>
#include <cstring>

#include "safenum.h"

namespace testing_support {

inline std::uint32_t bits(float f) {
  std::uint32_t b;
  std::memcpy(&b, &f, sizeof b);
  return b;
}
inline std::uint64_t bits(double d) {
  std::uint64_t b;
  std::memcpy(&b, &d, sizeof b);
  return b;
}
inline float float_from_bits(std::uint32_t b) {
  float f;
  std::memcpy(&f, &b, sizeof f);
  return f;
}
inline double double_from_bits(std::uint64_t b) {
  double d;
  std::memcpy(&d, &b, sizeof d);
  return d;
}

// The stored field of each class, read through its exact accessor.
inline double value_of(safedouble d) { return d.Function_1978(); }
inline float value_of(safefloat f) { return f.Function_1975(); }
inline int value_of(safeint s) { return static_cast<int>(s); }

// The stored pattern read from the object itself. On 32-bit x86 a float or
// double returned by value travels through the x87 stack, which quiets a
// signalling NaN, so bit-for-bit copies are checked on the object's bytes.
inline std::uint32_t object_bits(const safefloat& f) {
  static_assert(sizeof(safefloat) == sizeof(std::uint32_t), "one float field");
  std::uint32_t b;
  std::memcpy(&b, &f, sizeof b);
  return b;
}
inline std::uint64_t object_bits(const safedouble& d) {
  static_assert(sizeof(safedouble) == sizeof(std::uint64_t), "one double field");
  std::uint64_t b;
  std::memcpy(&b, &d, sizeof b);
  return b;
}

// Objects holding an arbitrary pattern, built by the unchecked assignment.
inline safefloat safefloat_from_bits(std::uint32_t b) {
  safefloat f;
  f = float_from_bits(b);
  return f;
}

}  // namespace testing_support

#endif  // SAFENUM_TESTS_SUPPORT_BITS_H
