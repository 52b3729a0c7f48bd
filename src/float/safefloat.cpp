// SPDX-License-Identifier: BSL-1.0
// safefloat's construction, assignment and conversions, compiled once for the library.
#include "safenum/float/safefloat-inl.h"
