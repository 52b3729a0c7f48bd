#!/bin/sh
# Hostile-input and load checks: 60 s of fuzzing, the default suite under
# ThreadSanitizer, and under AddressSanitizer (with leak detection and
# UndefinedBehaviorSanitizer) the suite with the allocation and dlopen load
# tests. Exits non-zero on the first failure.
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

start=$(date +%s)
"$root/fuzz/run.sh" 60
"$root/tests/tsan.sh"
"$root/tests/asan.sh"
echo "hostile.sh: all clean in $(( $(date +%s) - start )) s"
