#!/bin/sh
# Compares the dynamic symbols a shared libsafenum exports with the checked-in
# list of the public interface, exactly: one missing or one extra export fails.
# Then counts the free operators and functions by kind and checks the counts.
#
# A Windows DLL in Microsoft's ABI (with the list of its decorated names in
# place of NM) is checked twice: its export table exactly against that list,
# and the same names demangled by llvm-undname, written as g++ writes them,
# against the interface list. The 32-bit DLL also exports the three classes'
# copy constructors, copy assignments and destructors, which the interface
# list leaves implicit; they are counted apart, 9 at x86 and none at x64.
#
# usage: check_exports.sh LIBRARY EXPORTS_LIST [NM | DECORATED_LIST]
set -u

lib=${1:?usage: check_exports.sh LIBRARY EXPORTS_LIST [NM | DECORATED_LIST]}
list=${2:?usage: check_exports.sh LIBRARY EXPORTS_LIST [NM | DECORATED_LIST]}
nm=${3:-nm}

tmp=$(mktemp -d) || exit 2
trap 'rm -rf "$tmp"' EXIT INT TERM
status=0

case $lib in
*.dll)
  llvm-readobj --coff-exports "$lib" | sed -n 's/^ *Name: \(..*\)$/\1/p' | LC_ALL=C sort >"$tmp/dll"
  LC_ALL=C sort "$nm" | diff - "$tmp/dll" || status=1
  # "public: class safeint & __thiscall safeint::operator=(int)" becomes
  # "safeint::operator=(int)".
  llvm-undname <"$tmp/dll" | grep -v -e '^?' -e '^$' |
    sed -e 's/^public: //' -e 's/^.*__\(thiscall\|cdecl\) //' -e 's/(void)/()/' \
        -e 's/class //g' -e 's/ &/\&/g' | LC_ALL=C sort -u >"$tmp/demangled"
  # The copy constructors, copy assignments and destructors, which the
  # interface leaves implicit: the 32-bit DLL exports them for programs built
  # against a header that declares them, the x64 DLL does not.
  copy_members='^(safeint|safefloat|safedouble)::(\1|operator=)\(\1 const&\)$|^(safe[a-z]*)::~\3\(\)$'
  grep -E "$copy_members" "$tmp/demangled" >"$tmp/copy_members"
  grep -vE "$copy_members" "$tmp/demangled" >"$tmp/actual"
  if llvm-readobj --file-headers "$lib" | grep -q 'IMAGE_FILE_MACHINE_I386'; then
    copy_expected=9
  else
    copy_expected=0
  fi
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

comm -13 "$tmp/expected" "$tmp/actual" >"$tmp/extra"
comm -23 "$tmp/expected" "$tmp/actual" >"$tmp/missing"
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
if [ -n "${copy_expected:-}" ]; then
  echo "DLL exports outside the interface list:"
  check "copy ctors, assignments, dtors" "$(wc -l <"$tmp/copy_members")" "$copy_expected"
  printf '  %-32s %3d\n' "all exported functions" "$(wc -l <"$tmp/dll")"
fi

if [ "$status" -eq 0 ]; then
  echo "the exports match the interface list"
fi
exit "$status"
