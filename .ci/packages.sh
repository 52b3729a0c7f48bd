#!/usr/bin/env bash
# SPDX-License-Identifier: BSL-1.0
# The packages stage: makes the source archive and the Debian packages with
# CPack, checks what each holds, and uses them on a clean Debian 12 root made
# by debootstrap (with only a compiler, make, cmake and pkg-config added):
#   - a FetchContent client configured, built and run from the source archive,
#     and the archive built at top level without GoogleTest (library, demo);
#   - the development package refused without the runtime package;
#   - both packages installed, then find_package clients of safenum::safenum
#     and safenum::header_only and a pkg-config client built and run against
#     them, each reporting the packaged version;
#   - both packages purged, leaving no file behind.
#
# The root is made once and kept as a tarball in $SAFENUM_CI_CACHE (default
# /var/cache/safenum-ci); each run unpacks a fresh copy. Needs root (chroot).
#
# Usage: .ci/packages.sh [build-dir]   (default: build-packages)
set -euo pipefail

src=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build-packages}
[[ $build == /* ]] || build=$src/$build
cache=${SAFENUM_CI_CACHE:-/var/cache/safenum-ci}
mirror=${SAFENUM_DEBIAN_MIRROR:-http://deb.debian.org/debian}
# What the root gets beyond minbase; part of the cached root's name.
root_tools=(g++ make cmake pkg-config)
start=$(date +%s)
fail() { echo "packages.sh: $*" >&2; exit 1; }
step() { echo "== [$(($(date +%s) - start)) s] $*"; }

[[ $(id -u) == 0 ]] || fail "needs root, for debootstrap and chroot"
host_tools=(cmake g++ make debootstrap dpkg-dev file)
missing=()
for p in "${host_tools[@]}"; do dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p"); done
if ((${#missing[@]})); then
  step "installing ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

step "packages: configure for /usr, build, cpack"
rm -rf "$build"
cmake -S "$src" -B "$build" -DCMAKE_INSTALL_PREFIX=/usr -DSAFENUM_BUILD_TESTS=OFF \
  -DSAFENUM_BUILD_EXAMPLES=OFF -DSAFENUM_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2 >/dev/null
(cd "$build" && cpack -G DEB >/dev/null && cpack --config CPackSourceConfig.cmake >/dev/null)
version=$(sed -n 's/^#define SAFENUM_VERSION_STRING "\(.*\)"$/\1/p' \
  "$build/include/safenum/version.h")
major=${version%%.*}
runtime=$(echo "$build"/libsafenum"$major"_"$version"-*.deb)
dev=$(echo "$build"/libsafenum-dev_"$version"-*.deb)
archive=$build/safenum-$version.tar.gz
for f in "$runtime" "$dev" "$archive"; do
  [[ -f $f ]] || fail "cpack did not make $f"
  printf '   %-40s %8d bytes\n' "$(basename "$f")" "$(stat -c %s "$f")"
done

step "package contents and dependencies"
# (Listings held in variables: grep -q closing a pipe early would fail it.)
contents() { dpkg-deb -c "$1" | awk '{print $6}' | sed 's|^\./|/|'; }
runtime_files=$(contents "$runtime")
dev_files=$(contents "$dev")
archive_files=$(tar -tzf "$archive")
libdir=$(sed -n "s|/libsafenum\.so\.$version\$||p" <<<"$runtime_files")
[[ -n $libdir ]] || fail "the runtime package has no libsafenum.so.$version"
grep -qx "$libdir/libsafenum.so.$major" <<<"$runtime_files" || fail "runtime: no SONAME link"
! grep -q '/include/\|\.so$\|/cmake/\|\.pc$' <<<"$runtime_files" \
  || fail "the runtime package holds development files"
for f in /usr/include/safenum.h /usr/include/safenum/version.h "$libdir/libsafenum.so" \
         "$libdir/cmake/safenum/safenumConfig.cmake" "$libdir/pkgconfig/safenum.pc"; do
  grep -qx "$f" <<<"$dev_files" || fail "the development package lacks $f"
done
! grep -q "libsafenum\.so\.$major" <<<"$dev_files" || fail "the development package holds the library"
[[ $(dpkg-deb -f "$dev" Depends) == "libsafenum$major (= $(dpkg-deb -f "$runtime" Version))" ]] \
  || fail "libsafenum-dev does not depend on the same libsafenum$major: $(dpkg-deb -f "$dev" Depends)"
[[ $(dpkg-deb -f "$runtime" Depends) == *libc6* ]] || fail "libsafenum$major does not depend on libc6"
grep -qx "safenum-$version/CMakeLists.txt" <<<"$archive_files" || fail "archive without CMakeLists.txt"
! grep -q "^safenum-$version/\(build[^/]*\|\.git\)/" <<<"$archive_files" \
  || fail "the source archive holds a build folder or version control"

# The clean root, from the cache or made now.
tools_key=$(echo "${root_tools[*]}" | tr ' ' '-')
cached=$cache/bookworm-minbase-$tools_key.tar.gz
root=$build/root
# The root lives in memory where it can (a tmpfs): unpacking and removing its
# half a gigabyte then costs no disk traffic.
empty_root() {
  mkdir -p "$root"
  mount -t tmpfs -o size=4g,mode=0755 safenum-root "$root" 2>/dev/null || true
}
cleanup() {
  if mountpoint -q "$root/proc" 2>/dev/null; then umount "$root/proc"; fi
  if mountpoint -q "$root" 2>/dev/null; then umount "$root"; fi
  if [[ -d $root ]] && ! mountpoint -q "$root/proc" 2>/dev/null && ! mountpoint -q "$root"; then
    rm -rf --one-file-system "$root"
  fi
}
trap cleanup EXIT
empty_root
if [[ -f $cached ]] && tar -xzf "$cached" -C "$root"; then
  step "Debian 12 root from $cached"
else
  # No cached root, or one that does not unpack: made anew.
  cleanup && empty_root
  step "Debian 12 root: debootstrap --variant=minbase bookworm, then ${root_tools[*]}"
  t=$(date +%s)
  debootstrap --variant=minbase bookworm "$root" "$mirror" >"$build/debootstrap.log" 2>&1 \
    || { tail -20 "$build/debootstrap.log"; fail "debootstrap failed"; }
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  mount -t proc proc "$root/proc"
  chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive \
    sh -c "apt-get update -qq && apt-get install -y -qq --no-install-recommends ${root_tools[*]} \
           && apt-get clean && rm -rf /var/lib/apt/lists/*" >"$build/root-tools.log" 2>&1 \
    || { tail -20 "$build/root-tools.log"; fail "installing ${root_tools[*]} in the root failed"; }
  umount "$root/proc"
  echo "   made in $(($(date +%s) - t)) s"
  mkdir -p "$cache"
  tar -czf "$cached.tmp" -C "$root" . && mv "$cached.tmp" "$cached"
fi
mount -t proc proc "$root/proc"

# The clients and the packages, as a user would have them.
work=/root/safenum-packages
mkdir -p "$root$work"
cp -r "$src/tests/install/consumer" "$root$work/app"
cp "$runtime" "$dev" "$archive" "$root$work/"
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
  LC_ALL=C.UTF-8 bash -euo pipefail -c "cd $work && $1"; }
# A client's first line names the version it was compiled against.
expect_version() { [[ $(head -n1 <<<"$1") == "safenum $version" ]] || fail "$2 reports: $1"; }

step "FetchContent from safenum-$version.tar.gz, before any package is installed"
out=$(in_root "cmake -S app -B fetch -DWAY=fetch -DSAFENUM_ARCHIVE=$work/$(basename "$archive") \
  -Wno-dev >/dev/null && cmake --build fetch -j2 >/dev/null && ./fetch/app")
expect_version "$out" "the FetchContent client"

step "top-level build of the source archive without GoogleTest: library and demo"
out=$(in_root "tar -xzf $(basename "$archive") && cmake -S safenum-$version -B top 2>&1 \
  && cmake --build top -j2 >/dev/null && ./top/examples/safenum-demo >/dev/null")
[[ $(grep -c 'tests are off because GoogleTest was not found' <<<"$out") == 1 ]] \
  || fail "no one line saying that the tests are off: $out"

step "the development package alone is refused"
if in_root "dpkg -i $(basename "$dev")" >/dev/null 2>&1; then
  fail "libsafenum-dev installed without libsafenum$major"
fi
in_root "dpkg --purge libsafenum-dev" >/dev/null

step "installing $(basename "$runtime") and $(basename "$dev")"
# As the README writes it.
in_root "apt-get install -y -qq ./$(basename "$runtime") ./$(basename "$dev")" \
  >"$build/install.log" 2>&1 || { cat "$build/install.log"; fail "the packages do not install"; }
[[ $(in_root "ldconfig -p") == *"libsafenum.so.$major "* ]] || fail "ldconfig does not know the library"

step "find_package client"
out=$(in_root "cmake -S app -B package -DWAY=package >/dev/null && cmake --build package >/dev/null \
  && readelf -d package/app | grep 'NEEDED.*libsafenum.so.$major' >/dev/null && ./package/app")
expect_version "$out" "the find_package client"

step "pkg-config client"
[[ $(in_root "pkg-config --modversion safenum") == "$version" ]] || fail "pkg-config version"
out=$(in_root 'c++ -std=c++17 -o pc-app app/main.cpp $(pkg-config --cflags --libs safenum) && ./pc-app')
expect_version "$out" "the pkg-config client"

step "find_package client of safenum::header_only"
out=$(in_root "cmake -S app -B header-only -DWAY=package -DTARGET_NAME=safenum::header_only \
  >/dev/null && cmake --build header-only >/dev/null && ./header-only/app")
expect_version "$out" "the header-only client"
[[ $(in_root "readelf -d header-only/app") != *libsafenum* ]] \
  || fail "the header-only client needs the library"

step "purging both packages"
in_root "dpkg --purge libsafenum-dev libsafenum$major" >/dev/null
leftover=$(find "$root/usr" -name '*safenum*' -not -path "$root$work*" | sed "s|^$root||")
[[ -z $leftover ]] || fail "left behind: $leftover"

echo "packages.sh: all checks passed in $(($(date +%s) - start)) s"
