// SPDX-License-Identifier: BSL-1.0
// Sorting, ordered and hashed containers and heaps of the classes with NaNs
// among the values, built with the standard library's debug checks
// (_GLIBCXX_DEBUG), which stop at an ordering that is not a strict weak
// order. Over the edge values of each format: the NaNs sort last and the
// numbers by <, a map, a hash set and a heap hold each number once and all
// NaNs as one key, and value_hash gives each number a code of its own.
#include <safenum.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <queue>
#include <set>
#include <unordered_set>

#include "draws.h"

template <class Class, class Values>
bool check(const Values& values) {
  std::vector<Class> sorted;
  std::vector<double> numbers, order;  // the stored values, NaNs left out; all, sorted
  std::map<Class, int> map;
  std::priority_queue<Class> heap;
  std::unordered_set<Class, safenum::value_hash, safenum::value_equal> hashed;
  std::set<std::size_t> codes;
  for (Class x : values) {
    sorted.push_back(x), map[x] = 1, heap.push(x), hashed.insert(x);
    if (x.Function_1978() == x.Function_1978()) numbers.push_back(x.Function_1978()), codes.insert(safenum::value_hash()(x));
  }
  std::sort(sorted.begin(), sorted.end(), safenum::nan_last());
  for (Class x : sorted) order.push_back(x.Function_1978());  // the NaNs last, the numbers by <
  const std::size_t nans = values.size() - numbers.size(), keys = std::set<double>(numbers.begin(), numbers.end()).size() + (nans > 0);
  const bool ok = std::is_sorted(order.begin(), order.begin() + numbers.size()) &&
                  std::all_of(order.begin() + numbers.size(), order.end(), [](double v) { return v != v; }) &&
                  map.size() == keys && hashed.size() == keys && codes.size() == keys - (nans > 0) && (nans == 0 || Class(heap.top()).Function_1978() != Class(heap.top()).Function_1978());
  std::printf("%zu values, %zu NaNs, %zu keys: %s\n", values.size(), nans, keys, ok ? "ok" : "FAILED");
  return ok;
}

int main() {
  const std::vector<float> floats = draws::edges<float>();
  const std::vector<int> ints = draws::int_edges();
  const int failed = !check<safefloat>(std::vector<double>(floats.begin(), floats.end())) +
                     !check<safedouble>(draws::edges<double>()) + !check<safeint>(ints);
  const std::unordered_set<safeint> hashed(ints.begin(), ints.end());
  return failed == 0 && hashed.size() == std::set<int>(ints.begin(), ints.end()).size() ? 0 : 1;
}
