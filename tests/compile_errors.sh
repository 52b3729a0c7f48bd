#!/bin/sh
# SPDX-License-Identifier: BSL-1.0
# Builds compile_errors.cpp as it is and with SAFENUM_STRICT, and expects
# every error docs/reference.md quotes for this compiler (its lines "g++: ..."
# or "clang: ..." in code blocks).
# Usage: compile_errors.sh g++|clang COMPILER REFERENCE SOURCE INCLUDE_DIR GENERATED_INCLUDE_DIR
# (the second holds the version header that the build writes).
kind=$1 cxx=$2 reference=$3 source=$4 include=$5 generated=$6
quotes="s/‘/'/g; s/’/'/g"
quoted=$(awk -v kind="$kind:" '/^```/ { block = !block } block && index($0, kind) == 1 { sub(/^[^:]*: */, ""); print }' \
  "$reference" | sed "$quotes")
[ -n "$quoted" ] || { echo "no errors quoted for $kind in $reference"; exit 1; }
out=$(for strict in "" -DSAFENUM_STRICT; do "$cxx" -std=c++17 -fsyntax-only -I"$include" -I"$generated" $strict "$source" 2>&1; done | sed "$quotes")
status=0
while read -r message; do
  if printf '%s\n' "$out" | grep -qF -- "$message"; then echo "ok   $message"; else echo "FAIL $message"; status=1; fi
done <<END
$quoted
END
[ $status = 0 ] || printf '%s\n' "$out" | grep error
exit $status
