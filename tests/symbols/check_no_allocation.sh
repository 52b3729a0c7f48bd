#!/bin/sh
# SPDX-License-Identifier: BSL-1.0
# No number operation allocates: the shared library imports no allocation
# function at all (its undefined dynamic symbols).
#
# usage: check_no_allocation.sh BINARY [NM]
set -u
binary=${1:?usage: check_no_allocation.sh BINARY [NM]}
nm=${2:-nm}
imports=$("$nm" -D --undefined-only "$binary") || exit 2
found=$(printf '%s\n' "$imports" | awk '{ print $NF }' |
  grep -E '^(malloc|calloc|realloc|reallocarray|free|aligned_alloc|posix_memalign|memalign|valloc|pvalloc|mmap|mmap64|sbrk|_Znw|_Zna|_Zdl|_Zda)')
if [ -n "$found" ]; then
  echo "$binary imports allocation functions:"
  printf '  %s\n' $found
  exit 1
fi
echo "$binary imports no allocation function"
