#!/bin/sh
# SPDX-License-Identifier: BSL-1.0
# A Windows stage: cross-build safenum.dll in Microsoft's C++ ABI (clang for
# *-pc-windows-msvc, lld-link) and run its tests under wine: the export and
# import tables, the client that checks every export against the models, and
# the frame test.
#
#   .ci/windows.sh [x86|x64] [build-dir]   (default: x86 in build-msvc,
#                                          x64 in build-msvc-x64)
#
# x86 runs under wine's 32-bit loader, which needs a kernel that runs 32-bit
# programs; x64 runs under wine64.
set -eu

src=$(cd "$(dirname "$0")/.." && pwd)
arch=${1:-x86}
case $arch in
x86) toolchain=toolchain-clang-msvc-i686.cmake default_build=build-msvc
     wine=/usr/lib/wine/wine packages="wine32:i386 wine" ;;
x64) toolchain=toolchain-clang-msvc-x64.cmake default_build=build-msvc-x64
     wine=/usr/lib/wine/wine64 packages="wine64" ;;
*) echo "usage: $0 [x86|x64] [build-dir]" >&2; exit 2 ;;
esac
build=${2:-$default_build}
case $build in /*) ;; *) build=$src/$build ;; esac
jobs=${SAFENUM_JOBS:-2}

need_install=
for tool in cmake ninja c++ clang++ lld-link llvm-rc llvm-dlltool llvm-readobj llvm-undname \
            wineserver "$wine"; do
  command -v "$tool" >/dev/null 2>&1 || need_install=1
done
if [ -n "$need_install" ]; then
  echo "== installing clang, lld, llvm and wine ($arch)"
  sudo=
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  [ "$arch" = x64 ] || $sudo dpkg --add-architecture i386
  $sudo apt-get update
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends \
    clang lld llvm $packages cmake ninja-build g++
fi
# A kernel without ia32 emulation cannot run wine's 32-bit loader. There the
# kernel is taught to hand 32-bit programs to qemu-i386 (binfmt_misc, as
# root), and the DLL's tests run emulated: slower, and without the frame
# test, in which wine itself crashes under the emulator (its threads and
# loader callbacks); the frame runs at x64 natively all the same.
# binfmt_misc is the kernel's, not the machine's: an entry registered by an
# earlier run, or by a package, hands 32-bit programs to qemu-i386 even on a
# kernel that could run them, so whether the run is emulated is read off the
# kernel's entries, not off whether wine starts.
emulated_by_binfmt() {
  for entry in /proc/sys/fs/binfmt_misc/*; do
    case ${entry##*/} in register|status) continue ;; esac
    [ -r "$entry" ] || continue
    grep -qx enabled "$entry" && grep -q '^interpreter .*qemu-i386' "$entry" && return 0
  done
  return 1
}
emulated=
if [ "$arch" = x86 ] && ! "$wine" --version >/dev/null 2>&1; then
  echo "== this kernel does not run 32-bit programs: running them under qemu-i386"
  sudo=
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  command -v qemu-i386 >/dev/null 2>&1 || DEBIAN_FRONTEND=noninteractive \
    $sudo apt-get install -y --no-install-recommends qemu-user
  binfmt=/proc/sys/fs/binfmt_misc
  [ -e $binfmt/register ] || $sudo mount -t binfmt_misc binfmt_misc $binfmt
  if [ ! -e $binfmt/qemu-i386 ]; then
    # The ELF header of a 32-bit x86 executable or shared object.
    magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    printf '%s' ":qemu-i386:M::$magic:$mask:$(command -v qemu-i386):F" | $sudo tee $binfmt/register >/dev/null
  else
    echo 1 | $sudo tee $binfmt/qemu-i386 >/dev/null
  fi
fi
if [ "$arch" = x86 ] && emulated_by_binfmt; then
  echo "== 32-bit programs run under qemu-i386 here (binfmt_misc)"
  emulated=1
fi
if ! "$wine" --version >/dev/null 2>&1; then
  echo "$wine does not start on this machine" >&2
  exit 1
fi

echo "== configuring $build"
cmake -S "$src" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$src/cmake/$toolchain" -DSAFENUM_WERROR=ON

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
"$wine" wineboot -i </dev/null >/dev/null 2>&1

echo "== testing under $(basename "$wine")${emulated:+, emulated by qemu-i386}"
if [ -n "$emulated" ]; then
  echo "(the frame test is left out under the emulator: see above)"
  ctest --test-dir "$build" --output-on-failure -E '^windows\.frame$'
else
  ctest --test-dir "$build" --output-on-failure
fi

echo "== the Windows ZIP"
"$src/.ci/windows-zip.sh" "$build"
