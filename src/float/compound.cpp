// SPDX-License-Identifier: BSL-1.0
// The floating compound assignments, compiled once for the library.
#include "safenum/float/compound-inl.h"
