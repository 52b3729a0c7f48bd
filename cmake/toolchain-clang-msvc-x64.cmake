# safenum.dll for x64 Windows in Microsoft's C++ ABI (see
# toolchain-clang-msvc.cmake):
#   cmake -S . -B build-msvc-x64 -G Ninja \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-clang-msvc-x64.cmake
set(SAFENUM_WINDOWS_ARCH x64)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-clang-msvc.cmake)
