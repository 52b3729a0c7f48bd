// SPDX-License-Identifier: BSL-1.0
// The mixed floating operators, compiled once for the library.
#include "safenum/float/mixed-inl.h"
