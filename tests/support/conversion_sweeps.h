// Sweeps of the conversions against the exact model in exact_value.h, shared
// by the exhaustive run (every pattern) and the default suite (a stride).
#ifndef SAFENUM_TESTS_SUPPORT_CONVERSION_SWEEPS_H
#define SAFENUM_TESTS_SUPPORT_CONVERSION_SWEEPS_H

#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "bits.h"
#include "exact_value.h"

namespace testing_support {

struct sweep_result {
  std::uint64_t checked = 0;
  std::uint64_t failures = 0;
  std::string first_failure;

  void check(bool ok, const char* what, std::uint64_t pattern, long long got,
             long long want) {
    ++checked;
    if (ok) return;
    if (failures++ == 0) {
      std::ostringstream s;
      s << what << " of pattern 0x" << std::hex << pattern << std::dec << ": got "
        << got << ", want " << want;
      first_failure = s.str();
    }
  }
};

// Visits the single-precision patterns start, start + stride, ... up to 2^32.
template <class Visit>
void for_float_patterns(std::uint64_t stride, Visit visit) {
  for (std::uint64_t b = 0; b <= 0xffffffffu; b += stride) {
    visit(static_cast<std::uint32_t>(b));
  }
}

inline sweep_result sweep_safeint_from_float(std::uint64_t stride) {
  sweep_result r;
  for_float_patterns(stride, [&](std::uint32_t b) {
    const float f = float_from_bits(b);
    const int got = value_of(safeint(f));
    const int want = expected_round_from_float(f);
    r.check(got == want, "safeint(float)", b, got, want);
  });
  return r;
}

inline sweep_result sweep_safeint_assign_float(std::uint64_t stride) {
  sweep_result r;
  for_float_patterns(stride, [&](std::uint32_t b) {
    const float f = float_from_bits(b);
    safeint s(12345);
    s = f;
    const int got = value_of(s);
    const int want = expected_truncate(f);
    r.check(got == want, "safeint = float", b, got, want);
  });
  return r;
}

inline sweep_result sweep_safefloat_from_widened_float(std::uint64_t stride) {
  sweep_result r;
  for_float_patterns(stride, [&](std::uint32_t b) {
    const double widened = float_from_bits(b);
    const std::uint32_t got = bits(value_of(safefloat(widened)));
    if (float_pattern_is_nan(b)) {
      r.check(float_pattern_is_nan(got), "safefloat(NaN) NaN-ness", b, got, b);
    } else {
      const std::uint32_t want = expected_safefloat_pattern(b);
      r.check(got == want, "safefloat(double(float))", b, got, want);
    }
  });
  return r;
}

// with_callers also runs operator int() and safeint(const safefloat&), which
// must agree with nint() on every value.
inline sweep_result sweep_safefloat_nint(std::uint64_t stride, bool with_callers) {
  sweep_result r;
  for_float_patterns(stride, [&](std::uint32_t b) {
    safefloat f = safefloat_from_bits(b);
    const int want = expected_nint(float_from_bits(b));
    const int got = f.nint();
    r.check(got == want, "safefloat::nint", b, got, want);
    if (with_callers) {
      const int as_int = static_cast<int>(f);
      r.check(as_int == want, "safefloat::operator int", b, as_int, want);
      const int via_safeint = value_of(safeint(f));
      r.check(via_safeint == want, "safeint(safefloat)", b, via_safeint, want);
    }
  });
  return r;
}

// safefloat's saturating construction from doubles: `count` patterns spread
// over the whole double range by a fixed-seed generator, and every double in
// the last `reach` units below 2^126 and around the midpoints of the top
// 64 floats below it, where the single rounding meets the ceiling.
inline sweep_result sweep_safefloat_from_doubles(std::uint64_t count, std::uint64_t reach) {
  sweep_result r;
  auto check = [&r](std::uint64_t p) {
    const double x = double_from_bits(p);
    const std::uint32_t got = bits(value_of(safefloat(x)));
    if (std::isnan(x)) {
      r.check(float_pattern_is_nan(got), "safefloat(NaN double) NaN-ness", p, got, 0);
    } else {
      const std::uint32_t want = expected_safefloat_from_double(x);
      r.check(got == want, "safefloat(double)", p, got, want);
    }
  };
  std::uint64_t state = 0x9e3779b97f4a7c15u;
  for (std::uint64_t i = 0; i < count; ++i) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    check(state ^ (state >> 29));
  }
  constexpr std::uint64_t sign = std::uint64_t{1} << 63;
  for (std::uint64_t p = kFloatCeilingAsDouble - reach; p != kFloatCeilingAsDouble + reach; ++p) {
    check(p);
    check(p | sign);
  }
  // A double midway between two floats of the top binade: the float's
  // pattern widened, plus half a single unit (2^28 double units).
  for (std::uint32_t f = kFloatCeilingPattern - 64; f != kFloatCeilingPattern; ++f) {
    const std::uint64_t mid = bits(static_cast<double>(float_from_bits(f))) + (std::uint64_t{1} << 28);
    for (std::uint64_t p = mid - reach; p != mid + reach + 1; ++p) check(p);
  }
  return r;
}

// Centres of the dense double sweeps: every integer and half-integer within
// a few units of +-2^31, and the halves of small magnitude.
inline std::vector<double> dense_double_centres() {
  std::vector<double> c;
  for (double n = 2147483640.0; n <= 2147483650.0; n += 0.5) {
    c.push_back(n);
    c.push_back(-n);
  }
  for (double n = 0.5; n <= 64.5; n += 1.0) {
    c.push_back(n);
    c.push_back(-n);
  }
  return c;
}

// Walks `reach` neighbouring doubles on each side of every centre (by bit
// pattern, so each step is one unit in the last place) and checks
// safedouble::nint, safeint(const safedouble&), safeint(double) and the
// truncating assignment against the exact model.
inline sweep_result sweep_doubles_around_halves(std::uint64_t reach) {
  sweep_result r;
  for (double centre : dense_double_centres()) {
    const std::uint64_t mid = bits(centre);
    for (std::uint64_t p = mid - reach; p != mid + reach + 1; ++p) {
      const double x = double_from_bits(p);
      const safedouble d(x);
      const int want_nint = expected_nint(x);
      const int got_nint = d.nint();
      r.check(got_nint == want_nint, "safedouble::nint", p, got_nint, want_nint);
      const int via_safeint = value_of(safeint(d));
      r.check(via_safeint == want_nint, "safeint(safedouble)", p, via_safeint,
              want_nint);
      const int want_round = expected_round_from_double(x);
      const int got_round = value_of(safeint(x));
      r.check(got_round == want_round, "safeint(double)", p, got_round, want_round);
      safeint s;
      s = x;
      const int want_trunc = expected_truncate(x);
      r.check(value_of(s) == want_trunc, "safeint = double", p, value_of(s),
              want_trunc);
    }
  }
  return r;
}

}  // namespace testing_support

#endif  // SAFENUM_TESTS_SUPPORT_CONVERSION_SWEEPS_H
