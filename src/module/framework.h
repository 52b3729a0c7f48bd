// SPDX-License-Identifier: BSL-1.0
// The seam between the DLL's frame (dllmain.cpp) and the platform: every
// call the frame makes goes to a name declared here, and nothing else of the
// platform is used.
//
// MFC client programs expect a DLL to carry an application object, a module
// state of its own and an entry in the application framework's chain of
// loaded libraries. Built with the framework itself (Microsoft's compiler
// and the framework's shared DLL), these names are the framework's own and
// its headers replace this one. Here, without it, framework.cpp is a small
// layer of the library's own that keeps exactly the bookkeeping the frame
// relies on: which module state is current, the application object and its
// start and end, the extension-module record and the chain of libraries, the
// temporary-map lock and the C runtime's start (constructors) and end (the
// at-exit list). It does nothing a window or a resource would need.
#ifndef SAFENUM_SRC_MODULE_FRAMEWORK_H
#define SAFENUM_SRC_MODULE_FRAMEWORK_H

// The Win32 types and calls the frame uses, from KERNEL32.
using BOOL = int;
using UINT = unsigned int;
using DWORD = unsigned long;
using SIZE_T = decltype(sizeof 0);
using WPARAM = unsigned int;
using LPARAM = long;
using LRESULT = long;
using HLOCAL = void*;
using HINSTANCE = struct HINSTANCE__*;
using HWND = struct HWND__*;
#define WINAPI __stdcall
constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;
constexpr UINT LMEM_FIXED = 0;
constexpr DWORD DLL_PROCESS_DETACH = 0, DLL_PROCESS_ATTACH = 1, DLL_THREAD_DETACH = 3;

extern "C" {
__declspec(dllimport) HLOCAL WINAPI LocalAlloc(UINT flags, SIZE_T bytes);
__declspec(dllimport) HLOCAL WINAPI LocalFree(HLOCAL memory);
}

namespace safenum {
namespace framework {

#ifdef SAFENUM_FRAME_PROBE
// The frame test's build of the frame: the test program sees each call of
// the frame and of this layer first, and may make it fail.
HLOCAL LocalAlloc(UINT flags, SIZE_T bytes);
HLOCAL LocalFree(HLOCAL memory);
#endif

class CWinApp;
class CDynLinkLibrary;
using WNDPROC = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);

// What the framework keeps for each module: its application object, the
// libraries it has loaded, its temporary-map lock.
struct AFX_MODULE_STATE {
  AFX_MODULE_STATE(BOOL dll, WNDPROC window_procedure, DWORD version);
  ~AFX_MODULE_STATE();
  BOOL m_bDLL;
  WNDPROC m_pfnAfxWndProc;
  DWORD m_dwVersion;
  CWinApp* m_pCurrentWinApp = nullptr;
  HINSTANCE m_hCurrentInstanceHandle = nullptr;
  CDynLinkLibrary* m_libraryList = nullptr;
  int m_nTempMapLock = 0;
};

// The current module state. The loader runs one entry call at a time and
// each restores what it changed, so one pointer serves every thread here.
AFX_MODULE_STATE* AfxGetModuleState();
// Makes state current and returns the one that was.
AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* state);

// Keeps a module state current for the lifetime of the object.
struct AFX_MAINTAIN_STATE2 {
  explicit AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* state);
  ~AFX_MAINTAIN_STATE2();
  AFX_MODULE_STATE* m_pPrevModuleState;
};

// The application object; it makes itself the current module's.
class CWinApp {
 public:
  explicit CWinApp(const char* app_name);
  ~CWinApp();
  virtual BOOL InitInstance();
  virtual int ExitInstance();
  const char* m_pszAppName;
  HINSTANCE m_hInstance = nullptr;
  const char* m_lpCmdLine = nullptr;
  int m_nCmdShow = 0;

 private:
  AFX_MODULE_STATE* module_state_;
};

struct AFX_EXTENSION_MODULE {
  BOOL bInitialized;
  HINSTANCE hModule;
  HINSTANCE hResource;
};

// A library's entry in the current module state's chain of loaded libraries;
// allocated with new, which gives a null pointer when memory runs out.
class CDynLinkLibrary {
 public:
  CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL system);
  ~CDynLinkLibrary();
  static void* operator new(SIZE_T bytes) noexcept;
  static void operator delete(void* memory);
  HINSTANCE m_hModule;
  BOOL m_bSystem;
  CDynLinkLibrary* m_pNextDLL = nullptr;
};

void AfxCoreInitModule();
BOOL AfxWinInit(HINSTANCE instance, HINSTANCE previous, char* command_line, int show);
void AfxWinTerm();
BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HINSTANCE module);
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL all);
void AfxLockTempMaps();
BOOL AfxUnlockTempMaps(BOOL delete_temps);
void AfxTermThread(HINSTANCE instance);
LRESULT WINAPI AfxWndProc(HWND window, UINT message, WPARAM w, LPARAM l);

// The C runtime's part: create the at-exit list and run the static
// constructors, each of which registers its destructor on the list (false
// when the list cannot be allocated); and run the list backwards and free it.
bool start_runtime();
void stop_runtime();

}  // namespace framework
}  // namespace safenum

#endif  // SAFENUM_SRC_MODULE_FRAMEWORK_H
