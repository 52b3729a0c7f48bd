// The selections of the floating ladders, made without a jump.
//
// A ladder's rungs fire on operands that are anything at all: signs, zeros,
// NaNs and saturated values arrive in no order a branch predictor could
// learn. Written with branches, an operand off the common path pays for
// several mispredicted jumps; written as ternaries on doubles, the compiler
// turns most of them back into jumps. So a ladder is evaluated in full on a
// `lane` (a double held where comparisons yield all-ones or all-zeros
// masks), and every rung is a comparison and a masked selection.
//
// On SSE2 the lane is the low half of an XMM register and each operation is
// one instruction. Elsewhere (or with SAFENUM_PORTABLE_LANES defined) it is
// a double with a 64-bit integer mask; the two give the same bits.
//
// A `single_lane` offers the same operations in single precision, for the
// ladders whose every step rounds in single precision exactly as in double
// rounded once to single; it saves safefloat the conversions both ways.
#ifndef SAFENUM_SRC_FLOAT_LANE_H
#define SAFENUM_SRC_FLOAT_LANE_H

#include "module/runtime.h"

#if defined(__SSE2__) && !defined(SAFENUM_PORTABLE_LANES)
#define SAFENUM_SSE2_LANES 1
#include <emmintrin.h>
#include <xmmintrin.h>
#else
#define SAFENUM_SSE2_LANES 0
#endif

namespace safenum {
namespace detail {

#if SAFENUM_SSE2_LANES

struct lane {
  __m128d v;
  static lane of(double x) { return {_mm_set_sd(x)}; }
};
struct lane_mask {
  __m128d v;
};

inline lane lane_of(double x) { return {_mm_set_sd(x)}; }
inline double value_of(lane x) { return _mm_cvtsd_f64(x.v); }
// The sign bit alone: the bit pattern of -0.0.
inline __m128d sign_bit() { return _mm_set_sd(-0.0); }

inline lane operator*(lane x, lane y) { return {_mm_mul_sd(x.v, y.v)}; }
inline lane operator/(lane x, lane y) { return {_mm_div_sd(x.v, y.v)}; }
inline lane operator+(lane x, lane y) { return {_mm_add_sd(x.v, y.v)}; }
inline lane negated(lane x) { return {_mm_xor_pd(x.v, sign_bit())}; }
// x < y ? x : y and x > y ? x : y: where either is a NaN, the result is y.
inline lane min(lane x, lane y) { return {_mm_min_sd(x.v, y.v)}; }
inline lane max(lane x, lane y) { return {_mm_max_sd(x.v, y.v)}; }

// The three comparison forms, with the scalar forms' NaN rules: a NaN on
// either side counts as below and as equal, never as above.
inline lane_mask below(lane x, lane y) { return {_mm_cmpnle_sd(y.v, x.v)}; }
inline lane_mask above(lane x, lane y) { return {_mm_cmplt_sd(y.v, x.v)}; }
inline lane_mask equal(lane x, lane y) {
  return {_mm_and_pd(_mm_cmpnlt_sd(x.v, y.v), _mm_cmpnlt_sd(y.v, x.v))};
}
// The identity test: the same number, which a NaN never is.
inline lane_mask same(lane x, lane y) { return {_mm_cmpeq_sd(x.v, y.v)}; }
// The negated forms, each in one comparison.
inline lane_mask not_above(lane x, lane y) { return {_mm_cmpnlt_sd(y.v, x.v)}; }
inline lane_mask not_below(lane x, lane y) { return {_mm_cmple_sd(y.v, x.v)}; }
// Whether the mask is set, for the rare case that takes a branch.
inline bool any(lane_mask m) { return (_mm_movemask_pd(m.v) & 1) != 0; }

inline lane_mask operator&(lane_mask x, lane_mask y) { return {_mm_and_pd(x.v, y.v)}; }
inline lane_mask operator|(lane_mask x, lane_mask y) { return {_mm_or_pd(x.v, y.v)}; }
inline lane_mask operator^(lane_mask x, lane_mask y) { return {_mm_xor_pd(x.v, y.v)}; }
// x and not y, in one operation.
inline lane_mask and_not(lane_mask x, lane_mask y) { return {_mm_andnot_pd(y.v, x.v)}; }

inline lane select(lane_mask m, lane if_true, lane otherwise) {
  return {_mm_or_pd(_mm_and_pd(m.v, if_true.v), _mm_andnot_pd(m.v, otherwise.v))};
}
// Zero where the mask is set, x elsewhere.
inline lane zero_where(lane_mask m, lane x) { return {_mm_andnot_pd(m.v, x.v)}; }

inline lane magnitude(lane x) { return {_mm_andnot_pd(sign_bit(), x.v)}; }
// A non-negative x given the sign bit where the mask is set.
inline lane negated_where(lane_mask m, lane x) {
  return {_mm_or_pd(x.v, _mm_and_pd(m.v, sign_bit()))};
}
// A non-negative magnitude given the sign bit of s.
inline lane with_sign_of(lane s, lane magnitude) {
  return {_mm_or_pd(magnitude.v, _mm_and_pd(s.v, sign_bit()))};
}

struct single_lane {
  __m128 v;
  // Only for constants a float holds exactly.
  static single_lane of(double x) { return {_mm_set_ss(static_cast<float>(x))}; }
};
struct single_mask {
  __m128 v;
};

inline single_lane single_lane_of(float x) { return {_mm_set_ss(x)}; }
inline float value_of(single_lane x) { return _mm_cvtss_f32(x.v); }
inline __m128 single_sign_bit() { return _mm_set_ss(-0.0f); }

inline single_lane operator/(single_lane x, single_lane y) { return {_mm_div_ss(x.v, y.v)}; }
inline single_lane operator+(single_lane x, single_lane y) { return {_mm_add_ss(x.v, y.v)}; }
inline single_lane negated(single_lane x) { return {_mm_xor_ps(x.v, single_sign_bit())}; }
inline single_lane min(single_lane x, single_lane y) { return {_mm_min_ss(x.v, y.v)}; }
inline single_lane max(single_lane x, single_lane y) { return {_mm_max_ss(x.v, y.v)}; }

inline single_mask below(single_lane x, single_lane y) { return {_mm_cmpnle_ss(y.v, x.v)}; }
inline single_mask above(single_lane x, single_lane y) { return {_mm_cmplt_ss(y.v, x.v)}; }
inline single_mask equal(single_lane x, single_lane y) {
  return {_mm_and_ps(_mm_cmpnlt_ss(x.v, y.v), _mm_cmpnlt_ss(y.v, x.v))};
}
inline single_mask same(single_lane x, single_lane y) { return {_mm_cmpeq_ss(x.v, y.v)}; }
inline single_mask not_above(single_lane x, single_lane y) { return {_mm_cmpnlt_ss(y.v, x.v)}; }
inline single_mask not_below(single_lane x, single_lane y) { return {_mm_cmple_ss(y.v, x.v)}; }

inline single_mask operator&(single_mask x, single_mask y) { return {_mm_and_ps(x.v, y.v)}; }
inline single_mask operator|(single_mask x, single_mask y) { return {_mm_or_ps(x.v, y.v)}; }
inline single_mask operator^(single_mask x, single_mask y) { return {_mm_xor_ps(x.v, y.v)}; }
inline single_mask and_not(single_mask x, single_mask y) { return {_mm_andnot_ps(y.v, x.v)}; }

inline single_lane select(single_mask m, single_lane if_true, single_lane otherwise) {
  return {_mm_or_ps(_mm_and_ps(m.v, if_true.v), _mm_andnot_ps(m.v, otherwise.v))};
}
inline single_lane zero_where(single_mask m, single_lane x) { return {_mm_andnot_ps(m.v, x.v)}; }
inline single_lane magnitude(single_lane x) { return {_mm_andnot_ps(single_sign_bit(), x.v)}; }
inline single_lane negated_where(single_mask m, single_lane x) {
  return {_mm_or_ps(x.v, _mm_and_ps(m.v, single_sign_bit()))};
}

#else

// The plain form, written once for both precisions: a value of type F and
// a mask of the unsigned type U of F's width, all ones where it is set.
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

using lane = plain_lane<double, std::uint64_t>;
using lane_mask = plain_mask<std::uint64_t>;
using single_lane = plain_lane<float, std::uint32_t>;
using single_mask = plain_mask<std::uint32_t>;

template <class F, class U>
inline U bits_of(plain_lane<F, U> x) {
  U b;
  std::memcpy(&b, &x.v, sizeof b);
  return b;
}
template <class F, class U>
inline plain_lane<F, U> lane_from_bits(U b) {
  plain_lane<F, U> x;
  std::memcpy(&x.v, &b, sizeof b);
  return x;
}
template <class U>
inline plain_mask<U> mask_of(bool c) {
  return {U{0} - static_cast<U>(c)};
}
template <class U>
constexpr U kSignBit = U{1} << (8 * sizeof(U) - 1);

inline lane lane_of(double x) { return {x}; }
inline single_lane single_lane_of(float x) { return {x}; }
template <class F, class U>
inline F value_of(plain_lane<F, U> x) {
  return x.v;
}

template <class F, class U>
inline plain_lane<F, U> operator*(plain_lane<F, U> x, plain_lane<F, U> y) {
  return {x.v * y.v};
}
template <class F, class U>
inline plain_lane<F, U> operator/(plain_lane<F, U> x, plain_lane<F, U> y) {
  return {x.v / y.v};
}
template <class F, class U>
inline plain_lane<F, U> operator+(plain_lane<F, U> x, plain_lane<F, U> y) {
  return {x.v + y.v};
}
template <class F, class U>
inline plain_lane<F, U> negated(plain_lane<F, U> x) {
  return {-x.v};
}
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
inline plain_mask<U> same(plain_lane<F, U> x, plain_lane<F, U> y) {
  return mask_of<U>(x.v == y.v);
}
template <class F, class U>
inline plain_mask<U> not_above(plain_lane<F, U> x, plain_lane<F, U> y) {
  return mask_of<U>(!(x.v > y.v));
}
template <class F, class U>
inline plain_mask<U> not_below(plain_lane<F, U> x, plain_lane<F, U> y) {
  return mask_of<U>(x.v >= y.v);
}
template <class U>
inline bool any(plain_mask<U> m) {
  return m.v != 0;
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

template <class F, class U>
inline plain_lane<F, U> select(plain_mask<U> m, plain_lane<F, U> if_true,
                               plain_lane<F, U> otherwise) {
  return lane_from_bits<F, U>((bits_of(if_true) & m.v) | (bits_of(otherwise) & ~m.v));
}
template <class F, class U>
inline plain_lane<F, U> zero_where(plain_mask<U> m, plain_lane<F, U> x) {
  return lane_from_bits<F, U>(bits_of(x) & ~m.v);
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

#endif

}  // namespace detail
}  // namespace safenum

#endif  // SAFENUM_SRC_FLOAT_LANE_H
