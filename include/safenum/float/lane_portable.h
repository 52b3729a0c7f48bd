// The portable form of the lanes, in plain C++ and written once for both
// precisions: a lane holds a value of type F, a mask holds all ones or all
// zeros in the unsigned type U of F's width, and the selections work on the
// bits. It gives the same bits as the SSE2 form, and the sanitizers can see
// every division and conversion in it. Included through float/lane.h only.
#ifndef SAFENUM_FLOAT_LANE_PORTABLE_H
#define SAFENUM_FLOAT_LANE_PORTABLE_H

#include "safenum/common/compiler.h"
#include "safenum/common/runtime.h"

namespace safenum {
namespace detail {

template <class U>
struct plain_mask {
  U v;
};
template <class F, class U>
struct plain_lane {
  F v;
  // Only for constants the format holds exactly.
  static plain_lane of(double x) { return {static_cast<F>(x)}; }
};

using lane = plain_lane<double, rt::uint64_t>;
using lane_mask = plain_mask<rt::uint64_t>;
using single_lane = plain_lane<float, rt::uint32_t>;
using single_mask = plain_mask<rt::uint32_t>;

template <class F, class U>
inline U bits_of(plain_lane<F, U> x) {
  U b;
  rt::memcpy(&b, &x.v, sizeof b);
  return b;
}
template <class F, class U>
inline plain_lane<F, U> lane_from_bits(U b) {
  plain_lane<F, U> x;
  rt::memcpy(&x.v, &b, sizeof b);
  return x;
}
template <class U>
inline plain_mask<U> mask_of(bool c) {
  return {U{0} - static_cast<U>(c)};
}
template <class U>
constexpr U kSignBit = U{1} << (8 * sizeof(U) - 1);

inline lane lane_of(double x) { return {x}; }
inline lane lane_of(float x) { return {x}; }
inline single_lane single_lane_of(float x) { return {x}; }
template <class F, class U>
inline F value_of(plain_lane<F, U> x) {
  return x.v;
}

template <class F, class U>
inline plain_lane<F, U> operator+(plain_lane<F, U> x, plain_lane<F, U> y) {
  return {x.v + y.v};
}
template <class F, class U>
inline plain_lane<F, U> operator-(plain_lane<F, U> x, plain_lane<F, U> y) {
  return {x.v - y.v};
}
template <class F, class U>
inline plain_lane<F, U> operator*(plain_lane<F, U> x, plain_lane<F, U> y) {
  return {x.v * y.v};
}
template <class F, class U>
inline plain_lane<F, U> operator/(plain_lane<F, U> x, plain_lane<F, U> y) {
  return {x.v / y.v};
}
// x < y ? x : y and x > y ? x : y: where either is a NaN, y.
template <class F, class U>
inline plain_lane<F, U> min(plain_lane<F, U> x, plain_lane<F, U> y) {
  return {x.v < y.v ? x.v : y.v};
}
template <class F, class U>
inline plain_lane<F, U> max(plain_lane<F, U> x, plain_lane<F, U> y) {
  return {x.v > y.v ? x.v : y.v};
}

template <class F, class U>
inline plain_mask<U> below(plain_lane<F, U> x, plain_lane<F, U> y) {
  return mask_of<U>(!(x.v >= y.v));
}
template <class F, class U>
inline plain_mask<U> above(plain_lane<F, U> x, plain_lane<F, U> y) {
  return mask_of<U>(x.v > y.v);
}
template <class F, class U>
inline plain_mask<U> equal(plain_lane<F, U> x, plain_lane<F, U> y) {
  return mask_of<U>(!(x.v < y.v) && !(x.v > y.v));
}
template <class F, class U>
inline plain_mask<U> not_below(plain_lane<F, U> x, plain_lane<F, U> y) {
  return mask_of<U>(x.v >= y.v);
}
template <class F, class U>
inline plain_mask<U> not_above(plain_lane<F, U> x, plain_lane<F, U> y) {
  return mask_of<U>(!(x.v > y.v));
}
template <class F, class U>
inline plain_mask<U> same(plain_lane<F, U> x, plain_lane<F, U> y) {
  return mask_of<U>(x.v == y.v);
}

template <class U>
inline plain_mask<U> operator&(plain_mask<U> x, plain_mask<U> y) {
  return {static_cast<U>(x.v & y.v)};
}
template <class U>
inline plain_mask<U> operator|(plain_mask<U> x, plain_mask<U> y) {
  return {static_cast<U>(x.v | y.v)};
}
template <class U>
inline plain_mask<U> operator^(plain_mask<U> x, plain_mask<U> y) {
  return {static_cast<U>(x.v ^ y.v)};
}
template <class U>
inline plain_mask<U> and_not(plain_mask<U> x, plain_mask<U> y) {
  return {static_cast<U>(x.v & ~y.v)};
}
// Whether the mask is set, for the one rare case that takes a branch: it
// is expected not to be, so the common case runs straight on.
template <class U>
inline bool any(plain_mask<U> m) {
  return SAFENUM_UNLIKELY(m.v != 0);
}

template <class F, class U>
inline plain_lane<F, U> only_where(plain_mask<U> m, plain_lane<F, U> x) {
  return lane_from_bits<F, U>(bits_of(x) & m.v);
}
template <class F, class U>
inline plain_lane<F, U> zero_where(plain_mask<U> m, plain_lane<F, U> x) {
  return lane_from_bits<F, U>(bits_of(x) & ~m.v);
}
template <class F, class U>
inline plain_lane<F, U> merged(plain_lane<F, U> x, plain_lane<F, U> y) {
  return lane_from_bits<F, U>(bits_of(x) | bits_of(y));
}
template <class F, class U>
inline plain_lane<F, U> select(plain_mask<U> m, plain_lane<F, U> if_set,
                               plain_lane<F, U> otherwise) {
  return merged(only_where(m, if_set), zero_where(m, otherwise));
}

template <class F, class U>
inline plain_lane<F, U> magnitude(plain_lane<F, U> x) {
  return lane_from_bits<F, U>(bits_of(x) & ~kSignBit<U>);
}
template <class F, class U>
inline plain_lane<F, U> negated_where(plain_mask<U> m, plain_lane<F, U> x) {
  return lane_from_bits<F, U>(bits_of(x) | (m.v & kSignBit<U>));
}
template <class F, class U>
inline plain_lane<F, U> with_sign_of(plain_lane<F, U> s, plain_lane<F, U> magnitude) {
  return lane_from_bits<F, U>(bits_of(magnitude) | (bits_of(s) & kSignBit<U>));
}

// x rounded toward zero to an integer, on the bits: the fraction bits below
// the binary point are cleared, all of them for a magnitude below 1. From
// 2^52 on every double is an integer, and an infinity or a NaN is passed on
// as it is. No floating operation, so no evaluation in a wider format can
// change it.
inline lane truncated(lane x) {
  constexpr int kFractionBits = 52, kExponentBias = 1023;
  constexpr rt::uint64_t kExponentMask = 0x7ff;
  const rt::uint64_t b = bits_of(x);
  const int exponent = static_cast<int>((b >> kFractionBits) & kExponentMask) - kExponentBias;
  if (exponent >= kFractionBits) return x;
  if (exponent < 0) return lane_from_bits<double>(b & kSignBit<rt::uint64_t>);
  const rt::uint64_t fraction = (rt::uint64_t{1} << (kFractionBits - exponent)) - 1;
  return lane_from_bits<double>(b & ~fraction);
}

// The smallest magnitude that rounding to nearest sends past FLT_MAX: the
// midpoint between FLT_MAX and 2^128, which rounds to even, upwards.
constexpr double kPastLargestSingle = 0x1.ffffffp127;

// A double lane rounded to single precision, to nearest; a magnitude that
// rounds past FLT_MAX becomes the infinity of its sign, without a
// conversion out of range.
inline single_lane single_of(lane x) {
  if (x.v >= kPastLargestSingle) return {HUGE_VALF};
  if (x.v <= -kPastLargestSingle) return {-HUGE_VALF};
  return {static_cast<float>(x.v)};  // within the range, or a NaN
}

}  // namespace detail
}  // namespace safenum

#endif  // SAFENUM_FLOAT_LANE_PORTABLE_H
