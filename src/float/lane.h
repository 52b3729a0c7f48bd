// The lanes the floating ladders are evaluated on, without a jump.
//
// A ladder's rungs fire on operands that are anything at all: signs, zeros,
// NaNs and saturated values arrive in no order a branch predictor could
// learn. Written with branches, an operand off the common path pays for
// several mispredicted jumps; written as ternaries on doubles, the compiler
// turns most of them back into jumps. So a ladder is evaluated in full on a
// `lane` (a double held where comparisons yield all-ones or all-zeros
// masks), each rung a comparison and a masked selection
// (limits/first_match.h). A `single_lane` offers the same in single
// precision, for the ladders whose every step rounds there exactly as in
// double rounded once to single.
//
// Two forms give the same bits: SSE2, where a lane is the low half of an
// XMM register (float/lane_sse2.h), and plain C++ (float/lane_portable.h),
// taken without SSE2 or with SAFENUM_PORTABLE_LANES defined. Every
// intrinsic of the library lives in the SSE2 form.
#ifndef SAFENUM_SRC_FLOAT_LANE_H
#define SAFENUM_SRC_FLOAT_LANE_H

#include "limits/first_match.h"
#include "module/runtime.h"

#if defined(__SSE2__) && !defined(SAFENUM_PORTABLE_LANES)
#include "float/lane_sse2.h"
#else
#include "float/lane_portable.h"
#endif

#endif  // SAFENUM_SRC_FLOAT_LANE_H
