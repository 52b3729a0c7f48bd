// SPDX-License-Identifier: BSL-1.0
// The portable form of the lanes, in plain C++ and written once for both
// precisions. It gives the same bits as the SSE2 form, and the sanitizers
// can see every division and conversion in it. Included through
// float/lane.h only.
#ifndef SAFENUM_FLOAT_LANE_PORTABLE_H
#define SAFENUM_FLOAT_LANE_PORTABLE_H

#include "safenum/common/runtime.h"

namespace safenum {
namespace detail {

// A lane holds one value of type F; a mask is a bool. Selections are
// conditional expressions on values and signs go through fabs and
// copysign, the forms that compilers turn into blends and bit operations
// across a loop's iterations; none of them is a jump.
template <class F>
struct plain_mask {
  bool v;
};
template <class F>
struct plain_lane {
  F v;
  // Only for constants the format holds exactly.
  static plain_lane of(double x) { return {static_cast<F>(x)}; }
};

using lane = plain_lane<double>;
using lane_mask = plain_mask<double>;
using single_lane = plain_lane<float>;
using single_mask = plain_mask<float>;

inline lane lane_of(double x) { return {x}; }
inline lane lane_of(float x) { return {x}; }
inline single_lane single_lane_of(float x) { return {x}; }
// A single lane widened to double, exactly, and a double lane's mask for
// the single lane.
inline lane lane_of(single_lane x) { return {x.v}; }
inline single_mask single_mask_of(lane_mask m) { return {m.v}; }
template <class F>
inline F value_of(plain_lane<F> x) {
  return x.v;
}

template <class F>
inline plain_lane<F> operator+(plain_lane<F> x, plain_lane<F> y) {
  return {x.v + y.v};
}
template <class F>
inline plain_lane<F> operator-(plain_lane<F> x, plain_lane<F> y) {
  return {x.v - y.v};
}
template <class F>
inline plain_lane<F> operator*(plain_lane<F> x, plain_lane<F> y) {
  return {x.v * y.v};
}
template <class F>
inline plain_lane<F> operator/(plain_lane<F> x, plain_lane<F> y) {
  return {x.v / y.v};
}
// x < y ? x : y and x > y ? x : y: where either is a NaN, y.
template <class F>
inline plain_lane<F> min(plain_lane<F> x, plain_lane<F> y) {
  return {x.v < y.v ? x.v : y.v};
}
template <class F>
inline plain_lane<F> max(plain_lane<F> x, plain_lane<F> y) {
  return {x.v > y.v ? x.v : y.v};
}

template <class F>
inline plain_mask<F> below(plain_lane<F> x, plain_lane<F> y) {
  return {!(x.v >= y.v)};
}
template <class F>
inline plain_mask<F> above(plain_lane<F> x, plain_lane<F> y) {
  return {x.v > y.v};
}
template <class F>
inline plain_mask<F> equal_or_nan(plain_lane<F> x, plain_lane<F> y) {
  return {static_cast<bool>(!(x.v < y.v) & !(x.v > y.v))};
}
template <class F>
inline plain_mask<F> not_below(plain_lane<F> x, plain_lane<F> y) {
  return {x.v >= y.v};
}
template <class F>
inline plain_mask<F> not_above(plain_lane<F> x, plain_lane<F> y) {
  return {!(x.v > y.v)};
}
template <class F>
inline plain_mask<F> same_number(plain_lane<F> x, plain_lane<F> y) {
  return {x.v == y.v};
}

template <class F>
inline plain_mask<F> operator&(plain_mask<F> x, plain_mask<F> y) {
  return {static_cast<bool>(x.v & y.v)};
}
template <class F>
inline plain_mask<F> operator|(plain_mask<F> x, plain_mask<F> y) {
  return {static_cast<bool>(x.v | y.v)};
}
template <class F>
inline plain_mask<F> operator^(plain_mask<F> x, plain_mask<F> y) {
  return {x.v != y.v};
}

// Lanes a compiler widens over a loop take no jump at all.
constexpr bool kLanesTakeRareJumps = false;
template <class F>
inline bool any(plain_mask<F> m) {
  return m.v;
}

template <class F>
inline plain_lane<F> only_where(plain_mask<F> m, plain_lane<F> x) {
  return {m.v ? x.v : F{0}};
}
template <class F>
inline plain_lane<F> zero_where(plain_mask<F> m, plain_lane<F> x) {
  return {m.v ? F{0} : x.v};
}
template <class F>
inline plain_lane<F> select(plain_mask<F> m, plain_lane<F> if_set, plain_lane<F> otherwise) {
  return {m.v ? if_set.v : otherwise.v};
}

template <class F>
inline plain_lane<F> magnitude(plain_lane<F> x) {
  return {rt::fabs(x.v)};
}
// A non-negative x given the sign bit where the mask is set.
template <class F>
inline plain_lane<F> negated_where(plain_mask<F> m, plain_lane<F> x) {
  return {m.v ? -x.v : x.v};
}
// A non-negative magnitude given the sign bit of s.
template <class F>
inline plain_lane<F> with_sign_of(plain_lane<F> s, plain_lane<F> magnitude) {
  return {rt::copysign(magnitude.v, s.v)};
}

// The fraction bits of a double.
constexpr int kFractionBits = 52;

// A lane's bit pattern, and the lane of a bit pattern, in either precision.
template <class F>
struct bits_of_format {
  using type = rt::uint64_t;
};
template <>
struct bits_of_format<float> {
  using type = rt::uint32_t;
};
template <class F>
inline typename bits_of_format<F>::type bits_of(plain_lane<F> x) {
  typename bits_of_format<F>::type b;
  rt::memcpy(&b, &x.v, sizeof b);
  return b;
}
template <class F>
inline plain_lane<F> lane_of_bits(typename bits_of_format<F>::type b) {
  plain_lane<F> x;
  rt::memcpy(&x.v, &b, sizeof b);
  return x;
}

// x*p for a power of two p not below 1, made on the bits: p's exponent is
// added to x's exponent field. Exact for a normal x whose product stays
// finite; a subnormal x (exponent field zero) comes out below p times the
// smallest normal.
template <class F>
inline plain_lane<F> scaled_on_bits(plain_lane<F> x, plain_lane<F> p) {
  return lane_of_bits<F>(bits_of(x) + (bits_of(p) - bits_of(plain_lane<F>::of(1.0))));
}

// The power of two at or below a normal x > 0: x with its fraction cleared.
inline lane binade_of(lane x) {
  constexpr rt::uint64_t kFraction = (rt::uint64_t{1} << kFractionBits) - 1;
  return lane_of_bits<double>(bits_of(x) & ~kFraction);
}

// x*y - z rounded once, where the target has the instruction for it (the
// standard fma is exact everywhere, but elsewhere a call).
#if defined(FP_FAST_FMA) || defined(__FMA__) || defined(__ARM_FEATURE_FMA)
constexpr bool kLanesFuseMultiplySubtract = true;
#else
constexpr bool kLanesFuseMultiplySubtract = false;
#endif
template <class F>
inline plain_lane<F> fused_multiply_subtract(plain_lane<F> x, plain_lane<F> y, plain_lane<F> z) {
  return {rt::fma(x.v, y.v, -z.v)};
}

// x*y; where fma is an instruction, formed as x*y + 0 rounded once: the
// same value, but an exact zero product comes out +0.0, so this serves only
// where the sign of a zero product is never read. Some processors (AMD's Zen 4,
// measured) take a multiplication with a subnormal factor or product on a
// slow path, twice the time, and the fused one at full speed.
template <class F>
inline plain_lane<F> full_speed_product(plain_lane<F> x, plain_lane<F> y) {
  if constexpr (kLanesFuseMultiplySubtract) {
    return fused_multiply_subtract(x, y, plain_lane<F>::of(-0.0));
  } else {
    return x * y;
  }
}

// x rounded toward zero to an integer, on the bits: the fraction bits below
// the binary point are cleared, all of them for a magnitude below 1. From
// 2^52 on every double is an integer, and an infinity or a NaN is passed on
// as it is. No floating operation, so no evaluation in a wider format can
// change it.
inline lane truncated(lane x) {
  constexpr int kExponentBias = 1023;
  constexpr rt::uint64_t kExponentMask = 0x7ff, kSignBit = rt::uint64_t{1} << 63;
  const rt::uint64_t b = bits_of(x);
  const int exponent = static_cast<int>((b >> kFractionBits) & kExponentMask) - kExponentBias;
  if (exponent >= kFractionBits) return x;
  const rt::uint64_t kept = exponent < 0 ? kSignBit
                                         : ~((rt::uint64_t{1} << (kFractionBits - exponent)) - 1);
  return lane_of_bits<double>(b & kept);
}

// The smallest magnitude that rounding to nearest sends past FLT_MAX: the
// midpoint between FLT_MAX and 2^128, which rounds to even, upwards.
constexpr double kPastLargestSingle = 0x1.ffffffp127;

// A double lane rounded to single precision, to nearest; a magnitude that
// rounds past FLT_MAX becomes the infinity of its sign. The value converted
// is first limited to FLT_MAX, so no conversion leaves the range, and the
// infinity is chosen beside it rather than by a jump.
inline single_lane single_of(lane x) {
  constexpr double largest = FLT_MAX;
  const double limited = x.v > largest ? largest : x.v < -largest ? -largest : x.v;
  const float rounded = static_cast<float>(limited);
  const float infinite = x.v > 0 ? HUGE_VALF : -HUGE_VALF;
  return {rt::fabs(x.v) >= kPastLargestSingle ? infinite : rounded};
}

}  // namespace detail
}  // namespace safenum

#endif  // SAFENUM_FLOAT_LANE_PORTABLE_H
