// Counts every call of the global allocation functions and of malloc, calloc,
// realloc and free while every operation of the library runs, and fails on
// any. A plain main, no test framework: nothing else may allocate while the
// counter is armed.
//
// On glibc the executable's own malloc family interposes the C library's and
// forwards to __libc_malloc and its siblings; operator new and delete (every
// form) are replaced as the language allows. Under AddressSanitizer, whose
// runtime owns malloc (ThreadSanitizer's too), the sanitizer's allocation hooks count instead.
#include <atomic>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <new>

#include "workload.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define SAFENUM_ALLOC_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define SAFENUM_ALLOC_ASAN 1
#endif

namespace {
std::atomic<bool> armed{false};
std::atomic<long> calls{0};
void count() {
  if (armed.load(std::memory_order_relaxed)) calls.fetch_add(1, std::memory_order_relaxed);
}
}  // namespace

#if defined(SAFENUM_ALLOC_ASAN)
#include <sanitizer/allocator_interface.h>
namespace {
void on_malloc(const volatile void*, std::size_t) { count(); }
void on_free(const volatile void*) { count(); }
}  // namespace
#else
extern "C" {
void* __libc_malloc(std::size_t);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);
void* __libc_memalign(std::size_t, std::size_t);
void __libc_free(void*);

void* malloc(std::size_t n) {
  count();
  return __libc_malloc(n);
}
void* calloc(std::size_t k, std::size_t n) {
  count();
  return __libc_calloc(k, n);
}
void* realloc(void* p, std::size_t n) {
  count();
  return __libc_realloc(p, n);
}
void free(void* p) {
  count();
  __libc_free(p);
}
}

namespace {
void* allocate(std::size_t n) {
  count();
  if (void* p = __libc_malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void* allocate_aligned(std::size_t n, std::align_val_t a) {
  count();
  if (void* p = __libc_memalign(static_cast<std::size_t>(a), n ? n : 1)) return p;
  throw std::bad_alloc();
}
void release(void* p) {
  count();
  __libc_free(p);
}
}  // namespace

void* operator new(std::size_t n) { return allocate(n); }
void* operator new[](std::size_t n) { return allocate(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
  try { return allocate(n); } catch (...) { return nullptr; }
}
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept {
  try { return allocate(n); } catch (...) { return nullptr; }
}
void* operator new(std::size_t n, std::align_val_t a) { return allocate_aligned(n, a); }
void* operator new[](std::size_t n, std::align_val_t a) { return allocate_aligned(n, a); }
void* operator new(std::size_t n, std::align_val_t a, const std::nothrow_t&) noexcept {
  try { return allocate_aligned(n, a); } catch (...) { return nullptr; }
}
void* operator new[](std::size_t n, std::align_val_t a, const std::nothrow_t&) noexcept {
  try { return allocate_aligned(n, a); } catch (...) { return nullptr; }
}
void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, std::size_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t) noexcept { release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { release(p); }
void operator delete(void* p, std::align_val_t) noexcept { release(p); }
void operator delete[](void* p, std::align_val_t) noexcept { release(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { release(p); }
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept { release(p); }
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept { release(p); }
#endif

namespace {
// Arms the counter, runs f, disarms, and returns the calls seen.
template <class Fn>
long counted(Fn f) {
  calls.store(0);
  armed.store(true);
  f();
  armed.store(false);
  return calls.load();
}
}  // namespace

int main() {
#if defined(SAFENUM_ALLOC_ASAN)
  __sanitizer_install_malloc_and_free_hooks(on_malloc, on_free);
#endif
  // The counter must see an allocation of each kind, or a zero below would
  // prove nothing.
  const long seen = counted([] {
    void* volatile p = std::malloc(16);
    std::free(p);
    int* volatile q = new int(3);
    delete q;
    void* volatile r = std::calloc(2, 8);
    r = std::realloc(r, 64);
    std::free(r);
  });
  if (seen < 7) {
    std::fprintf(stderr, "alloc_test: the counter saw %ld of 7 allocation calls\n", seen);
    return 1;
  }

  std::uint64_t checksum = 0;
  const long during = counted([&checksum] { checksum = workload::run(7, 2000); });
  std::printf("alloc_test: checksum %016llx, %ld allocation calls\n",
              static_cast<unsigned long long>(checksum), during);
  if (during != 0) {
    std::fprintf(stderr, "alloc_test: the library allocated %ld times\n", during);
    return 1;
  }
  return 0;
}
