#!/bin/sh
# The MSVC-style stage: both Windows DLLs built through clang-cl, clang's
# driver with Microsoft's command line, which CMake drives as it would
# Microsoft's cl (MSVC-style flags, /W4, warnings as errors), from the
# windows-x86-clang-cl and windows-x64-clang-cl presets. Microsoft's compiler
# does not run here; this build is what stands in for it. The export and
# import checks run on both DLLs (they need no wine).
#
#   .ci/clang-cl.sh
set -eu

src=$(cd "$(dirname "$0")/.." && pwd)
cd "$src"

need_install=
for tool in cmake ninja c++ clang-cl-14 lld-link llvm-rc llvm-lib llvm-dlltool llvm-readobj \
            llvm-undname; do
  command -v "$tool" >/dev/null 2>&1 || need_install=1
done
if [ -n "$need_install" ]; then
  echo "== installing clang, lld and llvm"
  sudo=
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends \
    clang lld llvm cmake ninja-build g++
fi

for preset in windows-x86-clang-cl windows-x64-clang-cl; do
  echo "== $preset"
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --test-dir "build-$preset" -L symbols --output-on-failure
done
