// SPDX-License-Identifier: BSL-1.0
// The math functions, compiled once for the library.
#include "safenum/math/math-inl.h"
