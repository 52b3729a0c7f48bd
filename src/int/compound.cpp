// SPDX-License-Identifier: BSL-1.0
// safeint's compound assignment, compiled once for the library.
#include "safenum/int/compound-inl.h"
