// The DLL's entry point. The number types need nothing from it: they hold no
// resources and need no set-up at load or clean-up at unload.
//
// A DLL built for MFC client programs also carries an application object, a
// module state of its own and its registration in MFC's chain of extension
// libraries. Those exist only for MFC clients and are left out here; what
// remains is the check that the process's local heap can still serve the
// library and the bookkeeping of a successful attach.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

// Bytes the local heap must be able to hand out for the load to go ahead.
constexpr SIZE_T kLoadHeapProbe = 8192;

// Set by a successful process attach, cleared by the matching detach. A plain
// zero-initialised static: the entry point runs before any constructor would.
bool attached = false;

bool local_heap_available() {
  HLOCAL probe = LocalAlloc(LMEM_FIXED, kLoadHeapProbe);
  if (probe == nullptr) return false;
  LocalFree(probe);
  return true;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)instance;
  (void)reserved;
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      if (!local_heap_available()) return FALSE;
      attached = true;
      return TRUE;
    case DLL_PROCESS_DETACH:
      // A detach after a failed attach has nothing to undo and says so.
      if (!attached) return FALSE;
      attached = false;
      return TRUE;
    case DLL_THREAD_ATTACH:
    case DLL_THREAD_DETACH:
    default:
      return TRUE;
  }
}
