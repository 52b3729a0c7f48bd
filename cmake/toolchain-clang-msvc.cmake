# Cross-build of safenum.dll for Windows in Microsoft's C++ ABI, the form
# MSVC and MFC programs link: clang for *-pc-windows-msvc and lld-link, with
# tests run under wine. Included by the toolchain file of each architecture,
# which sets SAFENUM_WINDOWS_ARCH:
#   toolchain-clang-msvc-i686.cmake   32-bit x86 (x86)
#   toolchain-clang-msvc-x64.cmake    x64 (AMD64)
#   cmake -S . -B build-msvc -G Ninja \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-clang-msvc-i686.cmake
#   cmake --build build-msvc
#
# No Windows SDK or C runtime headers are needed: the library is compiled
# freestanding, and the few KERNEL32 and MSVCRT.dll functions it calls are
# imported through import libraries the build makes from small lists.
set(CMAKE_SYSTEM_NAME Windows)
if(SAFENUM_WINDOWS_ARCH STREQUAL "x64")
  set(CMAKE_SYSTEM_PROCESSOR AMD64)
  set(safenum_triple x86_64-pc-windows-msvc)
elseif(SAFENUM_WINDOWS_ARCH STREQUAL "x86")
  set(CMAKE_SYSTEM_PROCESSOR x86)
  set(safenum_triple i686-pc-windows-msvc)
else()
  message(FATAL_ERROR "SAFENUM_WINDOWS_ARCH is x86 or x64, not '${SAFENUM_WINDOWS_ARCH}'")
endif()

# The compiler driver: clang's GNU-style one unless another is named on the
# command line. With -DCMAKE_C_COMPILER=clang-cl-14 -DCMAKE_CXX_COMPILER=
# clang-cl-14, CMake drives clang's MSVC-style driver as it would
# Microsoft's cl, with cl's flags, and links with lld-link itself.
if(NOT CMAKE_C_COMPILER)
  set(CMAKE_C_COMPILER clang)
endif()
if(NOT CMAKE_CXX_COMPILER)
  set(CMAKE_CXX_COMPILER clang++)
endif()
set(safenum_cl_driver OFF)
if(CMAKE_CXX_COMPILER MATCHES "clang-cl[^/]*$")
  set(safenum_cl_driver ON)
  set(CMAKE_LINKER lld-link CACHE FILEPATH "")
  set(CMAKE_AR llvm-lib CACHE FILEPATH "")
  set(CMAKE_MT llvm-mt CACHE FILEPATH "")
endif()
set(CMAKE_C_COMPILER_TARGET ${safenum_triple})
set(CMAKE_CXX_COMPILER_TARGET ${safenum_triple})
set(CMAKE_RC_COMPILER llvm-rc)
set(SAFENUM_DLLTOOL llvm-dlltool)
# Programs of the build machine, such as the generator of the Windows tests'
# reference data.
set(SAFENUM_HOST_CXX c++)

# A release build unless asked otherwise (CMake's default on this platform is
# a debug build). No runtime library and none of the SDK's libraries that
# CMake would otherwise link, and no runtime to link a trial program against.
# (Cache entries, which CMake's platform defaults do not replace.)
set(CMAKE_BUILD_TYPE Release CACHE STRING "Build type")
set(CMAKE_C_STANDARD_LIBRARIES "" CACHE STRING "")
set(CMAKE_CXX_STANDARD_LIBRARIES "" CACHE STRING "")
set(CMAKE_MSVC_RUNTIME_LIBRARY "")
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)

# No C or C++ runtime headers: freestanding, without exceptions and run-time
# type information. SSE2 arithmetic as in every other build. Nothing but the
# import libraries named in the build: otherwise lld-link looks for the
# runtime's libraries, which do not exist here.
if(safenum_cl_driver)
  # cl has no freestanding mode, so it is clang's own option; cl's /GR and
  # /EHsc, which CMake adds, are turned off by the build (SafenumWindows).
  set(CMAKE_C_FLAGS_INIT "/clang:-ffreestanding")
  set(CMAKE_CXX_FLAGS_INIT "/clang:-ffreestanding")
  foreach(kind EXE SHARED MODULE)
    set(CMAKE_${kind}_LINKER_FLAGS_INIT "/nodefaultlib /manifest:no")
  endforeach()
else()
  set(CMAKE_C_FLAGS_INIT "-ffreestanding -msse2 -mfpmath=sse -ffp-contract=off")
  set(CMAKE_CXX_FLAGS_INIT "${CMAKE_C_FLAGS_INIT} -fno-exceptions -fno-rtti")
  foreach(kind EXE SHARED MODULE)
    set(CMAKE_${kind}_LINKER_FLAGS_INIT "-fuse-ld=lld -nostdlib -Xlinker /nodefaultlib")
  endforeach()
endif()

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test programs run under wine (wine64 for x64, started directly: the wine
# command would go through the 32-bit loader first), quietly and in a prefix
# of the build's own.
if(SAFENUM_WINDOWS_ARCH STREQUAL "x64")
  find_program(SAFENUM_WINE NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
else()
  find_program(SAFENUM_WINE NAMES wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR
  ${CMAKE_COMMAND} -E env WINEDEBUG=-all WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix ${SAFENUM_WINE})
