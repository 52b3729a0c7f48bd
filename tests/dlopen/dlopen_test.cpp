// Loads and unloads the shared library many times while other threads load
// it through their own handles, look up operators with dlsym and compute. Run
// under AddressSanitizer with leak detection, it shows that loading,
// computing and unloading leave no error and no leak behind.
//
// The test does not link the library: the operands are layout twins of the
// classes (one int, one double), which are trivially copyable.
#include <dlfcn.h>

#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

struct Int {
  int value;
};
struct Double {
  double value;
};
using IntOp = Int (*)(const Int&, const Int&);
using DoubleOp = Double (*)(const Double&, const Double&);

constexpr int kCycles = 200;
constexpr int kWorkers = 3;
constexpr int kSaturated = 2147483647;

std::atomic<bool> failed{false};

void fail(const char* what, const char* detail) {
  std::fprintf(stderr, "dlopen_test: %s: %s\n", what, detail ? detail : "");
  failed.store(true);
}

// One load-compute-unload cycle; false when anything is wrong.
bool cycle(const char* path, int rounds) {
  void* handle = dlopen(path, RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    fail("dlopen", dlerror());
    return false;
  }
  auto add = reinterpret_cast<IntOp>(dlsym(handle, "_ZplRK7safeintS1_"));
  auto mul = reinterpret_cast<IntOp>(dlsym(handle, "_ZmlRK7safeintS1_"));
  auto div = reinterpret_cast<DoubleOp>(dlsym(handle, "_ZdvRK10safedoubleS1_"));
  bool ok = add && mul && div;
  if (!ok) fail("dlsym", dlerror());
  for (int k = 0; ok && k < rounds; ++k) {
    const Int a{k}, b{k + 1}, big{kSaturated - 1};
    ok = add(a, b).value == 2 * k + 1 && add(big, b).value == kSaturated &&
         mul(a, b).value == k * (k + 1);
    const Double x{static_cast<double>(k)}, zero{0.0};
    ok = ok && div(x, Double{2.0}).value == k / 2.0 &&
         div(Double{1.0}, zero).value == 0x1p1022;
    if (!ok) fail("result", "an operator gave a wrong value");
  }
  if (dlclose(handle) != 0) {
    fail("dlclose", dlerror());
    ok = false;
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s path/to/libsafenum.so\n", argv[0]);
    return 2;
  }
  const char* path = argv[1];
  // Alone, every cycle must really unmap the library: nothing in it may pin
  // itself in memory.
  for (int c = 0; c < kCycles && !failed.load(); ++c) {
    cycle(path, 10);
    if (void* still = dlopen(path, RTLD_NOW | RTLD_NOLOAD)) {
      dlclose(still);
      fail("dlclose", "the library stayed loaded after its last handle closed");
    }
  }
  // Then the same cycles while other threads load, compute and unload.
  std::atomic<bool> stop{false};
  std::atomic<long> worker_cycles{0};
  std::vector<std::thread> workers;
  for (int w = 0; w < kWorkers; ++w) {
    workers.emplace_back([&] {
      while (!stop.load() && !failed.load()) {
        if (!cycle(path, 50)) break;
        worker_cycles.fetch_add(1);
      }
    });
  }
  for (int c = 0; c < kCycles && !failed.load(); ++c) cycle(path, 10);
  stop.store(true);
  for (std::thread& t : workers) t.join();
  std::printf("dlopen_test: %d cycles alone, %d with %d threads doing %ld cycles\n", kCycles,
              kCycles, kWorkers, worker_cycles.load());
  return failed.load() ? 1 : 0;
}
