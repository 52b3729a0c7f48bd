// The loop family: one pass of `out[i] = a[i] op b[i]` over arrays of
// operand pairs, for + - * / of each class, in four forms that the driver
// times side by side: the plain operation, a hand-written saturating one
// (both in kernels.cpp), the header-only library and the linked library
// (both from library.cpp, compiled once each way).
#pragma once

#include <cstring>
#include <vector>

#include "../operands.h"

namespace loops {

using Operands = operands::Pairs;

// One pass of out[i] = fn(a[i], b[i]).
template <class T, class Fn>
void pass(const std::vector<T>& a, const std::vector<T>& b, std::vector<T>& out, Fn fn) {
  const int n = static_cast<int>(a.size());
  const T* pa = a.data();
  const T* pb = b.data();
  T* po = out.data();
  for (int i = 0; i < n; ++i) po[i] = fn(pa[i], pb[i]);
}

// The bits of element i of an output array, zero-extended.
template <class T>
unsigned long long bits_of(const std::vector<T>& out, int i) {
  unsigned long long bits = 0;
  std::memcpy(&bits, &out[i], sizeof out[i]);
  return bits;
}

enum Class { kInt, kFloat, kDouble, kClasses };
enum Op { kAdd, kSub, kMul, kDiv, kOps };

// A form of the loops: it copies the operands into arrays of its own, and
// each kernel makes one pass over them into an output array of its own.
struct Form {
  const char* name;
  void (*setup)(const Operands&);
  void (*kernel[kClasses][kOps])();
  // The bits of output element i of the last pass of a class's kernel, so
  // the driver can check that both library forms agree to the bit.
  unsigned long long (*result)(Class, int i);
};

Form plain_form();
Form hand_form();
Form header_only_form();
Form linked_form();

}  // namespace loops
