// Independent model of safeint arithmetic in exact 64-bit integers. Each
// function states the documented outcome in closed form: which exact
// results saturate, and what every other pair gives.
#ifndef SAFENUM_TESTS_SUPPORT_INT_MODEL_H
#define SAFENUM_TESTS_SUPPORT_INT_MODEL_H

#include <algorithm>
#include <cstdint>
#include <vector>

namespace int_model {

using i64 = std::int64_t;

constexpr int kMax = 2147483647;
constexpr int kNegMax = -2147483647;
constexpr int kMin = -2147483647 - 1;  // ordinary, not saturated

inline i64 mag(i64 v) { return v < 0 ? -v : v; }
inline bool saturated(int v) { return v == kMax || v == kNegMax; }
inline bool odd(int v) { return v % 2 != 0; }
// s x MAX: the saturated value of the sign of a product or quotient.
inline int signed_max(int a, int b) { return (a < 0) != (b < 0) ? kNegMax : kMax; }

// +=: a saturated operand decides (MAX first). Otherwise sums from
// -2147483643 to 2147483645 are exact, 2147483647 and above give MAX,
// -2147483645 and below give -MAX; 2147483646 saturates iff both operands
// are even, -2147483644 iff both are odd.
inline int add_assign(int a, int b) {
  if (a == kMax || b == kMax) return kMax;
  if (a == kNegMax || b == kNegMax) return kNegMax;
  const i64 sum = i64{a} + b;
  if (sum >= kMax) return kMax;
  if (sum == 2147483646) return odd(a) ? static_cast<int>(sum) : kMax;
  if (sum <= -2147483645) return kNegMax;
  if (sum == -2147483644) return odd(a) ? kNegMax : static_cast<int>(sum);
  return static_cast<int>(sum);
}

// *=: zero wins; multiplying by one keeps the left operand; a saturated
// operand gives s x MAX; otherwise the product saturates iff |a| reaches
// MAX / |b| truncated (-2147483648 on either side therefore saturates).
inline int multiply_assign(int a, int b) {
  if (a == 0 || b == 0) return 0;
  if (b == 1) return a;
  if (saturated(a) || saturated(b)) return signed_max(a, b);
  if (mag(a) >= kMax / mag(b)) return signed_max(a, b);
  return static_cast<int>(i64{a} * b);
}

// /= and /: 0 / anything is 0; a saturated dividend or a zero divisor gives
// s x MAX; a saturated divisor gives 0; otherwise the truncated quotient,
// the one quotient beyond the range (2^31) becoming MAX.
inline int divide(int a, int b) {
  if (a == 0) return 0;
  if (saturated(a) || b == 0) return signed_max(a, b);
  if (saturated(b)) return 0;
  const i64 q = i64{a} / b;
  return q > kMax ? kMax : static_cast<int>(q);
}

// Core +: a saturated operand decides (MAX first). Two positives saturate
// iff their exact sum is 2147483584 or more, two negatives iff it is
// -2147483584 or less; everything else is the exact sum.
inline int add(int a, int b) {
  if (a == kMax || b == kMax) return kMax;
  if (a == kNegMax || b == kNegMax) return kNegMax;
  const i64 sum = i64{a} + b;
  if (a > 0 && b > 0 && sum >= 2147483584) return kMax;
  if (a < 0 && b < 0 && sum <= -2147483584) return kNegMax;
  return static_cast<int>(sum);
}

// Core -: a saturated operand decides (towards MAX first). Positive minus
// negative saturates iff the difference reaches 2147483646 (a even) or
// 2147483647 (a odd); negative minus positive iff it reaches
// -(2147483646 + number of odd operands). Any other difference is exact,
// except 2^31 (0 - -2147483648), which gives MAX.
inline int subtract(int a, int b) {
  if (a == kMax || b == kNegMax) return kMax;
  if (a == kNegMax || b == kMax) return kNegMax;
  const i64 diff = i64{a} - b;
  if (a > 0 && b < 0 && diff >= (odd(a) ? kMax : kMax - 1)) return kMax;
  if (a < 0 && b > 0 && diff <= -(i64{2147483646} + odd(a) + odd(b))) return kNegMax;
  return diff > kMax ? kMax : static_cast<int>(diff);
}

// Core *: zero wins; a factor of one gives the other operand; a saturated
// factor gives s x MAX; otherwise s x MAX iff the exact product reaches
// MAX in magnitude, else the exact product.
inline int multiply(int a, int b) {
  if (a == 0 || b == 0) return 0;
  if (a == 1) return b;
  if (b == 1) return a;
  if (saturated(a) || saturated(b)) return signed_max(a, b);
  const i64 product = i64{a} * b;
  return mag(product) >= kMax ? signed_max(a, b) : static_cast<int>(product);
}

// Values around every threshold of the operations: small numbers, the
// saturated values, -2147483648, and the neighbours of 2^30, 2^31, 46340,
// 46341, 1073741792, 2147483584 and their halves, all with both signs.
inline std::vector<int> edge_values() {
  const i64 centres[] = {0,          1,          2,          3,          23170,
                         23171,      46340,      46341,      65536,      536870896,
                         536870912,  715827882,  1073741792, 1073741823, 1073741824,
                         1431655765, 2147483584, 2147483646, 2147483648, 16,
                         256,        32768,      16777216,   268435456,  1073741760};
  std::vector<int> values;
  for (i64 c : centres) {
    for (i64 d = -4; d <= 4; ++d) {
      for (i64 sign : {1, -1}) {
        const i64 v = sign * (c + d);
        if (v >= kMin && v <= kMax) values.push_back(static_cast<int>(v));
      }
    }
  }
  std::sort(values.begin(), values.end());
  values.erase(std::unique(values.begin(), values.end()), values.end());
  return values;
}

}  // namespace int_model

#endif  // SAFENUM_TESTS_SUPPORT_INT_MODEL_H
