#!/bin/sh
# SPDX-License-Identifier: BSL-1.0
# The Windows package: cpack in a Windows build folder makes
# safenum-<version>-windows-<arch>.zip, which must hold the DLL as built, its
# import library, the headers, the license and the documentation, and whose
# DLL and version header must carry the project's version.
#
# Usage: .ci/windows-zip.sh <windows-build-dir>
set -eu
src=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
fail() { echo "windows-zip.sh: $*" >&2; exit 1; }

version=$(sed -n 's/^#define SAFENUM_VERSION_STRING "\(.*\)"$/\1/p' "$build/include/safenum/version.h")
rm -f "$build"/safenum-*-windows-*.zip
(cd "$build" && cpack -G ZIP >/dev/null)
set -- "$build"/safenum-"$version"-windows-*.zip
[ -f "$1" ] || fail "cpack made no safenum-$version-windows-*.zip"
zip=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && cmake -E tar xf "$zip")
top=$work/$(basename "$zip" .zip)
for f in bin/safenum.dll lib/safenum.lib include/safenum.h include/safenum_io.h \
         include/safenum/version.h lib/cmake/safenum/safenumConfig.cmake \
         LICENSE README.md CHANGELOG.md docs/windows.md docs/abi.md; do
  [ -f "$top/$f" ] || fail "$(basename "$zip") lacks $f"
done
cmp -s "$top/bin/safenum.dll" "$build/bin/safenum.dll" || fail "the DLL in the ZIP is not the one built"
cmake -DVERSION="$version" -DHEADER="$top/include/safenum/version.h" -DDLL="$top/bin/safenum.dll" \
  -DREADOBJ=llvm-readobj -P "$src/tests/version/check_version.cmake" >/dev/null \
  || fail "the packaged DLL or header does not carry version $version"
echo "windows-zip.sh: $(basename "$zip"), $(wc -c <"$zip") bytes, checked"
