#!/bin/sh
# SPDX-License-Identifier: BSL-1.0
# Hostile-input and load checks: 60 s of fuzzing (the SSE2 lanes, under
# AddressSanitizer and UndefinedBehaviorSanitizer), the threaded driver run
# under ThreadSanitizer, and the dlopen/dlclose cycles under
# AddressSanitizer with leak detection. Exits non-zero on the first failure.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)

# clang 14 and its sanitizer runtimes are the only additions to Debian 12.
if ! command -v clang++ >/dev/null 2>&1 ||
   ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
    apt-get install -y clang libclang-rt-14-dev
  else
    echo "hostile.sh: clang++ with libclang-rt-14-dev is required" >&2
    exit 1
  fi
fi

# A clang build with the given sanitizer flags, of the given targets only.
sanitized() {  # build-dir flags target...
  dir=$1 flags=$2
  shift 2
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$flags -fno-omit-frame-pointer" \
    -DCMAKE_EXE_LINKER_FLAGS="$flags" -DCMAKE_SHARED_LINKER_FLAGS="$flags" \
    -DSAFENUM_BUILD_EXAMPLES=OFF -DSAFENUM_BUILD_BENCH=OFF >/dev/null
  cmake --build "$dir" -j2 --target "$@"
}

start=$(date +%s)
"$root/.ci/fuzz.sh" 60

sanitized "$root/build-tsan" "-fsanitize=thread" safenum-tests
TSAN_OPTIONS="halt_on_error=1 exitcode=66" \
  ctest --test-dir "$root/build-tsan" -L unit -R FourThreadsAtOnce --output-on-failure

sanitized "$root/build-asan" "-fsanitize=address,undefined -fno-sanitize-recover=all" \
  safenum-dlopen-test
ASAN_OPTIONS="detect_leaks=1 abort_on_error=1" UBSAN_OPTIONS="halt_on_error=1" \
  ctest --test-dir "$root/build-asan" -R load.dlopen --output-on-failure

echo "hostile.sh: all clean in $(( $(date +%s) - start )) s"
