#!/bin/sh
# SPDX-License-Identifier: BSL-1.0
# Builds the fuzz target with clang and the sanitizers in build-fuzz/ and runs
# it for a bounded time (default 60 seconds). Any finding (a trap, a sanitizer
# report, a crash) makes the script fail. Usage: .ci/fuzz.sh [seconds]
set -eu
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SAFENUM_FUZZ_BUILD_DIR:-$root/build-fuzz}
san="-fsanitize=address,undefined,float-cast-overflow,float-divide-by-zero -fno-sanitize-recover=all"

cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="$san -fsanitize=fuzzer-no-link -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="$san" -DCMAKE_SHARED_LINKER_FLAGS="$san" \
  -DSAFENUM_BUILD_FUZZ=ON -DSAFENUM_BUILD_TESTS=OFF \
  -DSAFENUM_BUILD_EXAMPLES=OFF -DSAFENUM_INSTALL=OFF -DSAFENUM_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target safenum-fuzz-ops

# The checked-in seeds stay untouched; new inputs go to a working corpus.
work="$build/corpus"
mkdir -p "$work" "$build/artifacts"
log="$build/fuzz.log"
set +e
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  "$build/fuzz/safenum-fuzz-ops" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$build/artifacts/" "$work" "$root/fuzz/corpus" >"$log" 2>&1
rc=$?
set -e
grep -E '^stat::number_of_executed_units|^stat::average_exec_per_sec|^#[0-9]+.*DONE' "$log" || true
if [ "$rc" -ne 0 ]; then
  tail -n 40 "$log"
  echo "fuzz.sh: finding (exit $rc); reproducer in $build/artifacts/" >&2
  exit 1
fi
echo "fuzz.sh: clean after $seconds s"
