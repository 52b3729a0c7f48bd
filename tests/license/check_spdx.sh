#!/bin/sh
# SPDX-License-Identifier: BSL-1.0
# Every source file names its license by SPDX identifier in its first
# comment: on its first line, or on its second after a "#!" line. Lists the
# files that do not and fails if there is one; with --fix, adds the line to
# each of them instead (as "//" or "#" comment, by the file's language).
#
# Usage: tests/license/check_spdx.sh [--fix] <source-dir>
set -eu
fix=
if [ "$1" = --fix ]; then fix=1; shift; fi
root=$(cd "$1" && pwd)
tag='SPDX-License-Identifier: BSL-1.0'
missing=$(find "$root" \( -path "$root/build*" -o -path "$root/out" -o -path "$root/.git" \
    -o -path "$root/fuzz/corpus" \) -prune -o -type f \
  \( -name '*.h' -o -name '*.cpp' -o -name '*.in' -o -name '*.cmake' -o -name CMakeLists.txt \
     -o -name '*.sh' -o -path "$root/.ci/run" \) -exec awk -v tag="$tag" '
    FNR == 1 { if (file != "" && !found) print file; file = FILENAME; found = 0; bang = /^#!/ }
    FNR == 1 + bang && index($0, tag) { found = 1 }
    END { if (file != "" && !found) print file }' {} + | sed "s|^$root/||")
[ -n "$missing" ] || { echo "check_spdx.sh: every source file names its license"; exit 0; }
if [ -z "$fix" ]; then
  echo "without \"$tag\" in their first comment:"
  echo "$missing"
  exit 1
fi
echo "$missing" | while read -r f; do
  case $f in
    *.h | *.cpp | *.h.in | *.rc.in) comment="// $tag" ;;
    *) comment="# $tag" ;;
  esac
  if head -n 1 "$root/$f" | grep -q '^#!'; then where=1a; else where=1i; fi
  sed -i "$where $comment" "$root/$f"
  echo "added to $f"
done
