// Loads and unloads the shared library many times while other threads load
// it through their own handles, look up operators with dlsym and compute. Run
// under AddressSanitizer with leak detection, it shows that loading,
// computing and unloading leave no error and no leak behind.
//
// The test does not link the library, so it calls no constructor: the
// classes are trivially copyable single-field values, and operands are made
// by copying the field's bytes into them.
#include <dlfcn.h>
#include <safenum.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

namespace {

using IntOp = safeint (*)(const safeint&, const safeint&);
using DoubleOp = safedouble (*)(const safedouble&, const safedouble&);

template <class T, class V>
T make(V v) {
  static_assert(sizeof(T) == sizeof(V), "one field");
  alignas(T) unsigned char raw[sizeof(T)];
  std::memcpy(raw, &v, sizeof v);
  T out = *reinterpret_cast<T*>(raw);
  return out;
}

template <class V, class T>
V field(const T& x) {
  V v;
  std::memcpy(&v, &x, sizeof v);
  return v;
}

int value(const safeint& x) { return field<int>(x); }
double value(const safedouble& x) { return field<double>(x); }

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
    const safeint a = make<safeint>(k), b = make<safeint>(k + 1),
                  big = make<safeint>(kSaturated - 1);
    ok = value(add(a, b)) == 2 * k + 1 && value(add(big, b)) == kSaturated &&
         value(mul(a, b)) == k * (k + 1);
    const safedouble x = make<safedouble>(static_cast<double>(k)),
                     two = make<safedouble>(2.0), one = make<safedouble>(1.0),
                     zero = make<safedouble>(0.0);
    ok = ok && value(div(x, two)) == k / 2.0 && value(div(one, zero)) == 0x1p1022;
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
