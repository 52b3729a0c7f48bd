// SPDX-License-Identifier: BSL-1.0
// The floating relations, compiled once for the library.
#include "safenum/float/compare-inl.h"
