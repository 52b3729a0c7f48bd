#!/bin/sh
# Compares the functions a shared libsafenum exports with the checked-in list
# of the public interface, exactly: one missing or one extra export fails.
# Then counts the free operators and functions by kind and checks the counts.
#
# A Windows DLL in Microsoft's ABI is checked twice: its decorated export
# names exactly against their own list, and the same names demangled
# (llvm-undname) and written as g++ writes them against the interface list,
# so that both builds export the same declarations of the public header.
#
# usage: check_exports.sh LIBRARY EXPORTS_LIST [NM]
#        check_exports.sh DLL EXPORTS_LIST DECORATED_LIST
set -u

usage="usage: check_exports.sh LIBRARY EXPORTS_LIST [NM | DECORATED_LIST]"
lib=${1:?$usage}
list=${2:?$usage}
nm=${3:-nm}

tmp=$(mktemp -d) || exit 2
trap 'rm -rf "$tmp"' EXIT INT TERM
status=0

# compare EXPECTED ACTUAL: both sorted, one name a line.
compare() {
  comm -13 "$1" "$2" >"$tmp/extra"
  comm -23 "$1" "$2" >"$tmp/missing"
  if [ -s "$tmp/extra" ]; then
    echo "exported but not in the interface list:"
    sed 's/^/  + /' "$tmp/extra"
    status=1
  fi
  if [ -s "$tmp/missing" ]; then
    echo "in the interface list but not exported:"
    sed 's/^/  - /' "$tmp/missing"
    status=1
  fi
}

case $lib in
*.dll)
  if ! llvm-readobj --coff-exports "$lib" >"$tmp/table"; then
    echo "cannot read the export table of $lib" >&2
    exit 2
  fi
  sed -n 's/^ *Name: \(..*\)$/\1/p' "$tmp/table" | LC_ALL=C sort >"$tmp/decorated"
  LC_ALL=C sort "$nm" >"$tmp/decorated_expected"
  compare "$tmp/decorated_expected" "$tmp/decorated"
  # "public: class safeint & __thiscall safeint::operator=(int)" becomes
  # "safeint::operator=(int)", as in the interface list.
  # shellcheck disable=SC2046
  llvm-undname $(cat "$tmp/decorated") | grep -v -e '^?' -e '^$' |
    sed -e 's/^public: //' -e 's/^.*__\(thiscall\|cdecl\) //' -e 's/(void)/()/' \
        -e 's/class //g' -e 's/ &/\&/g' | LC_ALL=C sort -u >"$tmp/actual"
  ;;
*)
  # Demangled names only, addresses and symbol types dropped. The complete-
  # and base-object constructors demangle alike, so sort -u keeps each once.
  if ! "$nm" -D --defined-only -C "$lib" >"$tmp/raw"; then
    echo "cannot read the dynamic symbols of $lib" >&2
    exit 2
  fi
  sed -e 's/^[0-9a-fA-F]* [A-Za-z] //' "$tmp/raw" | LC_ALL=C sort -u >"$tmp/actual"
  ;;
esac
grep -v '^[[:space:]]*$' "$list" | LC_ALL=C sort -u >"$tmp/expected"
compare "$tmp/expected" "$tmp/actual"

# Counts by kind, of the list and of the library's exports alike.
arith='^operator[-+*/]\('
same_float='^operator[-+*/]\((safefloat const&, safefloat const&|safedouble const&, safedouble const&)\)$'
floating='^operator[-+*/]\(.*safe(float|double)'
relation='^operator(==|!=|<|<=|>|>=)\('

check() {  # name actual expected
  if [ "$2" -eq "$3" ]; then
    printf '  %-32s %3d\n' "$1" "$2"
  else
    printf '  %-32s %3d  (expected %d)\n' "$1" "$2" "$3"
    status=1
  fi
}

for which in expected actual; do
  f="$tmp/$which"
  n_same=$(grep -cE "$same_float" "$f")
  if [ "$which" = expected ]; then echo "interface list by kind:"; else echo "library exports by kind:"; fi
  check "safeint binary operators" "$(grep -E "$arith" "$f" | grep -cvE 'safe(float|double)')" 28
  check "floating same-type operators" "$n_same" 8
  check "floating mixed operators" "$(( $(grep -cE "$floating" "$f") - n_same ))" 58
  check "safeint relations" "$(grep -E "$relation" "$f" | grep -c 'safeint const&, safeint const&')" 6
  check "floating relations" "$(grep -E "$relation" "$f" | grep -cE 'safe(float|double)')" 12
  check "limit functions" "$(grep -cE '^GetM(ax|in)SystemValue' "$f")" 10
  check "math functions" "$(grep -cE '^(Function_19(71|82|83)|ceil|abs)\(' "$f")" 12
  printf '  %-32s %3d\n' "all exported functions" "$(wc -l <"$f")"
done

if [ "$status" -eq 0 ]; then
  echo "the exports match the interface list"
fi
exit "$status"
