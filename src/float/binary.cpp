// SPDX-License-Identifier: BSL-1.0
// The core floating operators, compiled once for the library.
#include "safenum/float/binary-inl.h"
