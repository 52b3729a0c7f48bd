// Stream output of safenum_io.h over a spread of stored values: the printed
// text, read back with strtoll, strtof or strtod, is the object's own stored
// number (its bytes, copied out), sign and NaN included, in each notation.
// In scientific notation, one significant digit less (printf's correctly
// rounded %.*e) no longer reads back as that number.
#include <safenum.h>
#include <safenum_io.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iomanip>
#include <sstream>
#include <string>

namespace {

int failures = 0;

void expect(bool ok, const char* kind, const std::string& text) {
  if (!ok && ++failures <= 20) std::printf("FAILED: %s printed as \"%s\"\n", kind, text.c_str());
}

template <class T>
std::string print(const T& value, std::ios_base::fmtflags notation = {}) {
  std::ostringstream os;
  os.setf(notation, std::ios_base::floatfield);
  os << value;
  return os.str();
}

template <class Plain, class T>
Plain bytes_as(const T& object) {
  static_assert(sizeof(Plain) == sizeof(T), "one field");
  Plain p;
  std::memcpy(static_cast<void*>(&p), &object, sizeof p);
  return p;
}

float read(const char* s, char** end, float) { return std::strtof(s, end); }
double read(const char* s, char** end, double) { return std::strtod(s, end); }

template <class F, class T>
void check_floating(const T& object, const char* kind) {
  const F value = bytes_as<F>(object);
  for (auto notation :
       {std::ios_base::fmtflags{}, std::ios_base::fixed, std::ios_base::scientific}) {
    const std::string text = print(object, notation);
    char* end = nullptr;
    const F back = read(text.c_str(), &end, F{});
    const bool same = std::isnan(value)
                          ? std::isnan(back) && std::signbit(back) == std::signbit(value)
                          : std::memcmp(&back, &value, sizeof back) == 0;
    expect(*end == '\0' && same, kind, text);
  }
  // Rounded correctly to one significant digit less, the number is another.
  if (std::isfinite(value)) {
    const std::string scientific = print(object, std::ios_base::scientific);
    const auto digits = std::count_if(scientific.begin(), scientific.begin() + scientific.find('e'),
                                      [](char c) { return c >= '0' && c <= '9'; });
    char fewer[64];
    std::snprintf(fewer, sizeof fewer, "%.*e", int(digits) - 2, static_cast<double>(value));
    expect(digits == 1 || read(fewer, nullptr, F{}) != value, kind, scientific);
  }
  // Width and fill apply to the whole text.
  const std::string text = print(object);
  std::ostringstream padded;
  padded << std::setw(int(text.size()) + 2) << std::setfill('*') << object;
  expect(padded.str() == "**" + text, kind, text);
}

}  // namespace

int main() {
  // First the edges: the zeros, the smallest subnormal and normal magnitudes,
  // the largest finite value, the saturated values, the infinities, NaNs.
  // clang-format off
  const std::uint64_t edges[] = {0, 1ull << 63, 1, 0x0010000000000000, 0x7fefffffffffffff,
                                 0x7fd0000000000000, 0xffd0000000000000, 0x7ff0000000000000,
                                 0xfff0000000000000, 0x7ff8000000000000, 0xfff8000000000001};
  const std::uint32_t single_edges[] = {0, 0x80000000, 1, 0x00800000, 0x7f7fffff, 0x7e800000,
                                        0xfe800000, 0x7f800000, 0xff800000, 0x7fc00000,
                                        0xffc00001};
  // clang-format on
  std::uint64_t state = 0x9e3779b97f4a7c15;
  for (int i = 0; i < 20000; ++i) {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    const std::uint64_t bits = i < 11 ? edges[i] : state ^ (state >> 29);
    const std::uint32_t bits32 = i < 11 ? single_edges[i] : static_cast<std::uint32_t>(bits >> 32);

    const safeint integer(static_cast<int>(bits32));
    const std::string text = print(integer);
    char* end = nullptr;
    const long long back = std::strtoll(text.c_str(), &end, 10);
    expect(*end == '\0' && back == bytes_as<std::int32_t>(integer), "safeint", text);

    // Any float goes in through the plain float assignment, any double
    // through the object's bytes; doubles also through the saturating
    // construction, and short decimal fractions as a user writes them.
    safefloat single;
    single = bytes_as<float>(bits32);
    check_floating<float>(single, "safefloat");
    check_floating<float>(safefloat((i % 2000 - 1000) / 1000.0), "safefloat");
    safedouble any = bytes_as<safedouble>(bits);
    check_floating<double>(any, "safedouble");
    check_floating<double>(safedouble(bytes_as<double>(bits)), "safedouble");
    check_floating<double>(safedouble((i % 20000 - 10000) / 1000.0), "safedouble");
  }
  std::printf("%s\n", failures == 0 ? "stream output: every value reads back exactly" : "FAILED");
  return failures == 0 ? 0 : 1;
}
