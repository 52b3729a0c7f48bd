// Loads, calls and unloads the shared library many times, from several
// threads at once. Run under AddressSanitizer with leak detection, it shows
// that a load, a call and an unload leave nothing behind.
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

using int_sum = safeint (*)(const safeint&, const safeint&);
std::atomic<int> failures{0};

safeint holding(int v) {
  alignas(safeint) unsigned char bytes[sizeof(safeint)];
  std::memcpy(bytes, &v, sizeof v);
  return *reinterpret_cast<const safeint*>(bytes);
}

void cycles(const char* path, int n) {
  for (int i = 0; i < n; ++i) {
    void* library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
      std::fprintf(stderr, "dlopen: %s\n", dlerror());
      ++failures;
      return;
    }
    int_sum sum = nullptr;
    void* symbol = dlsym(library, "_ZplRK7safeintS1_");
    std::memcpy(&sum, &symbol, sizeof sum);
    int result = 0;
    if (sum != nullptr) {
      const safeint r = sum(holding(2147483000), holding(i + 1000));
      std::memcpy(&result, &r, sizeof result);
    }
    if (result != 2147483647) ++failures;  // a sum beyond the ceiling saturates
    if (dlclose(library) != 0) ++failures;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) threads.emplace_back(cycles, argv[1], 50);
  for (std::thread& t : threads) t.join();
  std::printf("dlopen_test: %d failures\n", failures.load());
  return failures == 0 ? 0 : 1;
}
