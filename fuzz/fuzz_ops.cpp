// Coverage-guided fuzzing of every member, operator and function of the
// three classes against the models the tests use. The input is a selector
// byte and raw operand bit patterns; a disagreement with a model, a
// sanitizer report or a trap ends the run.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "checks.h"
#include "draws.h"

namespace {

[[noreturn]] void disagree(const std::string& failure) {
  std::fprintf(stderr, "%s\n", failure.c_str());
  __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A selector, then two ints, two floats and two doubles; missing bytes are zero.
  std::uint8_t raw[1 + 2 * 4 + 2 * 4 + 2 * 8] = {};
  std::memcpy(raw, data, size < sizeof raw ? size : sizeof raw);
  int i[2];
  float f[2];
  std::uint64_t d[2];
  std::memcpy(i, raw + 1, sizeof i);
  std::memcpy(f, raw + 9, sizeof f);
  std::memcpy(d, raw + 17, sizeof d);
  const double x = draws::held<model::double_class>(d[0]), y = draws::held<model::double_class>(d[1]);
  const double plain = draws::from_bits<double>(d[0]);

  checks::checker c(disagree);
  switch (raw[0] % 6) {
    case 0:
      checks::int_pair(c, i[0], i[1]);
      checks::int_value(c, i[0]);
      break;
    case 1:
      checks::int_mixed(c, i[0], i[1]);
      checks::int_mixed(c, i[0], f[0]);
      checks::int_mixed(c, i[0], plain);
      break;
    case 2:
      checks::float_pair<model::single_class>(c, f[0], f[1]);
      checks::float_value<model::single_class>(c, f[0]);
      checks::float_mixed<model::single_class>(c, f[0], i[0]);
      checks::float_mixed<model::single_class>(c, f[0], checks::safeint_operand{i[1]});
      checks::float_mixed<model::single_class>(c, f[0], f[1]);
      checks::float_mixed<model::single_class>(c, f[0], plain);
      break;
    case 3:
      checks::float_pair<model::double_class>(c, x, y);
      checks::float_value<model::double_class>(c, x);
      checks::float_mixed<model::double_class>(c, x, i[0]);
      checks::float_mixed<model::double_class>(c, x, checks::safeint_operand{i[1]});
      checks::float_mixed<model::double_class>(c, x, f[0]);
      checks::float_mixed<model::double_class>(c, x, draws::from_bits<double>(d[1]));
      break;
    case 4:
      checks::ways_in(c, plain);
      checks::ways_in(c, f[0]);
      checks::ways_in(c, i[0]);
      checks::float_to_int(c, f[1]);
      break;
    default:
      checks::limits(c, i[0], plain);
      break;
  }
  return 0;
}
