# safenum.dll for 32-bit x86 Windows in Microsoft's C++ ABI (see
# toolchain-clang-msvc.cmake):
#   cmake -S . -B build-msvc -G Ninja \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-clang-msvc-i686.cmake
set(SAFENUM_WINDOWS_ARCH x86)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-clang-msvc.cmake)
