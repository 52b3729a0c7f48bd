#!/usr/bin/env bash
# Installs the library into a temporary prefix and builds a client against
# the installed tree, through the CMake package and through pkg-config.
# Also checks the SONAME links, that only the public interface is exported,
# that the library runs no global constructors or destructors, and that a
# static build links a client without the shared object.
#
# Usage: tests/install/run.sh [source-dir]   (default: the repository root)
set -euo pipefail

src=$(cd "${1:-$(dirname "$0")/../..}" && pwd)
consumer="$src/tests/install/consumer"
# Uses one member or function of every kind and checks each result.
consumer_all="$src/tests/install/consumer_all"
work=$(mktemp -d "${TMPDIR:-/tmp}/safenum-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
jobs=${SAFENUM_INSTALL_JOBS:-2}
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)

fail() { echo "install test: $*" >&2; exit 1; }
step() { echo "== $*"; }

# Library only: no tests, no demo. It is configured for one prefix and
# installed into another, so both packages must find their tree from where
# they are installed.
build_library() {  # build-dir prefix shared(ON|OFF)
  cmake -S "$src" -B "$1" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$work/configured-prefix" -DBUILD_SHARED_LIBS="$3" \
    -DSAFENUM_BUILD_TESTS=OFF -DSAFENUM_BUILD_EXAMPLES=OFF -DSAFENUM_BUILD_BENCH=OFF >/dev/null
  cmake --build "$1" -j "$jobs" >/dev/null
  cmake --install "$1" --prefix "$2" >/dev/null
  [[ ! -e "$work/configured-prefix" ]] || fail "installed into the configured prefix"
}

libdir_of() {  # prefix
  local d
  for d in "$1/lib" "$1/lib64" "$1"/lib/*-linux-gnu; do
    if [[ -e "$d/pkgconfig/safenum.pc" ]]; then echo "$d"; return; fi
  done
  fail "no safenum.pc under $1"
}

# ---------------------------------------------------------------- shared
step "shared library: build and install"
prefix="$work/prefix"
build_library "$work/build" "$prefix" ON
libdir=$(libdir_of "$prefix")
[[ -f "$prefix/include/safenum.h" ]] || fail "header not installed"

step "SONAME links"
[[ -f "$libdir/libsafenum.so.1.0.0.1" && ! -L "$libdir/libsafenum.so.1.0.0.1" ]] \
  || fail "libsafenum.so.1.0.0.1 missing"
[[ "$(readlink "$libdir/libsafenum.so.1")" == libsafenum.so.1.0.0.1 ]] \
  || fail "libsafenum.so.1 does not point to libsafenum.so.1.0.0.1"
[[ "$(readlink "$libdir/libsafenum.so")" == libsafenum.so.1 ]] \
  || fail "libsafenum.so does not point to libsafenum.so.1"
lib="$libdir/libsafenum.so.1.0.0.1"
readelf -d "$lib" | grep -q 'SONAME.*\[libsafenum\.so\.1\]' || fail "SONAME is not libsafenum.so.1"

step "exports: the public interface only"
exports=$(nm -D -C --defined-only "$lib")
grep -q 'safedouble::nint() const' <<<"$exports" || fail "safedouble::nint not exported"
grep -q 'GetMaxSystemValueMinusOne(safeint)' <<<"$exports" || fail "limit function not exported"
if grep -q 'safenum::' <<<"$exports"; then
  grep 'safenum::' <<<"$exports" >&2
  fail "internal helpers are exported"
fi

step "no global constructors or destructors"
# Static initialisers show up as _GLOBAL__sub_I_ functions, registered
# destructors as calls to __cxa_atexit; neither may be in the library.
if nm "$lib" | grep -E '_GLOBAL__sub_[ID]_'; then fail "global constructor in the library"; fi
if nm -D --undefined-only "$lib" | grep -E '__cxa_atexit|atexit'; then
  fail "the library registers destructors at load"
fi

step "consumer through find_package"
cmake -S "$consumer" -B "$work/consumer-cmake" "${generator[@]}" \
  -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/consumer-cmake" >/dev/null
readelf -d "$work/consumer-cmake/consumer" | grep -q 'NEEDED.*\[libsafenum\.so\.1\]' \
  || fail "consumer does not need libsafenum.so.1"
"$work/consumer-cmake/consumer"

step "consumer through pkg-config"
export PKG_CONFIG_PATH="$libdir/pkgconfig"
[[ "$(pkg-config --modversion safenum)" == 1.0.0.1 ]] || fail "pkg-config version"
# shellcheck disable=SC2046
c++ -std=c++17 -o "$work/consumer-pc" "$consumer/main.cpp" $(pkg-config --cflags --libs safenum)
LD_LIBRARY_PATH="$libdir" "$work/consumer-pc"

step "every-kind consumer through find_package"
cmake -S "$consumer_all" -B "$work/consumer-all-cmake" "${generator[@]}" \
  -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/consumer-all-cmake" >/dev/null
"$work/consumer-all-cmake/consumer_all"

step "every-kind consumer through pkg-config"
# shellcheck disable=SC2046
c++ -std=c++17 -o "$work/consumer-all-pc" "$consumer_all/main.cpp" $(pkg-config --cflags --libs safenum)
LD_LIBRARY_PATH="$libdir" "$work/consumer-all-pc"

# ---------------------------------------------------------------- static
step "static library: build, install, link a consumer"
sprefix="$work/static-prefix"
build_library "$work/static-build" "$sprefix" OFF
slibdir=$(libdir_of "$sprefix")
[[ -f "$slibdir/libsafenum.a" ]] || fail "libsafenum.a not installed"
ls "$slibdir"/libsafenum.so* >/dev/null 2>&1 && fail "a static build installed a shared object"
if objdump -h "$slibdir/libsafenum.a" | grep -E '\.(init_array|fini_array|ctors|dtors)'; then
  fail "an object of the library has a constructor or destructor section"
fi
cmake -S "$consumer" -B "$work/consumer-static" "${generator[@]}" \
  -DCMAKE_PREFIX_PATH="$sprefix" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/consumer-static" >/dev/null
if readelf -d "$work/consumer-static/consumer" | grep -q 'libsafenum'; then
  fail "static consumer still needs a shared libsafenum"
fi
"$work/consumer-static/consumer"
export PKG_CONFIG_PATH="$slibdir/pkgconfig"
# shellcheck disable=SC2046
c++ -std=c++17 -o "$work/consumer-static-pc" "$consumer/main.cpp" $(pkg-config --cflags --libs safenum)
"$work/consumer-static-pc"

echo "install test: all checks passed"
