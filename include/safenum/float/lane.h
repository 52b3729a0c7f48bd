// The lanes the floating ladders are evaluated on: a `lane` is a double
// whose comparisons yield masks, each rung a comparison and a masked
// selection (common/first_match.h). A `single_lane` offers the same in
// single precision, for the ladders whose every step rounds there exactly
// as in double rounded once to single.
//
// Two forms give the same bits: SSE2, where a lane is the low half of an
// XMM register (float/lane_sse2.h), and plain C++ (float/lane_portable.h).
// The compiled library takes the SSE2 form where it has SSE2, since one
// call at a time runs fastest on it. The header-only build, and any build
// without SSE2 or with SAFENUM_PORTABLE_LANES defined, takes the plain form,
// which a compiler can widen over a loop of operations: it vectorizes the
// plain form, never the one-element intrinsics. Every intrinsic of the
// library lives in the SSE2 form.
#ifndef SAFENUM_FLOAT_LANE_H
#define SAFENUM_FLOAT_LANE_H

#include "safenum/common/first_match.h"
#include "safenum/common/runtime.h"

#if defined(__SSE2__) && !defined(SAFENUM_PORTABLE_LANES) && !defined(SAFENUM_HEADER_ONLY)
#include "safenum/float/lane_sse2.h"
#else
#include "safenum/float/lane_portable.h"
#endif

#endif  // SAFENUM_FLOAT_LANE_H
