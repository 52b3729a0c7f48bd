// The twin floating classes share every algorithm; what differs between them
// is gathered here in one small traits type per stored format.
#ifndef SAFENUM_SRC_FLOAT_TRAITS_H
#define SAFENUM_SRC_FLOAT_TRAITS_H

#include <cmath>
#include <cstdint>
#include <cstring>

#include "limits/limits.h"

namespace safenum {
namespace detail {

struct single_traits {
  using object = safefloat;
  using stored = float;
  using bits = std::uint32_t;
  static constexpr double ceiling = kFloatCeiling;           // C
  static constexpr double half_ceiling = kFloatHalfCeiling;  // H
  static constexpr double smallest_normal = kFloatSmallestNormal;  // m
  static constexpr double addition_guard = 2 * kFloatSmallestNormal;  // 2m
  static constexpr bits ceiling_bits = kFloatCeilingBits;
  static constexpr bits sign_mask = 0x80000000u;
  // The bit pattern of 2^e, for the operand windows of the fast paths.
  static constexpr bits power_of_two_bits(int e) { return static_cast<bits>(e + 127) << 23; }
  // Factors in [2^-62, 2^62) multiply and divide into (2^-124, 2^124),
  // inside [2m, H).
  static constexpr int factor_window_exponent = 62;
  static object make(stored v) { return access::make_float(v); }
};
static_assert(single_traits::power_of_two_bits(126) == single_traits::ceiling_bits, "2^126 is C");

struct double_traits {
  using object = safedouble;
  using stored = double;
  using bits = std::uint64_t;
  static constexpr double ceiling = kDoubleCeiling;
  static constexpr double half_ceiling = kDoubleHalfCeiling;
  static constexpr double smallest_normal = kDoubleSmallestNormal;
  static constexpr double addition_guard = 2 * kDoubleSmallestNormal;
  static constexpr bits ceiling_bits = kDoubleCeilingBits;
  static constexpr bits sign_mask = 0x8000000000000000u;
  static constexpr bits power_of_two_bits(int e) { return static_cast<bits>(e + 1023) << 52; }
  // Factors in [2^-510, 2^510) multiply and divide into (2^-1020, 2^1020),
  // inside [2m, H).
  static constexpr int factor_window_exponent = 510;
  static object make(stored v) { return access::make_double(v); }
};
static_assert(double_traits::power_of_two_bits(1022) == double_traits::ceiling_bits, "2^1022 is C");

template <class Traits>
inline typename Traits::bits bits_of(typename Traits::stored v) {
  typename Traits::bits b;
  std::memcpy(&b, &v, sizeof b);
  return b;
}

// Magnitude by clearing the sign bit, so a NaN stays a NaN (payload intact).
template <class Traits>
inline typename Traits::stored magnitude(typename Traits::stored v) {
  typename Traits::bits b = bits_of<Traits>(v) & ~Traits::sign_mask;
  typename Traits::stored r;
  std::memcpy(&r, &b, sizeof r);
  return r;
}

// The identity test "this magnitude is the ceiling": a bit-pattern test,
// which a NaN never passes.
template <class Traits>
inline bool is_ceiling(typename Traits::stored mag) {
  return bits_of<Traits>(mag) == Traits::ceiling_bits;
}

// The three comparison forms of every floating threshold test. A NaN on
// either side counts as below and as equal, never as above.
inline bool below(double x, double y) { return !(x >= y); }
// The two halves of "equal" are combined without a branch between them.
inline bool equal(double x, double y) {
  return (static_cast<int>(!(x < y)) & static_cast<int>(!(x > y))) != 0;
}
inline bool above(double x, double y) { return x > y; }

// The saturating construction, the only path into a floating object that
// saturates: a magnitude not below C (infinity included) becomes C with the
// argument's sign; anything else, NaN included, is stored, rounded once to
// the class's format.
//
// Written without a branch, since the sign and size of a result are anything
// at all: the magnitude is limited to C (the comparison "C below the
// magnitude" is false for a NaN, which therefore passes through unchanged,
// payload included) and then given back the argument's sign.
template <class Traits>
inline typename Traits::stored saturate(double x) {
  const double mag = std::fabs(x);
  const double limited = Traits::ceiling < mag ? Traits::ceiling : mag;
  return static_cast<typename Traits::stored>(std::copysign(limited, x));
}

}  // namespace detail
}  // namespace safenum

#endif  // SAFENUM_SRC_FLOAT_TRAITS_H
