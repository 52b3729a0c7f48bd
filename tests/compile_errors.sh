#!/bin/sh
# Builds the cases of compile_errors.cpp that docs/reference.md marks with
# "<!-- compile error: NAME -->" (two builds: the cases named strict_* with
# SAFENUM_STRICT, the others without) and expects every error the reference
# quotes for this compiler (lines "g++: ..." or "clang: ...") in the block
# after a mark. A quoted error without a mark fails, so every quote is checked.
# Usage: compile_errors.sh g++|clang COMPILER REFERENCE SOURCE INCLUDE_DIR
kind=$1 cxx=$2 reference=$3 source=$4 include=$5
quotes="s/‘/'/g; s/’/'/g"
quoted=$(awk -v kind="$kind:" '
  /<!-- compile error: / { name = $4; next }
  /^```/ { block = !block; if (!block) name = ""; next }
  block && index($0, kind) == 1 { sub(/^[^:]*: */, ""); print (name == "" ? "UNMARKED" : name) "\t" $0 }
' "$reference" | sed "$quotes")
[ -n "$quoted" ] || { echo "no errors quoted for $kind in $reference"; exit 1; }
build() {  # one build: $1 -v for the cases not named strict_*, -e for those; $2 flags
  cases=$(printf '%s\n' "$quoted" | cut -f1 | grep -v UNMARKED | grep "$1" '^strict_' | sort -u | sed 's/^/-D/')
  # shellcheck disable=SC2086
  "$cxx" -std=c++17 -fsyntax-only -I"$include" $2 $cases "$source" 2>&1 | sed "$quotes"
}
out="$(build -v) $(build -e -DSAFENUM_STRICT)"
status=0
tab=$(printf '\t')
while IFS=$tab read -r name message; do
  if [ "$name" != UNMARKED ] && printf '%s\n' "$out" | grep -qF -- "$message"; then
    echo "ok   $name: $message"
  else
    echo "FAIL $name: $message"; status=1
  fi
done <<END
$quoted
END
[ $status = 0 ] || printf '%s\n' "$out" | grep error
exit $status
