// Loads safenum.dll the way a client that does not link it would: by name at
// run time. Checks that it loads and unloads cleanly, over and over and from
// several threads at once; that its exports are reached by their decorated
// names and compute; that it exports only functions of the public interface;
// and that its version resource reads 1.0.0.1.
//
// The program does not link the DLL: every call goes through GetProcAddress.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "safenum.h"

#ifndef SAFENUM_DLL_NAME
#define SAFENUM_DLL_NAME "safenum.dll"
#endif

namespace {

constexpr int kSerialLoads = 1000;
constexpr int kThreads = 4;
constexpr int kLoadsPerThread = 200;

std::atomic<int> failures{0};

void fail(const char* what) {
  std::fprintf(stderr, "FAIL: %s (error %lu)\n", what, GetLastError());
  ++failures;
}

void check(bool ok, const char* what) {
  if (!ok) fail(what);
}

// Members use the thiscall convention on 32-bit x86 (the object in ECX);
// free functions are cdecl. g++ applies thiscall to a plain function type as
// well, and says so only under -Wpedantic.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wattributes"
using safeint_from_int = void(__thiscall*)(void* self, int value);
using safeint_to_int = int(__thiscall*)(void* self);
using safedouble_from_double = void(__thiscall*)(void* self, double value);
using safedouble_value = double(__thiscall*)(void* self);
#pragma GCC diagnostic pop
using safeint_add = safeint (*)(const safeint& a, const safeint& b);
using safeint_limit = safeint (*)(safeint);

// A missing export is reported by name once, on the first load; the repeated
// loads only count it.
template <typename F>
F lookup(HMODULE dll, const char* name, bool report) {
  FARPROC p = GetProcAddress(dll, name);
  if (p == nullptr) {
    if (report) {
      std::fprintf(stderr, "FAIL: no export %s\n", name);
      ++failures;
    }
    return nullptr;
  }
  F f;
  static_assert(sizeof f == sizeof p, "function pointers of one size");
  std::memcpy(&f, &p, sizeof f);
  return f;
}

struct exports {
  safeint_from_int make_int = nullptr;
  safeint_to_int to_int = nullptr;
  safeint_add add = nullptr;
  safeint_limit max_int = nullptr;
  safedouble_from_double make_double = nullptr;
  safedouble_value double_value = nullptr;

  exports(HMODULE dll, bool report)
      : make_int(lookup<safeint_from_int>(dll, "_ZN7safeintC1Ei", report)),
        to_int(lookup<safeint_to_int>(dll, "_ZN7safeintcviEv", report)),
        add(lookup<safeint_add>(dll, "_ZplRK7safeintS1_", report)),
        max_int(lookup<safeint_limit>(dll, "_Z17GetMaxSystemValue7safeint", report)),
        make_double(lookup<safedouble_from_double>(dll, "_ZN10safedoubleC1Ed", report)),
        double_value(lookup<safedouble_value>(dll, "_ZN10safedouble13Function_1978Ev", report)) {}

  bool complete() const {
    return make_int && to_int && add && max_int && make_double && double_value;
  }

  // Storage for an object the DLL constructs; the classes are single fields.
  struct int_slot {
    alignas(safeint) unsigned char bytes[sizeof(safeint)];
  };
  struct double_slot {
    alignas(safedouble) unsigned char bytes[sizeof(safedouble)];
  };

  int int_of(int value) const {
    int_slot s;
    make_int(s.bytes, value);
    return to_int(s.bytes);
  }

  // a + b through the exported core operator, read back with operator int.
  int sum(int a, int b) const {
    int_slot x, y;
    make_int(x.bytes, a);
    make_int(y.bytes, b);
    safeint r = add(*reinterpret_cast<const safeint*>(x.bytes),
                    *reinterpret_cast<const safeint*>(y.bytes));
    return to_int(&r);
  }

  std::uint64_t double_bits(double value) const {
    double_slot s;
    make_double(s.bytes, value);
    double d = double_value(s.bytes);
    std::uint64_t b;
    std::memcpy(&b, &d, sizeof b);
    return b;
  }
};

constexpr int kMax = 2147483647;
// A same-sign sum saturates once its exact value reaches this far.
constexpr long long kSumSaturates = 2147483584;

// The saturating sum in closed form: a saturated operand wins (the positive
// one first), otherwise the exact sum, saturated from kSumSaturates on.
int saturated_sum(int a, int b) {
  if (a == kMax || b == kMax) return kMax;
  if (a == -kMax || b == -kMax) return -kMax;
  long long s = static_cast<long long>(a) + b;
  if (s >= kSumSaturates) return kMax;
  if (s <= -kSumSaturates) return -kMax;
  return static_cast<int>(s);
}

void check_calls(const exports& e) {
  if (!e.complete()) return;
  check(e.int_of(-12345) == -12345, "safeint(int) then operator int");
  struct {
    int a, b;
  } const sums[] = {{2, 3},           {-7, 4},          {2147483000, 583}, {2147483000, 584},
                    {-2147483000, -583}, {-2147483000, -584}, {kMax, -kMax},     {-kMax, 1},
                    {0, -kMax},       {-2147483000, 2147483000}};
  for (const auto& s : sums) {
    if (e.sum(s.a, s.b) != saturated_sum(s.a, s.b)) {
      std::fprintf(stderr, "FAIL: %d + %d gave %d\n", s.a, s.b, e.sum(s.a, s.b));
      ++failures;
    }
  }
  {
    exports::int_slot any;
    e.make_int(any.bytes, 5);
    safeint r = e.max_int(*reinterpret_cast<const safeint*>(any.bytes));
    check(e.to_int(&r) == kMax, "GetMaxSystemValue(safeint)");
  }
  // 1e308 is beyond the ceiling 2^1022 and saturates to it.
  check(e.double_bits(1e308) == 0x7fd0000000000000ULL, "safedouble(1e308) saturates");
  check(e.double_bits(-0.75) == 0xbfe8000000000000ULL, "safedouble(-0.75) is exact");
}

// One load: the exports are found and compute, then the DLL is released.
bool load_call_free() {
  HMODULE dll = LoadLibraryA(SAFENUM_DLL_NAME);
  if (dll == nullptr) {
    fail("LoadLibrary");
    return false;
  }
  exports e(dll, false);
  bool ok = e.complete() && e.sum(2147483000, 1000) == kMax;
  if (!FreeLibrary(dll)) {
    fail("FreeLibrary");
    ok = false;
  }
  return ok;
}

bool is_loaded() { return GetModuleHandleA(SAFENUM_DLL_NAME) != nullptr; }

void serial_loads() {
  int ok = 0;
  for (int i = 0; i < kSerialLoads; ++i) ok += load_call_free();
  check(ok == kSerialLoads, "every serial load and call");
  check(!is_loaded(), "unloaded after the serial loads");
  std::printf("serial: %d of %d loads\n", ok, kSerialLoads);
}

void threaded_loads() {
  std::atomic<int> ok{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&ok] {
      for (int i = 0; i < kLoadsPerThread; ++i) ok += load_call_free();
    });
  }
  for (auto& t : threads) t.join();
  check(ok == kThreads * kLoadsPerThread, "every threaded load and call");
  check(!is_loaded(), "unloaded after the threaded loads");
  std::printf("threads: %d of %d loads\n", ok.load(), kThreads * kLoadsPerThread);
}

// Threads that start and end while the DLL stays loaded run its thread
// attach and detach; the exports keep working on every one of them.
void threads_while_loaded(HMODULE dll) {
  exports e(dll, false);
  if (!e.complete()) return;
  std::atomic<int> ok{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&e, &ok, t] { ok += e.sum(t, -2147483000) == saturated_sum(t, -2147483000); });
  }
  for (auto& t : threads) t.join();
  check(ok == kThreads, "calls from threads started after the load");
}

// The export table holds the public interface and nothing else: no symbol
// of the library's internal namespace, and only code, no data.
void check_export_table(HMODULE dll) {
  auto base = reinterpret_cast<const unsigned char*>(dll);
  auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  auto table = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
  auto names = reinterpret_cast<const DWORD*>(base + table->AddressOfNames);
  auto ordinals = reinterpret_cast<const WORD*>(base + table->AddressOfNameOrdinals);
  auto functions = reinterpret_cast<const DWORD*>(base + table->AddressOfFunctions);
  const IMAGE_SECTION_HEADER* sections = IMAGE_FIRST_SECTION(nt);

  auto executable = [&](DWORD rva) {
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
      const IMAGE_SECTION_HEADER& s = sections[i];
      if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.Misc.VirtualSize)
        return (s.Characteristics & IMAGE_SCN_MEM_EXECUTE) != 0;
    }
    return false;
  };

  int internal = 0, data = 0;
  for (DWORD i = 0; i < table->NumberOfNames; ++i) {
    const char* name = reinterpret_cast<const char*>(base + names[i]);
    if (std::strstr(name, "7safenum") != nullptr) {
      std::fprintf(stderr, "FAIL: internal symbol exported: %s\n", name);
      ++internal;
    }
    if (!executable(functions[ordinals[i]])) {
      std::fprintf(stderr, "FAIL: exported data: %s\n", name);
      ++data;
    }
  }
  check(table->NumberOfNames > 0, "the DLL exports names");
  check(internal == 0 && data == 0, "only public functions exported");
  std::printf("exports: %lu names\n", static_cast<unsigned long>(table->NumberOfNames));
}

std::string module_path(HMODULE dll) {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(dll, path, MAX_PATH);
  return std::string(path, n);
}

void check_version(const std::string& path) {
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
  if (size == 0) {
    fail("GetFileVersionInfoSize");
    return;
  }
  std::vector<unsigned char> info(size);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, info.data())) {
    fail("GetFileVersionInfo");
    return;
  }
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT len = 0;
  if (!VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &len) ||
      len < sizeof *fixed) {
    fail("VerQueryValue of the fixed version");
    return;
  }
  check(fixed->dwSignature == VS_FFI_SIGNATURE, "version signature");
  check(fixed->dwFileVersionMS == MAKELONG(0, 1) && fixed->dwFileVersionLS == MAKELONG(1, 0),
        "file version 1.0.0.1");
  check(fixed->dwProductVersionMS == MAKELONG(0, 1) && fixed->dwProductVersionLS == MAKELONG(1, 0),
        "product version 1.0.0.1");

  struct translation {
    WORD language, codepage;
  }* tr = nullptr;
  if (!VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&tr), &len) ||
      len < sizeof *tr) {
    fail("VerQueryValue of the translation");
    return;
  }
  for (const char* key : {"FileVersion", "ProductVersion"}) {
    char query[96];
    std::snprintf(query, sizeof query, "\\StringFileInfo\\%04x%04x\\%s", tr->language,
                  tr->codepage, key);
    char* text = nullptr;
    if (!VerQueryValueA(info.data(), query, reinterpret_cast<void**>(&text), &len)) {
      fail(query);
      continue;
    }
    if (std::strcmp(text, "1.0.0.1") != 0) {
      std::fprintf(stderr, "FAIL: %s is \"%s\"\n", key, text);
      ++failures;
    }
  }
  std::printf("version: %u.%u.%u.%u\n", HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
              HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS));
}

}  // namespace

int main() {
  check(!is_loaded(), "not loaded before the first LoadLibrary");

  HMODULE dll = LoadLibraryA(SAFENUM_DLL_NAME);
  if (dll == nullptr) {
    fail("first LoadLibrary");
    return 1;
  }
  check_calls(exports(dll, true));
  check_export_table(dll);
  threads_while_loaded(dll);
  std::string path = module_path(dll);
  check(FreeLibrary(dll) != 0, "FreeLibrary");
  check(!is_loaded(), "unloaded after the first FreeLibrary");

  serial_loads();
  threaded_loads();
  check_version(path);

  if (failures != 0) {
    std::fprintf(stderr, "%d check(s) failed\n", failures.load());
    return 1;
  }
  std::puts("all loader checks passed");
  return 0;
}
