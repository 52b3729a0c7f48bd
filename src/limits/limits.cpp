// SPDX-License-Identifier: BSL-1.0
// The limit functions, compiled once for the library.
#include "safenum/limits/limits-inl.h"
