// SPDX-License-Identifier: BSL-1.0
// Coverage-guided fuzzing of every exported function against the models:
// each row of the export table (tests/support/exports.h) runs on operands
// decoded from the input, two of each type. A disagreement with a model, a
// sanitizer report or a trap ends the run.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "check.h"
#include "exports_library.h"
#include "exports_model.h"

namespace {

[[noreturn]] void disagree(const std::string& failure) {
  std::fprintf(stderr, "%s\n", failure.c_str());
  __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Two ints, two floats and two doubles after one byte kept for older
  // seeds; missing bytes are zero.
  std::uint8_t raw[1 + 2 * 4 + 2 * 4 + 2 * 8] = {};
  std::memcpy(raw, data, size < sizeof raw ? size : sizeof raw);
  int INTS[2];
  float FLOATS[2];
  double DOUBLES[2];
  std::memcpy(INTS, raw + 1, sizeof INTS);
  std::memcpy(FLOATS, raw + 9, sizeof FLOATS);
  std::memcpy(DOUBLES, raw + 17, sizeof DOUBLES);
  const char CHARS[] = {static_cast<char>(raw[1]), static_cast<char>(raw[0])};
  const int NONE[] = {0};

  checks::checker c(disagree);
#define ROW(A, B, library, model)                                                \
  for (auto a : A) {                                                             \
    for ([[maybe_unused]] auto b : B) {                                          \
      c.about(a, b);                                                             \
      c.same(#library, [&] { using namespace library_side; return library; }(), \
             [&] { using namespace model_side; return model; }());              \
    }                                                                            \
  }
#include "exports.h"
  return 0;
}
