// SPDX-License-Identifier: BSL-1.0
// The DLL's frame under the Windows loader (wine).
//
// safenum-frame-probe.dll is the frame built to report each of its calls and
// each call of its framework layer here first (safenum_frame_probe), which
// may make it fail. Loading it, running threads while it is loaded and
// unloading it give the calls in their order; each failure of process attach
// is injected and must fail the load, with everything constructed destroyed.
// safenum.dll itself is loaded and freed many times, with threads, its
// exports found by decorated name. (Its version resource is read back by
// the version check, at both architectures.)
#include "safenum/common/runtime.h"

using HMODULE = struct HINSTANCE__*;
using DWORD = unsigned long;
extern "C" {
#define API __declspec(dllimport)
API HMODULE __stdcall LoadLibraryA(const char* name);
API HMODULE __stdcall LoadLibraryExA(const char* name, void* file, DWORD flags);
API int __stdcall FreeLibrary(HMODULE module);
API void* __stdcall GetProcAddress(HMODULE module, const char* name);
API DWORD __stdcall GetLastError();
API void* __stdcall CreateThread(void*, DWORD, DWORD(__stdcall*)(void*), void*, DWORD, DWORD*);
API DWORD __stdcall WaitForSingleObject(void* handle, DWORD milliseconds);
API int __stdcall CloseHandle(void* handle);
int __cdecl printf(const char* format, ...);
int __cdecl fflush(void* stream);
int __cdecl strcmp(const char* a, const char* b);
}

namespace {

constexpr DWORD kErrorDllInitFailed = 1114, kDontResolveReferences = 1, kInfinite = ~0ul;
constexpr int kCycles = 50, kThreads = 4;
constexpr char kProbe[] = "safenum-frame-probe.dll", kLibrary[] = "safenum.dll";
// Two exports by decorated name: operator+ of two safeints, Function_1971 of
// a safedouble (x64 references are __ptr64, E).
#if defined(_M_X64)
constexpr char kPlus[] = "??H@YA?AVsafeint@@AEBV0@0@Z";
constexpr char kRoot[] = "?Function_1971@@YA?AVsafedouble@@AEBV1@@Z";
#else
constexpr char kPlus[] = "??H@YA?AVsafeint@@ABV0@0@Z";
constexpr char kRoot[] = "?Function_1971@@YA?AVsafedouble@@ABV1@@Z";
#endif

int failures = 0;
void check(bool ok, const char* what, int cycle) {
  if (!ok && ++failures <= 20) printf("FAIL (cycle %d): %s\n", cycle, what);
}

// The calls reported by the probe DLL, each followed by a space.
char trace[2048];
int used = 0, occurrences = 0;
const char* fail_call = nullptr;

void append(char* to, int& at, const char* text) {
  while (*text && at < static_cast<int>(sizeof trace) - 1) to[at++] = *text++;
  to[at] = 0;
}
// Compares the calls so far with the expected ones, and starts afresh.
void check_trace(const char* expected, int cycle) {
  if (strcmp(trace, expected) != 0 && ++failures <= 20) {
    printf("FAIL (cycle %d): the calls\n  %s\nand not\n  %s\n", cycle, trace, expected);
  }
  used = trace[0] = 0;
}

}  // namespace

extern "C" __declspec(dllexport) int __cdecl safenum_frame_probe(const char* call) {
  append(trace, used, call);
  append(trace, used, " ");
  return fail_call && strcmp(call, fail_call) == 0 && --occurrences == 0;
}

namespace {

// The calls of process attach, thread detach and process detach in order.
#define HEAD "LocalAlloc LocalFree AfxSetModuleState malloc AFX_MODULE_STATE atexit CWinApp atexit "
#define START "AfxCoreInitModule AfxWinInit InitInstance "
#define UNWIND "~CWinApp ~AFX_MODULE_STATE free "
#define EXIT                                                                     \
  "AfxSetModuleState ExitInstance AfxLockTempMaps AfxUnlockTempMaps AfxWinTerm " \
  "AfxTermExtensionModule "
#define THREAD \
  "AfxSetModuleState AfxLockTempMaps AfxUnlockTempMaps AfxTermThread AfxSetModuleState "

// The call made to fail (the how-manieth time it is made), and the calls of
// the load and of the unload; no unload where the load fails.
struct frame_case {
  const char* fail;
  int occurrence;
  const char *load, *unload;
} const kCases[] = {
    {nullptr, 0, HEAD START "AfxInitExtensionModule malloc CDynLinkLibrary AfxSetModuleState ",
     EXIT "~CDynLinkLibrary free " UNWIND "AfxSetModuleState "},
    // No memory for the library's registration: loaded, but unregistered.
    {"malloc", 2, HEAD START "AfxInitExtensionModule malloc AfxSetModuleState ",
     EXIT UNWIND "AfxSetModuleState "},
    {"LocalAlloc", 1, "LocalAlloc ", nullptr},
    {"malloc", 1, "LocalAlloc LocalFree AfxSetModuleState malloc AfxSetModuleState ", nullptr},
    {"AfxWinInit", 1, HEAD "AfxCoreInitModule AfxWinInit AfxWinTerm AfxSetModuleState " UNWIND,
     nullptr},
    {"InitInstance", 1, HEAD START "ExitInstance AfxWinTerm AfxSetModuleState " UNWIND, nullptr},
};

DWORD __stdcall thread_body(void*) { return 0; }

// Threads that start and end while the DLL stays loaded.
void run_threads() {
  void* threads[kThreads];
  for (void*& t : threads) t = CreateThread(nullptr, 0, thread_body, nullptr, 0, nullptr);
  for (void* t : threads) WaitForSingleObject(t, kInfinite), CloseHandle(t);
}

}  // namespace

int main() {
  char threads[sizeof trace];
  int length = 0;
  for (int t = 0; t < kThreads; ++t) append(threads, length, THREAD);
  for (const frame_case& c : kCases) {
    for (int cycle = 0; cycle < kCycles; ++cycle) {
      fail_call = c.fail;
      occurrences = c.occurrence;
      HMODULE dll = LoadLibraryA(kProbe);
      fail_call = nullptr;
      check_trace(c.load, cycle);
      check(dll ? c.unload != nullptr : GetLastError() == kErrorDllInitFailed && !c.unload,
            "the load fails exactly where a call fails", cycle);
      if (!dll) continue;
      run_threads();
      check_trace(threads, cycle);
      check(FreeLibrary(dll) != 0, "FreeLibrary", cycle);
      check_trace(c.unload, cycle);
    }
  }

  // The entry point called for a process detach without an attach: the DLL
  // mapped without its imports (it must call nothing) and never attached.
  HMODULE raw = LoadLibraryExA(kProbe, nullptr, kDontResolveReferences);
  int(__stdcall * entry)(HMODULE, DWORD, void*) = nullptr;
  void* found = GetProcAddress(raw, "DllMain");
  safenum::rt::memcpy(&entry, &found, sizeof entry);
  check(entry && entry(raw, 0, nullptr) == 0 && used == 0, "a detach without an attach returns 0",
        0);
  FreeLibrary(raw);

  for (int cycle = 0; cycle < 20 * kCycles; ++cycle) {
    HMODULE dll = LoadLibraryA(kLibrary);
    check(dll && GetProcAddress(dll, kPlus) && GetProcAddress(dll, kRoot),
          "safenum.dll loads with its exports by decorated name", cycle);
    if (cycle % 10 == 0) run_threads();
    check(dll && FreeLibrary(dll), "safenum.dll unloads", cycle);
  }
  printf("frame test: %d failure(s)\n", failures);
  fflush(nullptr);
  return failures != 0;
}
