// Every out-of-line definition of the library. The shared and static
// libraries compile this once (src/); the header-only build (see safenum.h)
// includes it in every translation unit, where each definition is inline.
#ifndef SAFENUM_SAFENUM_INL_H
#define SAFENUM_SAFENUM_INL_H

#include "safenum/limits/limits-inl.h"
#include "safenum/int/safeint-inl.h"
#include "safenum/int/compound-inl.h"
#include "safenum/int/binary-inl.h"
#include "safenum/int/compare-inl.h"
#include "safenum/float/safefloat-inl.h"
#include "safenum/float/safedouble-inl.h"
#include "safenum/float/compound-inl.h"
#include "safenum/float/binary-inl.h"
#include "safenum/float/mixed-inl.h"
#include "safenum/float/compare-inl.h"
#include "safenum/math/math-inl.h"

#endif  // SAFENUM_SAFENUM_INL_H
