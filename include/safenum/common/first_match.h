// The form every ladder of the library is written in: its rungs in the
// order of its rules, first rung first, each with its test and its value,
// and last the value where no rung fires:
//
//   first_match(rung(fires_1, value_1), rung(fires_2, value_2), otherwise)
//
// A rung gives its value only where no earlier rung has fired: this is
// select(fires_1, value_1, select(fires_2, value_2, otherwise)). Every rung
// is evaluated and costs one selection, none of them a jump. This is why
// the library is branch-free, said once for all its ladders: rungs fire on
// what the operands decide (signs, zeros, NaNs and saturated values, in no
// order a branch predictor could learn), and a loop of operations without
// a jump is one a compiler can vectorize. A jump is taken only on what
// ordinary data always takes the same way, and says so where it stands.
// `select` is the integer one below or that of the floating lanes
// (float/lane.h).
#ifndef SAFENUM_COMMON_FIRST_MATCH_H
#define SAFENUM_COMMON_FIRST_MATCH_H

namespace safenum {
namespace detail {

// The integer selection, made on a mask of all ones where the rung fires,
// which no compiler turns back into a jump.
inline int select(bool fires, int if_fired, int otherwise) {
  const unsigned mask = 0u - static_cast<unsigned>(fires);
  const unsigned other = static_cast<unsigned>(otherwise);
  return static_cast<int>(other ^ ((static_cast<unsigned>(if_fired) ^ other) & mask));
}

template <class V, class M>
struct rung_of {
  M fires;
  V value;
};

template <class V, class M>
rung_of<V, M> rung(M fires, V value) {
  return {fires, value};
}
// An integer rung fires on a bool, whatever its test is made of.
template <class M>
rung_of<int, bool> rung(M fires, int value) {
  return {static_cast<bool>(fires), value};
}

template <class V>
V first_match(V otherwise) {
  return otherwise;
}

template <class V, class M, class... Later>
V first_match(rung_of<V, M> first, Later... later) {
  return select(first.fires, first.value, first_match(later...));
}

}  // namespace detail
}  // namespace safenum

#endif  // SAFENUM_COMMON_FIRST_MATCH_H
