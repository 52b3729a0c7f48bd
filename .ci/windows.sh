#!/bin/sh
# The Windows stage: cross-build safenum.dll for 32-bit x86 with mingw-w64
# and run the test suite and the loader test under wine.
#
#   .ci/windows.sh [build-dir]        (default: build-windows)
#
# SAFENUM_WINDOWS_CTEST_ARGS replaces the default test selection
# (-LE exhaustive: the default suite plus the loader test), for example
# SAFENUM_WINDOWS_CTEST_ARGS="-L exhaustive" for the long sweeps.
set -eu

src=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build-windows}
case $build in /*) ;; *) build=$src/$build ;; esac
jobs=${SAFENUM_JOBS:-2}

need_install=
command -v i686-w64-mingw32-g++-posix >/dev/null 2>&1 || need_install=1
command -v i686-w64-mingw32-windres >/dev/null 2>&1 || need_install=1
command -v wine >/dev/null 2>&1 || need_install=1
[ -d /usr/src/googletest ] || need_install=1
if [ -n "$need_install" ]; then
  echo "== installing the cross compiler and wine"
  sudo=
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo dpkg --add-architecture i386
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends \
    g++-mingw-w64-i686 wine32:i386 wine googletest cmake ninja-build
fi

echo "== configuring $build"
cmake -S "$src" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$src/cmake/toolchain-mingw-i686.cmake" \
  -DSAFENUM_WERROR=ON

# The build's own wine prefix (the toolchain file points the test runs at
# it). The server runs in the background for the build, whose test discovery
# runs the test programs, and for ctest; otherwise each would wait on the
# pipes that wine's background processes hold open.
WINEPREFIX=$build/wineprefix
WINEDEBUG=-all
export WINEPREFIX WINEDEBUG
stop_wine() { wineserver -k >/dev/null 2>&1 || true; }
trap stop_wine EXIT
trap 'exit 1' INT TERM
# The server first, then the prefix: the services wineboot starts run under
# this server with their output on /dev/null, and every later wine process
# reuses them instead of starting its own that hold its output pipe open.
mkdir -p "$WINEPREFIX"
wineserver -p </dev/null >/dev/null 2>&1 &
sleep 1
wineboot -i </dev/null >/dev/null 2>&1

echo "== building"
cmake --build "$build" -j"$jobs"

echo "== testing under wine"
# shellcheck disable=SC2086
ctest --test-dir "$build" --output-on-failure -j"$jobs" \
  ${SAFENUM_WINDOWS_CTEST_ARGS:--LE exhaustive}
