# The freestanding DLL links no C++ runtime: no run-time type information, no
# exception tables and no stack cookies, which would all refer to it. (An
# MSVC-style driver gets cl's spelling, after the /GR and /EHsc CMake gives
# it.)
if(MSVC OR CMAKE_CXX_COMPILER_FRONTEND_VARIANT STREQUAL "MSVC")
  target_compile_options(safenum_flags INTERFACE /GR- /EHs-c- /GS-)
endif()

# Import libraries for the Windows build in Microsoft's ABI, which links no
# runtime or SDK library: each is made with llvm-dlltool from the list of
# functions a target takes from one system DLL.
#
#   safenum_link_dll(<target> <DLL> <function>...)
#
# Functions are named as the 32-bit DLL exports them, a __stdcall one with its
# argument bytes (LocalAlloc@8); the library imports them without the suffix.
# x64 has one calling convention and no suffixes, so they are dropped there.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86|i[3-6]86)$")
  set(SAFENUM_WINDOWS_X86 ON)
  set(safenum_dlltool_machine -m i386 -k)
else()
  set(SAFENUM_WINDOWS_X86 OFF)
  set(safenum_dlltool_machine -m i386:x86-64)
endif()

function(safenum_link_dll target dll)
  string(TOLOWER "${dll}" name)
  string(REGEX REPLACE "\\.dll$" "" name "${name}")
  if(NOT SAFENUM_DLLTOOL)
    # Not the cross toolchain: with the SDK and a C runtime at hand (Visual
    # Studio), the SDK's import library of the DLL; MSVCRT.dll's functions
    # come with the runtime, which is linked by default.
    if(NOT name STREQUAL "msvcrt")
      target_link_libraries(${target} PRIVATE ${name})
    endif()
    return()
  endif()
  set(base ${CMAKE_CURRENT_BINARY_DIR}/imports/${target}-${name})
  list(JOIN ARGN "\n" functions)
  if(NOT SAFENUM_WINDOWS_X86)
    string(REGEX REPLACE "@[0-9]+" "" functions "${functions}")
  endif()
  file(GENERATE OUTPUT ${base}.def CONTENT "LIBRARY ${dll}\nEXPORTS\n${functions}\n")
  add_custom_command(OUTPUT ${base}.lib
    COMMAND ${SAFENUM_DLLTOOL} ${safenum_dlltool_machine} -d ${base}.def -l ${base}.lib
    DEPENDS ${base}.def VERBATIM)
  add_custom_target(${target}-${name}-imports DEPENDS ${base}.lib)
  add_dependencies(${target} ${target}-${name}-imports)
  target_link_libraries(${target} PRIVATE ${base}.lib)
endfunction()

# The DLL entry point's name for the linker: a 32-bit __stdcall name carries
# its argument bytes.
if(SAFENUM_WINDOWS_X86)
  set(SAFENUM_DLL_ENTRY DllMain@12)
else()
  set(SAFENUM_DLL_ENTRY DllMain)
endif()

# The DLL's frame (entry point, framework layer) and what it imports.
function(safenum_add_frame target)
  target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src/module/dllmain.cpp
    ${PROJECT_SOURCE_DIR}/src/module/framework.cpp)
  target_link_options(${target} PRIVATE LINKER:/entry:${SAFENUM_DLL_ENTRY})
  safenum_link_dll(${target} KERNEL32.dll LocalAlloc@8 LocalFree@4)
  safenum_link_dll(${target} MSVCRT.dll malloc free _initterm ${ARGN})
endfunction()

# The copy constructors, copy assignments and destructors that programs built
# against a header declaring them import from the 32-bit DLL (see
# src/module/copy_exports.cpp). No x64 program was ever built that way.
function(safenum_add_copy_exports target)
  if(SAFENUM_WINDOWS_X86)
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src/module/copy_exports.cpp)
  endif()
endfunction()
