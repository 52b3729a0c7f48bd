#!/bin/sh
# The aarch64 stage: cross-build the library and its default test drivers for
# 64-bit ARM Linux (Debian's g++-aarch64-linux-gnu) and run them under
# qemu-aarch64 in user mode, against the same models. GoogleTest is built for
# aarch64 from the sources of the libgtest-dev package first, in the build
# directory, so no foreign architecture is added to the system.
#
#   .ci/aarch64.sh [build-dir]        (default: build-aarch64)
set -eu

src=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build-aarch64}
case $build in /*) ;; *) build=$src/$build ;; esac
jobs=${SAFENUM_JOBS:-2}

need_install=
for tool in cmake ninja aarch64-linux-gnu-g++ qemu-aarch64; do
  command -v "$tool" >/dev/null 2>&1 || need_install=1
done
[ -d /usr/src/googletest ] || need_install=1
if [ -n "$need_install" ]; then
  echo "== installing the aarch64 cross compiler, qemu-user and GoogleTest's sources"
  sudo=
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends \
    g++-aarch64-linux-gnu qemu-user googletest cmake ninja-build
fi

toolchain=$src/cmake/toolchain-aarch64-linux-gnu.cmake
gtest=$build/googletest
if [ ! -f "$gtest/install/lib/cmake/GTest/GTestConfig.cmake" ]; then
  echo "== building GoogleTest for aarch64"
  cmake -S /usr/src/googletest -B "$gtest/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$gtest/install"
  cmake --build "$gtest/build" -j"$jobs"
  cmake --install "$gtest/build" >/dev/null
fi

echo "== configuring $build"
cmake -S "$src" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_PREFIX_PATH="$gtest/install" -DSAFENUM_WERROR=ON -DSAFENUM_BUILD_BENCH=OFF

echo "== building"
cmake --build "$build" -j"$jobs"

# The default run, but for the installation test, which builds clients with
# the build machine's own tools.
echo "== testing under qemu-aarch64"
ctest --test-dir "$build" -LE "exhaustive|install" -j"$jobs" --output-on-failure
