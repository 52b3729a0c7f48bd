#!/bin/sh
# The Windows stage: cross-build safenum.dll for 32-bit x86 in Microsoft's C++
# ABI (clang for i686-pc-windows-msvc, lld-link) and run its tests under wine:
# the export table, the client that checks every export against the models,
# and the frame test.
#
#   .ci/windows.sh [build-dir]        (default: build-msvc)
set -eu

src=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build-msvc}
case $build in /*) ;; *) build=$src/$build ;; esac
jobs=${SAFENUM_JOBS:-2}

need_install=
for tool in cmake ninja c++ clang++ lld-link llvm-rc llvm-dlltool llvm-readobj llvm-undname wine; do
  command -v "$tool" >/dev/null 2>&1 || need_install=1
done
if [ -n "$need_install" ]; then
  echo "== installing clang, lld, llvm and wine"
  sudo=
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo dpkg --add-architecture i386
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends \
    clang lld llvm wine32:i386 wine cmake ninja-build g++
fi

echo "== configuring $build"
cmake -S "$src" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$src/cmake/toolchain-clang-msvc-i686.cmake" -DSAFENUM_WERROR=ON

echo "== building"
cmake --build "$build" -j"$jobs"

# The build's own wine prefix (the toolchain file points the test runs at
# it), with its server running in the background for ctest; otherwise ctest
# would wait on the pipes that wine's background processes hold open. The
# server first, then the prefix: the services wineboot starts run under this
# server with their output on /dev/null.
WINEPREFIX=$build/wineprefix
WINEDEBUG=-all
export WINEPREFIX WINEDEBUG
stop_wine() { wineserver -k >/dev/null 2>&1 || true; }
trap stop_wine EXIT
trap 'exit 1' INT TERM
mkdir -p "$WINEPREFIX"
wineserver -p </dev/null >/dev/null 2>&1 &
sleep 1
wineboot -i </dev/null >/dev/null 2>&1

echo "== testing under wine"
ctest --test-dir "$build" --output-on-failure

echo "== the Windows ZIP"
"$src/.ci/windows-zip.sh" "$build"
