#!/usr/bin/env bash
# Brings the client in consumer/ to safenum each way the README names, exactly
# as it writes them, and runs it: find_package and pkg-config (PKG_CONFIG_PATH
# and a run path) from an install into a prefix outside the system paths,
# add_subdirectory and FetchContent of the source tree (the library alone,
# without GoogleTest). Also checks the installed tree: the SONAME links, that
# only the public interface is exported, and a static build.
#
# Usage: tests/install/run.sh [source-dir]   (default: the repository root)
set -euo pipefail

src=$(cd "${1:-$(dirname "$0")/../..}" && pwd)
fail() { echo "install test: $*" >&2; exit 1; }
step() { echo "== $*"; }
for tool in cmake c++ pkg-config readelf nm tar; do
  command -v "$tool" >/dev/null || fail "needs $tool, which is not installed"
done
work=$(mktemp -d "${TMPDIR:-/tmp}/safenum-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
# Nothing but what the README writes may find the library.
unset LD_LIBRARY_PATH PKG_CONFIG_PATH CMAKE_PREFIX_PATH
# The client's sources, with ./safenum a copy of the source tree, as a
# project that vendors safenum has it.
cp -r "$src/tests/install/consumer" "$work/app"
ln -s "$src" "$work/app/safenum"

# The library alone, configured for one prefix and installed into another:
# both packages must find their tree from where they are installed.
install_library() {  # prefix shared(ON|OFF)
  cmake -S "$src" -B "$work/build-$2" "${generator[@]}" -DBUILD_SHARED_LIBS="$2" \
    -DCMAKE_INSTALL_PREFIX="$work/configured" -DSAFENUM_BUILD_TESTS=OFF \
    -DSAFENUM_BUILD_EXAMPLES=OFF -DSAFENUM_BUILD_BENCH=OFF >/dev/null
  cmake --build "$work/build-$2" -j2 >/dev/null
  cmake --install "$work/build-$2" --prefix "$1" >/dev/null
  [[ ! -e "$work/configured" ]] || fail "installed into the configured prefix"
  pcdir=$(dirname "$(find "$1" -name safenum.pc)")
}

run_app() {  # way build-dir [cmake arguments]: builds the client and runs it
  local way=$1 dir=$2
  shift 2
  cmake -S "$work/app" -B "$dir" "${generator[@]}" -DWAY="$way" "$@" >/dev/null
  cmake --build "$dir" -j2 >/dev/null
  "$dir/app"
}

pkg_config_app() {  # program: built by the README's pkg-config command line, run
  export PKG_CONFIG_PATH=$pcdir
  # shellcheck disable=SC2046
  c++ -std=c++17 -o "$1" "$work/app/main.cpp" $(pkg-config --cflags --libs safenum) \
    -Wl,-rpath,$(pkg-config --variable=libdir safenum)
  "$1"
}

step "shared library: install, SONAME links, exports"
install_library "$work/prefix" ON
lib=$(find "$work/prefix" -name 'libsafenum.so.1.0.0.1' -type f)
[[ -n "$lib" && "$(readlink "${lib%.0.0.1}")" == libsafenum.so.1.0.0.1 ]] \
  || fail "libsafenum.so.1 is not a link to libsafenum.so.1.0.0.1"
[[ "$(readlink "${lib%.1.0.0.1}")" == libsafenum.so.1 ]] \
  || fail "libsafenum.so is not a link to libsafenum.so.1"
readelf -d "$lib" | grep -q 'SONAME.*\[libsafenum\.so\.1\]' || fail "SONAME is not libsafenum.so.1"
sh "$src/tests/symbols/check_exports.sh" "$lib" "$src/tests/symbols/exports.txt" >/dev/null \
  || fail "the installed library does not export exactly the public interface"

step "find_package"
run_app package "$work/package" -DCMAKE_PREFIX_PATH="$work/prefix"
readelf -d "$work/package/app" | grep -q 'NEEDED.*\[libsafenum\.so\.1\]' \
  || fail "the client does not need libsafenum.so.1"
step "pkg-config"
pkg_config_app "$work/pc-app"
step "find_package, header-only"
run_app package "$work/header-only" -DCMAKE_PREFIX_PATH="$work/prefix" \
  -DTARGET_NAME=safenum::header_only
! readelf -d "$work/header-only/app" | grep -q libsafenum || fail "a header-only client needs a .so"

# Neither may need GoogleTest nor build the tests or the demo.
step "add_subdirectory"
run_app subdirectory "$work/subdirectory" -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON
step "FetchContent"
tar -czf "$work/safenum.tar.gz" -C "$(dirname "$src")" --exclude-vcs \
  --exclude="$(basename "$src")/build*" "$(basename "$src")"
run_app fetch "$work/fetch" -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON \
  -DSAFENUM_ARCHIVE="$work/safenum.tar.gz"
[[ -z "$(find "$work"/{subdirectory,fetch} -name safenum-demo -o -name safenum-tests)" ]] \
  || fail "a project that adds safenum builds its tests or demo"

step "static library: find_package and pkg-config"
install_library "$work/static" OFF
[[ -n "$(find "$work/static" -name libsafenum.a)" ]] || fail "libsafenum.a not installed"
[[ -z "$(find "$work/static" -name 'libsafenum.so*')" ]] || fail "a static build installed a .so"
run_app package "$work/static-package" -DCMAKE_PREFIX_PATH="$work/static"
! readelf -d "$work/static-package/app" | grep -q libsafenum || fail "a static client needs a .so"
pkg_config_app "$work/static-pc-app"

echo "install test: all checks passed"
