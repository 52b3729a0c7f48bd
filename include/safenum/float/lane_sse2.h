// SPDX-License-Identifier: BSL-1.0
// The SSE2 form of the lanes: a lane is the low half of an XMM register,
// a mask is all ones or all zeros in it, and an operation is one to three
// instructions. Included through float/lane.h only.
#ifndef SAFENUM_FLOAT_LANE_SSE2_H
#define SAFENUM_FLOAT_LANE_SSE2_H

#include <emmintrin.h>
#include <xmmintrin.h>

#include "safenum/common/compiler.h"

namespace safenum {
namespace detail {

// Double precision.
struct lane {
  __m128d v;
  static lane of(double x) { return {_mm_set_sd(x)}; }
};
struct lane_mask {
  __m128d v;
};

inline lane lane_of(double x) { return {_mm_set_sd(x)}; }
// A float widened exactly, by the packed conversion, which writes the
// whole register: the scalar one keeps the register's other bits, so it
// waits on whatever wrote them last, and a compiler may pick a register
// that the previous call wrote last, which chains every call to the one
// before.
inline lane lane_of(float x) { return {_mm_cvtps_pd(_mm_set_ss(x))}; }
inline double value_of(lane x) { return _mm_cvtsd_f64(x.v); }
// The sign bit alone: the bit pattern of -0.0.
inline __m128d sign_bit_of(lane) { return _mm_set_sd(-0.0); }

inline lane operator+(lane x, lane y) { return {_mm_add_sd(x.v, y.v)}; }
inline lane operator-(lane x, lane y) { return {_mm_sub_sd(x.v, y.v)}; }
inline lane operator*(lane x, lane y) { return {_mm_mul_sd(x.v, y.v)}; }
inline lane operator/(lane x, lane y) { return {_mm_div_sd(x.v, y.v)}; }
// x < y ? x : y and x > y ? x : y: where either is a NaN, y.
inline lane min(lane x, lane y) { return {_mm_min_sd(x.v, y.v)}; }
inline lane max(lane x, lane y) { return {_mm_max_sd(x.v, y.v)}; }

// The comparison forms: a NaN on either side counts as below and as equal,
// never as above; the negated forms are their plain complements.
inline lane_mask below(lane x, lane y) { return {_mm_cmpnle_sd(y.v, x.v)}; }
inline lane_mask above(lane x, lane y) { return {_mm_cmplt_sd(y.v, x.v)}; }
inline lane_mask equal_or_nan(lane x, lane y) {
  return {_mm_and_pd(_mm_cmpnlt_sd(x.v, y.v), _mm_cmpnlt_sd(y.v, x.v))};
}
inline lane_mask not_below(lane x, lane y) { return {_mm_cmple_sd(y.v, x.v)}; }
inline lane_mask not_above(lane x, lane y) { return {_mm_cmpnlt_sd(y.v, x.v)}; }
// The identity test: the same number, which a NaN never is.
inline lane_mask same_number(lane x, lane y) { return {_mm_cmpeq_sd(x.v, y.v)}; }

inline lane_mask operator&(lane_mask x, lane_mask y) { return {_mm_and_pd(x.v, y.v)}; }
inline lane_mask operator|(lane_mask x, lane_mask y) { return {_mm_or_pd(x.v, y.v)}; }
inline lane_mask operator^(lane_mask x, lane_mask y) { return {_mm_xor_pd(x.v, y.v)}; }

// One operation at a time: a rare case may take a jump, on any().
constexpr bool kLanesTakeRareJumps = true;
// Whether the mask is set, for a rare case that takes a branch: it is
// expected not to be, so the common case runs straight on.
inline bool any(lane_mask m) { return SAFENUM_UNLIKELY((_mm_movemask_pd(m.v) & 1) != 0); }

// x where the mask is set, zero elsewhere; and the other way round.
inline lane only_where(lane_mask m, lane x) { return {_mm_and_pd(m.v, x.v)}; }
inline lane zero_where(lane_mask m, lane x) { return {_mm_andnot_pd(m.v, x.v)}; }
// The bits of two lanes of which at most one is not zero.
inline lane merged(lane x, lane y) { return {_mm_or_pd(x.v, y.v)}; }
inline lane select(lane_mask m, lane if_set, lane otherwise) {
  return merged(only_where(m, if_set), zero_where(m, otherwise));
}

inline lane magnitude(lane x) { return {_mm_andnot_pd(sign_bit_of(x), x.v)}; }
// A non-negative x given the sign bit where the mask is set.
inline lane negated_where(lane_mask m, lane x) {
  return {_mm_or_pd(x.v, _mm_and_pd(m.v, sign_bit_of(x)))};
}
// A non-negative magnitude given the sign bit of s.
inline lane with_sign_of(lane s, lane magnitude) {
  return {_mm_or_pd(magnitude.v, _mm_and_pd(s.v, sign_bit_of(s)))};
}

// x*p for a power of two p not below 1, made on the bits: p's exponent is
// added to x's exponent field. Exact for a normal x whose product stays
// finite; a subnormal x (exponent field zero) comes out below p*DBL_MIN.
inline lane scaled_on_bits(lane x, lane p) {
  const __m128i exponent = _mm_sub_epi64(_mm_castpd_si128(p.v), _mm_castpd_si128(_mm_set_sd(1.0)));
  return {_mm_castsi128_pd(_mm_add_epi64(_mm_castpd_si128(x.v), exponent))};
}

// SSE2 has no fused multiply-add, so its full-speed product is the plain one.
constexpr bool kLanesFuseMultiplySubtract = false;
inline lane full_speed_product(lane x, lane y) { return x * y; }

// x rounded toward zero to an integer. Below 2^52 the sum with 2^52 keeps
// no fraction bits, so subtracting 2^52 again leaves an integer next to the
// magnitude, above it or not whatever the rounding mode; one less where it is
// above. From 2^52 on every double is an integer, and an infinity or a NaN
// is passed on as it is.
inline lane truncated(lane x) {
  const __m128d integral_from = _mm_set_sd(0x1p52), m = magnitude(x).v;
  const __m128d r = _mm_sub_sd(_mm_add_sd(m, integral_from), integral_from);
  const __m128d t = _mm_sub_sd(r, _mm_and_pd(_mm_cmplt_sd(m, r), _mm_set_sd(1.0)));
  const __m128d small = _mm_cmplt_sd(m, integral_from);
  return {_mm_or_pd(_mm_and_pd(small, with_sign_of(x, lane{t}).v), _mm_andnot_pd(small, x.v))};
}

// Single precision.
struct single_lane {
  __m128 v;
  // Only for constants a float holds exactly.
  static single_lane of(double x) { return {_mm_set_ss(static_cast<float>(x))}; }
};
struct single_mask {
  __m128 v;
};

inline single_lane single_lane_of(float x) { return {_mm_set_ss(x)}; }
// A single lane widened to double, exactly, and a double lane's mask for the
// single lane (its low 32 bits, all ones or all zeros as the 64 are).
inline lane lane_of(single_lane x) { return {_mm_cvtps_pd(x.v)}; }
inline single_mask single_mask_of(lane_mask m) { return {_mm_castpd_ps(m.v)}; }
inline float value_of(single_lane x) { return _mm_cvtss_f32(x.v); }
inline __m128 sign_bit_of(single_lane) { return _mm_set_ss(-0.0f); }

inline single_lane operator+(single_lane x, single_lane y) { return {_mm_add_ss(x.v, y.v)}; }
inline single_lane operator-(single_lane x, single_lane y) { return {_mm_sub_ss(x.v, y.v)}; }
inline single_lane operator*(single_lane x, single_lane y) { return {_mm_mul_ss(x.v, y.v)}; }
inline single_lane full_speed_product(single_lane x, single_lane y) { return x * y; }
inline single_lane operator/(single_lane x, single_lane y) { return {_mm_div_ss(x.v, y.v)}; }
inline single_lane min(single_lane x, single_lane y) { return {_mm_min_ss(x.v, y.v)}; }
inline single_lane max(single_lane x, single_lane y) { return {_mm_max_ss(x.v, y.v)}; }

inline single_mask below(single_lane x, single_lane y) { return {_mm_cmpnle_ss(y.v, x.v)}; }
inline single_mask equal_or_nan(single_lane x, single_lane y) {
  return {_mm_and_ps(_mm_cmpnlt_ss(x.v, y.v), _mm_cmpnlt_ss(y.v, x.v))};
}
inline single_mask not_below(single_lane x, single_lane y) { return {_mm_cmple_ss(y.v, x.v)}; }
inline single_mask not_above(single_lane x, single_lane y) { return {_mm_cmpnlt_ss(y.v, x.v)}; }
inline single_mask same_number(single_lane x, single_lane y) { return {_mm_cmpeq_ss(x.v, y.v)}; }

inline single_mask operator&(single_mask x, single_mask y) { return {_mm_and_ps(x.v, y.v)}; }
inline single_mask operator|(single_mask x, single_mask y) { return {_mm_or_ps(x.v, y.v)}; }
inline single_mask operator^(single_mask x, single_mask y) { return {_mm_xor_ps(x.v, y.v)}; }

inline single_lane only_where(single_mask m, single_lane x) { return {_mm_and_ps(m.v, x.v)}; }
inline single_lane zero_where(single_mask m, single_lane x) { return {_mm_andnot_ps(m.v, x.v)}; }
inline single_lane merged(single_lane x, single_lane y) { return {_mm_or_ps(x.v, y.v)}; }
inline single_lane select(single_mask m, single_lane if_set, single_lane otherwise) {
  return merged(only_where(m, if_set), zero_where(m, otherwise));
}

inline single_lane magnitude(single_lane x) { return {_mm_andnot_ps(sign_bit_of(x), x.v)}; }
inline single_lane negated_where(single_mask m, single_lane x) {
  return {_mm_or_ps(x.v, _mm_and_ps(m.v, sign_bit_of(x)))};
}
inline single_lane with_sign_of(single_lane s, single_lane magnitude) {
  return {_mm_or_ps(magnitude.v, _mm_and_ps(s.v, sign_bit_of(s)))};
}

// A double lane rounded to single precision, to nearest: the instruction
// sends a magnitude that rounds past FLT_MAX to the infinity of its sign.
inline single_lane single_of(lane x) { return {_mm_cvtsd_ss(_mm_setzero_ps(), x.v)}; }

}  // namespace detail
}  // namespace safenum

#endif  // SAFENUM_FLOAT_LANE_SSE2_H
