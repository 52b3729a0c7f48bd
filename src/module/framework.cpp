// SPDX-License-Identifier: BSL-1.0
// The library's own stand-in for the application framework and the C
// runtime's DLL start and end, as far as the frame uses them (see
// framework.h). Memory comes from MSVCRT.dll, the static constructors are
// run by its _initterm.
#include "module/framework.h"

extern "C" {
using routine = void(__cdecl*)();
__declspec(dllimport) void* __cdecl malloc(SIZE_T bytes);
__declspec(dllimport) void __cdecl free(void* memory);
__declspec(dllimport) void __cdecl _initterm(routine* begin, routine* end);
}

namespace safenum {
namespace framework {
namespace {

#ifdef SAFENUM_FRAME_PROBE
extern "C" __declspec(dllimport) int __cdecl safenum_frame_probe(const char* call);
// Reports the call to the test program; true when it is to fail.
bool fails(const char* call) { return safenum_frame_probe(call) != 0; }
void* malloc(SIZE_T bytes) { return fails("malloc") ? nullptr : ::malloc(bytes); }
void free(void* memory) {
  fails("free");
  ::free(memory);
}
#else
constexpr bool fails(const char*) { return false; }
using ::free;
using ::malloc;
#endif

AFX_MODULE_STATE* current_state = nullptr;

// The at-exit list: a fixed table, as nothing but the library's own few
// static objects registers on it.
constexpr int kAtExitCapacity = 32;
routine* at_exit = nullptr;
int at_exit_count = 0;

}  // namespace

#ifdef SAFENUM_FRAME_PROBE
HLOCAL LocalAlloc(UINT flags, SIZE_T bytes) {
  return fails("LocalAlloc") ? nullptr : ::LocalAlloc(flags, bytes);
}
HLOCAL LocalFree(HLOCAL memory) {
  fails("LocalFree");
  return ::LocalFree(memory);
}
#endif

AFX_MODULE_STATE::AFX_MODULE_STATE(BOOL dll, WNDPROC window_procedure, DWORD version)
    : m_bDLL(dll), m_pfnAfxWndProc(window_procedure), m_dwVersion(version) {
  fails("AFX_MODULE_STATE");
}
AFX_MODULE_STATE::~AFX_MODULE_STATE() { fails("~AFX_MODULE_STATE"); }

AFX_MODULE_STATE* AfxGetModuleState() { return current_state; }
AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* state) {
  fails("AfxSetModuleState");
  AFX_MODULE_STATE* previous = current_state;
  current_state = state;
  return previous;
}

AFX_MAINTAIN_STATE2::AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* state)
    : m_pPrevModuleState(AfxSetModuleState(state)) {}
AFX_MAINTAIN_STATE2::~AFX_MAINTAIN_STATE2() { AfxSetModuleState(m_pPrevModuleState); }

CWinApp::CWinApp(const char* app_name) : m_pszAppName(app_name), module_state_(current_state) {
  fails("CWinApp");
  module_state_->m_pCurrentWinApp = this;
}
CWinApp::~CWinApp() {
  fails("~CWinApp");
  module_state_->m_pCurrentWinApp = nullptr;
}
BOOL CWinApp::InitInstance() { return fails("InitInstance") ? FALSE : TRUE; }
int CWinApp::ExitInstance() {
  fails("ExitInstance");
  return 0;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL system)
    : m_hModule(state.hModule), m_bSystem(system), m_pNextDLL(current_state->m_libraryList) {
  fails("CDynLinkLibrary");
  current_state->m_libraryList = this;
}
CDynLinkLibrary::~CDynLinkLibrary() {
  fails("~CDynLinkLibrary");
  CDynLinkLibrary** link = &current_state->m_libraryList;
  while (*link != this) link = &(*link)->m_pNextDLL;
  *link = m_pNextDLL;
}
void* CDynLinkLibrary::operator new(SIZE_T bytes) noexcept { return malloc(bytes); }
void CDynLinkLibrary::operator delete(void* memory) { free(memory); }

// There is no resource chain without the framework to join.
void AfxCoreInitModule() { fails("AfxCoreInitModule"); }

BOOL AfxWinInit(HINSTANCE instance, HINSTANCE, char* command_line, int show) {
  if (fails("AfxWinInit")) return FALSE;
  current_state->m_hCurrentInstanceHandle = instance;
  if (CWinApp* app = current_state->m_pCurrentWinApp) {
    app->m_hInstance = instance;
    app->m_lpCmdLine = command_line;
    app->m_nCmdShow = show;
  }
  return TRUE;
}

void AfxWinTerm() {
  fails("AfxWinTerm");
  current_state->m_hCurrentInstanceHandle = nullptr;
}

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HINSTANCE module) {
  fails("AfxInitExtensionModule");
  state = {TRUE, module, module};
  return TRUE;
}

// Removes the module's libraries from the chain (with all set, every one of
// them rather than the first).
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL all) {
  fails("AfxTermExtensionModule");
  for (CDynLinkLibrary *library = current_state->m_libraryList, *next; library; library = next) {
    next = library->m_pNextDLL;
    if (library->m_hModule == state.hModule) {
      delete library;
      if (!all) break;
    }
  }
  state.bInitialized = FALSE;
}

// No temporary maps exist without the framework's window and GDI objects;
// only the lock is kept.
void AfxLockTempMaps() {
  fails("AfxLockTempMaps");
  ++current_state->m_nTempMapLock;
}
BOOL AfxUnlockTempMaps(BOOL delete_temps) {
  fails("AfxUnlockTempMaps");
  return --current_state->m_nTempMapLock == 0 && delete_temps;
}

// Nothing is kept per thread.
void AfxTermThread(HINSTANCE) { fails("AfxTermThread"); }

// No window is ever made without the framework's window classes.
LRESULT WINAPI AfxWndProc(HWND, UINT, WPARAM, LPARAM) { return 0; }

// The C runtime's start and end. The compiler puts a pointer to each static
// constructor in section .CRT$XCU, which the linker places between these two
// markers; each constructor registers its object's destructor with atexit.
#pragma section(".CRT$XCA", read)
#pragma section(".CRT$XCZ", read)
namespace {
__declspec(allocate(".CRT$XCA")) routine constructors_begin = nullptr;
__declspec(allocate(".CRT$XCZ")) routine constructors_end = nullptr;
}  // namespace

extern "C" int __cdecl atexit(routine destructor) {
  fails("atexit");
  if (at_exit_count == kAtExitCapacity) return -1;
  at_exit[at_exit_count++] = destructor;
  return 0;
}

bool start_runtime() {
  at_exit = static_cast<routine*>(malloc(kAtExitCapacity * sizeof(routine)));
  if (!at_exit) return false;
  at_exit_count = 0;
  _initterm(&constructors_begin, &constructors_end);
  return true;
}

void stop_runtime() {
  while (at_exit_count > 0) at_exit[--at_exit_count]();
  free(at_exit);
  at_exit = nullptr;
}

}  // namespace framework
}  // namespace safenum
