// SPDX-License-Identifier: BSL-1.0
// The DLL's entry point: the frame an MFC client program expects around the
// library. It carries an application object and a module state of the
// library's own, registers the library in the chain of loaded libraries, and
// cleans up after each thread and at unload. The number types use none of
// it: they need no set-up at load and no clean-up at unload.
//
// Every call below goes through the seam in framework.h.
#include "module/framework.h"

namespace safenum {
namespace framework {
namespace {

// Bytes the local heap must be able to hand out for the load to go ahead.
constexpr SIZE_T kLoadHeapProbe = 8192;
// The framework version the module state is built for.
constexpr DWORD kModuleStateVersion = 0x0600;

LRESULT WINAPI module_window_procedure(HWND window, UINT message, WPARAM w, LPARAM l);

// The library's static objects, constructed in this order when the runtime
// starts and destroyed in reverse order through its at-exit list.
AFX_MODULE_STATE module_state(TRUE, module_window_procedure, kModuleStateVersion);

// The application object, with no name. It adds nothing to CWinApp.
class CModuleApp : public CWinApp {
 public:
  CModuleApp() : CWinApp(nullptr) {}
};
CModuleApp application;

AFX_EXTENSION_MODULE extension_module = {};

// Set by a successful process attach, cleared by the matching detach. Plain
// zero-initialised data: the entry point runs before any constructor.
bool attached = false;
AFX_MODULE_STATE* state_before_load = nullptr;

// Window messages to the module's windows run with its module state current.
LRESULT WINAPI module_window_procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  AFX_MAINTAIN_STATE2 keep(&module_state);
  return AfxWndProc(window, message, w, l);
}

// The framework for the module and its application object; false (with
// everything it started undone but the runtime) when either refuses.
bool start_application(HINSTANCE instance) {
  AfxCoreInitModule();
  char no_arguments[] = "";
  if (!AfxWinInit(instance, nullptr, no_arguments, 0)) {
    AfxWinTerm();
    return false;
  }
  CWinApp* app = AfxGetModuleState()->m_pCurrentWinApp;
  if (app && !app->InitInstance()) {
    app->ExitInstance();
    AfxWinTerm();
    return false;
  }
  return true;
}

BOOL process_attach(HINSTANCE instance) {
  HLOCAL probe = LocalAlloc(LMEM_FIXED, kLoadHeapProbe);
  if (!probe) return FALSE;
  LocalFree(probe);

  AFX_MODULE_STATE* previous = AfxSetModuleState(&module_state);
  if (!start_runtime()) {
    AfxSetModuleState(previous);
    return FALSE;
  }
  const bool started = start_application(instance);
  if (started) {
    // Registration; a failed allocation leaves the library unregistered and
    // the load goes ahead.
    AfxInitExtensionModule(extension_module, instance);
    new CDynLinkLibrary(extension_module, FALSE);
  }
  AfxSetModuleState(previous);
  if (!started) {
    stop_runtime();
    return FALSE;
  }
  state_before_load = previous;
  attached = true;
  return TRUE;
}

// The framework's per-thread clean-up: the thread's temporary maps are
// discarded and its state released.
void thread_detach(HINSTANCE instance) {
  AFX_MAINTAIN_STATE2 keep(&module_state);
  AfxLockTempMaps();
  AfxUnlockTempMaps(-1);
  AfxTermThread(instance);
}

void process_detach() {
  AfxSetModuleState(&module_state);
  if (CWinApp* app = AfxGetModuleState()->m_pCurrentWinApp) app->ExitInstance();
  AfxLockTempMaps();
  AfxUnlockTempMaps(-1);
  AfxWinTerm();
  AfxTermExtensionModule(extension_module, TRUE);
  stop_runtime();
  AfxSetModuleState(state_before_load);
  attached = false;
}

}  // namespace
}  // namespace framework
}  // namespace safenum

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
  using namespace safenum::framework;
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      return process_attach(instance);
    case DLL_THREAD_DETACH:
      if (attached) thread_detach(instance);
      return TRUE;
    case DLL_PROCESS_DETACH:
      // A detach without a successful attach has nothing to undo.
      if (!attached) return FALSE;
      process_detach();
      return TRUE;
    default:  // thread attach
      return TRUE;
  }
}
