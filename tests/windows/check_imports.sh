#!/bin/sh
# Checks the import table of a Windows program or DLL. Each import is a line
# "DLL function" (KERNEL32.dll LocalAlloc); each rule counts the lines that
# match an extended regular expression and wants a number of them, or all.
#
# usage: check_imports.sh FILE COUNT|all ERE [COUNT|all ERE]...
set -u

file=${1:?usage: check_imports.sh FILE COUNT|all ERE [COUNT|all ERE]...}
shift
imports=$(llvm-readobj --coff-imports "$file" | awk '
  /^ *Name: / { dll = $2 }
  /^ *Symbol: / { print dll, $2 }') || exit 2
[ -n "$imports" ] || { echo "no imports read from $file"; exit 2; }

status=0
while [ $# -ge 2 ]; do
  want=$1 pattern=$2
  shift 2
  total=$(printf '%s\n' "$imports" | wc -l)
  matching=$(printf '%s\n' "$imports" | grep -cE "$pattern")
  [ "$want" = all ] && want=$total
  if [ "$matching" -eq "$want" ]; then
    printf '  %3d of %3d imports match %s\n' "$matching" "$total" "$pattern"
  else
    printf '  %3d of %3d imports match %s, not %d:\n' "$matching" "$total" "$pattern" "$want"
    printf '%s\n' "$imports" | sed 's/^/    /'
    status=1
  fi
done
[ $# -eq 0 ] || { echo "a rule without its pattern: $1"; exit 2; }
exit "$status"
