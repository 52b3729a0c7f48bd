// The twin floating classes share every algorithm; what differs between them
// is gathered here in one small traits type per stored format.
#ifndef SAFENUM_SRC_FLOAT_TRAITS_H
#define SAFENUM_SRC_FLOAT_TRAITS_H

#include "float/lane.h"
#include "limits/limits.h"
#include "module/runtime.h"

namespace safenum {
namespace detail {

struct single_traits {
  using object = safefloat;
  using stored = float;
  using bits = std::uint32_t;
  static constexpr double ceiling = kFloatCeiling;                    // C
  static constexpr double half_ceiling = kFloatHalfCeiling;           // H
  static constexpr double smallest_normal = kFloatSmallestNormal;     // m
  static constexpr double addition_guard = 2 * kFloatSmallestNormal;  // 2m
  static constexpr bits ceiling_bits = kFloatCeilingBits;
  // The lane of the ladders that round in the class's own precision.
  using native_lane = single_lane;
  static native_lane load(stored v) { return single_lane_of(v); }
  static object make(stored v) { return access::make_float(v); }
};

struct double_traits {
  using object = safedouble;
  using stored = double;
  using bits = std::uint64_t;
  static constexpr double ceiling = kDoubleCeiling;
  static constexpr double half_ceiling = kDoubleHalfCeiling;
  static constexpr double smallest_normal = kDoubleSmallestNormal;
  static constexpr double addition_guard = 2 * kDoubleSmallestNormal;
  static constexpr bits ceiling_bits = kDoubleCeilingBits;
  using native_lane = lane;
  static native_lane load(stored v) { return lane_of(v); }
  static object make(stored v) { return access::make_double(v); }
};

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
  const lane v = lane_of(x);
  const lane limited = min(lane_of(Traits::ceiling), magnitude(v));
  return static_cast<typename Traits::stored>(value_of(with_sign_of(v, limited)));
}

}  // namespace detail
}  // namespace safenum

#endif  // SAFENUM_SRC_FLOAT_TRAITS_H
