#!/usr/bin/env bash
# SPDX-License-Identifier: BSL-1.0
# Builds the library and the default suite with clang's undefined-behaviour,
# float-cast-overflow, float-divide-by-zero and address sanitizers (any
# report aborts the test) in its own build directory, and runs the suite.
# The floating ladders are built in their plain C++ form, whose divisions
# and selections the sanitizers can see (SSE2 intrinsics they cannot); the
# SSE2 form is checked by the fuzzing stage.
#
# Usage: .ci/sanitize.sh [build-dir]   (default: build-sanitize)
set -euo pipefail

src=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$src/build-sanitize"}
flags="-fsanitize=undefined,float-cast-overflow,float-divide-by-zero,address"
flags+=" -fno-sanitize-recover=all -fno-omit-frame-pointer"
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)

cmake -S "$src" -B "$build" "${generator[@]}" \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=undefined,address" \
  -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=undefined,address" \
  -DSAFENUM_WERROR=ON -DSAFENUM_BUILD_BENCH=OFF -DSAFENUM_PORTABLE_LANES=ON
cmake --build "$build" -j "${SAFENUM_JOBS:-2}"

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
# The sanitizers add exports of their own (type information for their
# checks), so the interface list is checked in the plain builds only.
ctest --test-dir "$build" -LE "exhaustive|install|symbols" --output-on-failure
