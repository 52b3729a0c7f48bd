# Cross-build for 32-bit x86 Windows with the mingw-w64 compilers, tests run
# under wine:
#   cmake -S . -B build-win -G Ninja \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake
#
# The posix thread model is needed for std::thread. The DLL carries its C++
# runtime statically and the executables link with -static, so nothing but
# system DLLs and safenum.dll has to be found at run time.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(SAFENUM_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${SAFENUM_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SAFENUM_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${SAFENUM_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${SAFENUM_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# SSE2 arithmetic, no contraction: the same bits as the 64-bit Linux build.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse -ffp-contract=off")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse -ffp-contract=off")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Test programs (and gtest's discovery at build time) run under wine, quietly
# and in a prefix of the build's own rather than the user's ~/.wine.
set(CMAKE_CROSSCOMPILING_EMULATOR
  ${CMAKE_COMMAND} -E env WINEDEBUG=-all WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix wine)
