// SPDX-License-Identifier: BSL-1.0
// Loads, calls and unloads the shared library many times, from four threads
// at once. Run under AddressSanitizer with leak detection, it shows that a
// load, a call and an unload leave nothing behind.
//
// The program does not link the library, so it calls no constructor: the
// classes are trivially copyable single-field values, made from their bytes.
#include <dlfcn.h>
#include <safenum.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

namespace {

std::atomic<int> failures{0};

template <class T, class V>
T bytes_as(V v) {
  alignas(T) unsigned char bytes[sizeof(T)];
  std::memcpy(bytes, &v, sizeof v);
  return *reinterpret_cast<const T*>(bytes);
}

void cycles(const char* path) {
  for (int i = 0; i < 50; ++i) {
    void* library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    void* symbol = library ? dlsym(library, "_ZplRK7safeintS1_") : nullptr;
    safeint (*sum)(const safeint&, const safeint&) = nullptr;
    std::memcpy(&sum, &symbol, sizeof sum);
    // A sum beyond the ceiling saturates.
    if (!sum || bytes_as<int>(sum(bytes_as<safeint>(2147483000), bytes_as<safeint>(1000 + i))) != 2147483647 ||
        dlclose(library) != 0) {
      ++failures;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) threads.emplace_back(cycles, argv[1]);
  for (std::thread& t : threads) t.join();
  std::printf("dlopen_test: %d failures in 200 cycles\n", failures.load());
  return failures == 0 ? 0 : 1;
}
