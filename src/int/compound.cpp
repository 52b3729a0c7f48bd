// safeint compound assignment: +=, *= and /=. Each reads both operands
// before its single store, so an object combined with itself behaves as if
// the right operand were a copy. The tests of += and *= are their own and
// differ at the edges from those of the binary + and *; /= shares the
// binary quotient.
#include "int/core.h"
#include "limits/limits.h"
#include "module/runtime.h"
#include "safenum.h"

namespace safenum {
namespace detail {
namespace {

// Halving rounded toward minus infinity, as an arithmetic shift by one bit
// would give, written so that it is defined for every int.
int floor_half(int v) { return v / 2 - (v % 2 < 0 ? 1 : 0); }

// Sum. A saturated operand decides, the positive one first. The only
// overflow test is on the sum of the two floored halves, so sums right at
// the limits saturate or not with the operands' parities.
int add_in_place(int a, int b) {
  if (a == kIntSaturatedPos || b == kIntSaturatedPos) return kIntSaturatedPos;
  if (a == kIntSaturatedNeg || b == kIntSaturatedNeg) return kIntSaturatedNeg;
  const int h = floor_half(a) + floor_half(b);  // always fits
  if (h >= kIntHalfCeiling) return kIntSaturatedPos;
  if (h <= -kIntHalfCeiling) return kIntSaturatedNeg;
  return a + b;  // |h| < kIntHalfCeiling, so the sum fits
}

// Product with the strict quotient test: |a| must stay below MAX / |b|
// truncated, so a stored product is at most MAX - |b| in magnitude and some
// products that would fit saturate.
//
// For integers, |a| < MAX / |b| truncated exactly when (|a| + 1) * |b| <= MAX,
// so the fast path makes the same test with a 64-bit product instead of a
// division. It also covers a zero on either side and a factor of one, and
// lets no saturated factor or -2147483648 through except beside a zero.
int multiply_in_place(int a, int b) {
  if ((magnitude_int(a) + 1) * magnitude_int(b) <= kIntCeiling) return a * b;
  if (a == 0 || b == 0) return 0;
  // Multiplying by one changes nothing; this also keeps -2147483648, the
  // one left operand whose magnitude the quotient test cannot hold.
  if (b == 1) return a;
  const int saturated = saturated_of_sign(a, b);
  if (is_saturated_int(a) || is_saturated_int(b)) return saturated;
  // Magnitudes up to 2^31, so -2147483648 on either side saturates; the
  // quotient is an unsigned 32-bit one, which 32-bit x86 divides in one
  // instruction.
  const rt::uint32_t q =
      static_cast<rt::uint32_t>(kIntCeiling) / static_cast<rt::uint32_t>(magnitude_int(b));
  if (magnitude_int(a) >= q) return saturated;
  return low_bits(rt::int64_t{a} * b);
}

}  // namespace
}  // namespace detail
}  // namespace safenum

safeint& safeint::operator+=(const safeint& rhs) {
  value_ = safenum::detail::add_in_place(value_, rhs.value_);
  return *this;
}

safeint& safeint::operator*=(const safeint& rhs) {
  value_ = safenum::detail::multiply_in_place(value_, rhs.value_);
  return *this;
}

safeint& safeint::operator/=(const safeint& rhs) {
  value_ = safenum::detail::divide(value_, rhs.value_);
  return *this;
}
