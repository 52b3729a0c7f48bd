// An exact model of floating values for the conversion tests.
//
// A finite double is m * 2^e with integer m and e. Splitting it with integer
// arithmetic alone gives its integer part, its first decimal digit after the
// point (floor(10 * fraction)) and the fraction compared with one half, all
// exactly. The expected results of the rounding and truncating conversions
// are then stated in closed form on those exact pieces, independently of how
// the library computes them.
#ifndef SAFENUM_TESTS_SUPPORT_EXACT_VALUE_H
#define SAFENUM_TESTS_SUPPORT_EXACT_VALUE_H

#include <cstdint>

#include "bits.h"

namespace testing_support {

constexpr std::uint64_t kTwo31 = 0x80000000u;
constexpr std::uint64_t kIntMax = 0x7fffffffu;
constexpr int kSatPos = 0x7fffffff;
constexpr int kSatNeg = -0x7fffffff;  // bits 0x80000001

struct exact_value {
  bool nan = false;
  bool neg = false;
  bool huge = false;           // |x| >= 2^62, infinities included
  std::uint64_t whole = 0;     // floor(|x|) when not huge
  bool fraction_nonzero = false;
  int first_digit = 0;         // floor(10 * (|x| - whole))
  int half_order = -1;         // sign of (|x| - whole) - 1/2
};

inline exact_value decompose(double x) {
  exact_value v;
  const std::uint64_t b = bits(x);
  v.neg = (b >> 63) != 0;
  const int field = static_cast<int>((b >> 52) & 0x7ff);
  const std::uint64_t frac = b & ((std::uint64_t{1} << 52) - 1);
  if (field == 0x7ff) {
    v.nan = frac != 0;
    v.huge = true;
    return v;
  }
  const std::uint64_t m = field == 0 ? frac : frac | (std::uint64_t{1} << 52);
  const int e = field == 0 ? -1074 : field - 1075;
  if (m == 0) return v;
  if (e >= 0) {
    // A normal m has 53 bits, so m * 2^e < 2^62 exactly when e <= 9.
    if (e > 9) {
      v.huge = true;
    } else {
      v.whole = m << e;
    }
    return v;
  }
  const int k = -e;
  if (k >= 58) {
    // |x| < 2^53 / 2^58: no integer part, 10 |x| < 1, below one half.
    v.fraction_nonzero = true;
    return v;
  }
  // k <= 57, so 10 * rest < 10 * 2^57 fits in 64 bits.
  const std::uint64_t one = std::uint64_t{1} << k;
  const std::uint64_t rest = m & (one - 1);
  v.whole = m >> k;
  v.fraction_nonzero = rest != 0;
  v.first_digit = static_cast<int>((rest * 10) >> k);
  const std::uint64_t twice = rest * 2;
  v.half_order = twice > one ? 1 : (twice == one ? 0 : -1);
  return v;
}

// |x| >= limit, for a limit below 2^62.
inline bool magnitude_at_least(const exact_value& v, std::uint64_t limit) {
  return v.huge || v.whole >= limit;
}
// |x| > limit, for an integer limit below 2^62.
inline bool magnitude_above(const exact_value& v, std::uint64_t limit) {
  return v.huge || v.whole > limit || (v.whole == limit && v.fraction_nonzero);
}

inline int with_sign(const exact_value& v, std::uint64_t r) {
  const std::int64_t s = static_cast<std::int64_t>(r);
  return static_cast<int>(v.neg ? -s : s);
}

// nint: round on the first decimal digit (5 or more rounds the magnitude up),
// saturate at and beyond +2^31 and below -2^31; a rounded magnitude of 2^31
// takes the saturated value of its sign; a NaN gives 0x7fffffff.
inline int expected_nint(double x) {
  const exact_value v = decompose(x);
  if (v.nan) return kSatPos;
  if (!v.neg && magnitude_at_least(v, kTwo31)) return kSatPos;
  if (v.neg && magnitude_above(v, kTwo31)) return kSatNeg;
  const std::uint64_t r = v.whole + (v.first_digit >= 5 ? 1 : 0);
  if (r >= kTwo31) return v.neg ? kSatNeg : kSatPos;
  return with_sign(v, r);
}

// safeint's rounding constructors: nearest integer, exact halves toward
// zero. A float saturates at magnitude 2^31 and beyond, a double at
// 2147483647 and beyond; a NaN gives the negative saturated value.
inline int expected_round(double x, std::uint64_t limit) {
  const exact_value v = decompose(x);
  if (v.nan) return kSatNeg;
  if (magnitude_at_least(v, limit)) return v.neg ? kSatNeg : kSatPos;
  return with_sign(v, v.whole + (v.half_order > 0 ? 1 : 0));
}
inline int expected_round_from_float(float x) { return expected_round(x, kTwo31); }
inline int expected_round_from_double(double x) { return expected_round(x, kIntMax); }

// safeint's truncating assignments: the integer part with the sign,
// saturated at magnitude 2147483647 and beyond; a NaN gives -2147483647.
inline int expected_truncate(double x) {
  const exact_value v = decompose(x);
  if (v.nan) return kSatNeg;
  if (magnitude_at_least(v, kIntMax)) return v.neg ? kSatNeg : kSatPos;
  return with_sign(v, v.whole);
}

// safefloat built from a float widened to double, on the bit pattern: a
// magnitude at or above 2^126 (bits 0x7e800000, infinity included) becomes
// 2^126 with the argument's sign, every other float is kept exactly. A NaN is
// reported separately since only its NaN-ness is fixed.
constexpr std::uint32_t kFloatCeilingPattern = 0x7e800000u;
constexpr std::uint32_t kFloatInfinityPattern = 0x7f800000u;
inline bool float_pattern_is_nan(std::uint32_t b) {
  return (b & 0x7fffffffu) > kFloatInfinityPattern;
}
inline std::uint32_t expected_safefloat_pattern(std::uint32_t b) {
  if ((b & 0x7fffffffu) >= kFloatCeilingPattern) {
    return (b & 0x80000000u) | kFloatCeilingPattern;
  }
  return b;
}

// safefloat built from any non-NaN double, on the bit pattern: a magnitude at
// or above 2^126 becomes 2^126 with the argument's sign; anything else keeps
// the double's top 24 significant bits (fewer in the subnormal range),
// rounded on the dropped bits to nearest, ties to even. A carry out of the
// last binade below 2^126 lands on 2^126, the saturated value.
constexpr std::uint64_t kFloatCeilingAsDouble = 0x47d0000000000000u;
inline std::uint32_t expected_safefloat_from_double(double x) {
  const std::uint64_t b = bits(x);
  const std::uint32_t sign = static_cast<std::uint32_t>(b >> 32) & 0x80000000u;
  if ((b & ~(std::uint64_t{1} << 63)) >= kFloatCeilingAsDouble) {
    return sign | kFloatCeilingPattern;
  }
  const int field = static_cast<int>((b >> 52) & 0x7ff);
  if (field == 0) return sign;  // below 2^-1022: far under half the least subnormal
  const std::uint64_t m = (b & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int e = field - 1023;  // x = m * 2^(e - 52)
  // Dropped bits: 29 for a normal single, more below 2^-126.
  const int shift = e >= -126 ? 29 : 29 + (-126 - e);
  if (shift > 54) return sign;  // below a quarter of the least subnormal
  std::uint64_t q = m >> shift;
  const std::uint64_t rest = m & ((std::uint64_t{1} << shift) - 1);
  const std::uint64_t half = std::uint64_t{1} << (shift - 1);
  if (rest > half || (rest == half && (q & 1) != 0)) ++q;
  if (e < -126) return sign | static_cast<std::uint32_t>(q);  // subnormal, or 2^-126
  std::uint32_t exponent = static_cast<std::uint32_t>(e + 127);
  if (q == (std::uint64_t{1} << 24)) {
    q >>= 1;
    ++exponent;
  }
  return sign | exponent << 23 | static_cast<std::uint32_t>(q - (std::uint64_t{1} << 23));
}

}  // namespace testing_support

#endif  // SAFENUM_TESTS_SUPPORT_EXACT_VALUE_H
