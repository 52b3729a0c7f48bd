#!/usr/bin/env bash
# SPDX-License-Identifier: BSL-1.0
# Instructions per operation under callgrind, for the library and both
# baselines, with their ratios. Counts are repeatable on a busy machine.
#   bench/instructions.sh [path/to/safenum-bench] [op ...]
# Each kernel runs P1 and P2 passes over 4096 operand pairs; the difference of
# the two totals, divided by the extra operations, removes start-up and setup.
set -euo pipefail
BIN=${1:-build/bench/safenum-bench}
shift || true
OPS=("$@")
if [ ${#OPS[@]} -eq 0 ]; then mapfile -t OPS < <("$BIN" --list); fi
P1=2 P2=6 N=4096
ir() {
  local out
  out=$(mktemp)
  valgrind --tool=callgrind --callgrind-out-file="$out" "$BIN" --run "$1" "$2" >/dev/null 2>&1 || { rm -f "$out"; echo 0; return; }
  awk '/^summary:/ {print $2}' "$out"
  rm -f "$out"
}
per_op() {
  local a b
  a=$(ir "$1" $P1); b=$(ir "$1" $P2)
  awk -v a="$a" -v b="$b" -v n=$(( (P2 - P1) * N )) 'BEGIN { printf "%.2f", (b - a) / n }'
}
printf "%-26s %8s %8s %8s %8s %9s %9s %9s\n" operation "lib Ir" "plain Ir" "sat Ir" "text Ir" lib/plain lib/sat text/lib
for op in "${OPS[@]}"; do
  lib=$(per_op "$op/lib"); plain=$(per_op "$op/plain"); sat=$(per_op "$op/sat")
  if [[ $op == conv/nint* ]]; then text=$(per_op "$op/text"); else text=-; fi
  awk -v o="$op" -v l="$lib" -v p="$plain" -v s="$sat" -v t="$text" 'BEGIN {
    if (t == "-") printf "%-26s %8.2f %8.2f %8.2f %8s %9.2f %9.2f %9s\n", o, l, p, s, "-", l / p, l / s, "-";
    else printf "%-26s %8.2f %8.2f %8.2f %8.2f %9.2f %9.2f %9.1f\n", o, l, p, s, t, l / p, l / s, t / l }'
done
