#!/bin/sh
# Builds the library and the default test suite with clang and
# ThreadSanitizer in build-tsan/ and runs the suite; any race report fails it.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SAFENUM_TSAN_BUILD_DIR:-$root/build-tsan}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="-fsanitize=thread -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread -DCMAKE_SHARED_LINKER_FLAGS=-fsanitize=thread \
  -DSAFENUM_WERROR=OFF -DSAFENUM_BUILD_EXAMPLES=OFF -DSAFENUM_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2
TSAN_OPTIONS="halt_on_error=1 exitcode=66 second_deadlock_stack=1" \
  ctest --test-dir "$build" -LE "exhaustive|install|windows|symbols" --output-on-failure -j2
