#!/bin/sh
# Builds the library and the default test suite with clang, AddressSanitizer
# (leak detection on) and UndefinedBehaviorSanitizer in build-asan/ and runs
# the suite, the allocation and dlopen load tests among it.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SAFENUM_ASAN_BUILD_DIR:-$root/build-asan}
san="-fsanitize=address,undefined,float-cast-overflow,float-divide-by-zero -fno-sanitize-recover=all"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="$san -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="$san" -DCMAKE_SHARED_LINKER_FLAGS="$san" \
  -DSAFENUM_WERROR=OFF -DSAFENUM_BUILD_EXAMPLES=OFF -DSAFENUM_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2
ASAN_OPTIONS="detect_leaks=1 abort_on_error=1" UBSAN_OPTIONS="halt_on_error=1 print_stacktrace=1" \
  ctest --test-dir "$build" -LE "exhaustive|install|windows|symbols" --output-on-failure -j2
