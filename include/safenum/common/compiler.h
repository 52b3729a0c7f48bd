// SPDX-License-Identifier: BSL-1.0
// What the library asks of a compiler beyond standard C++, each behind a
// check, with the standard spelling used wherever the check fails (as with
// Microsoft's compiler).
#ifndef SAFENUM_COMMON_COMPILER_H
#define SAFENUM_COMMON_COMPILER_H

// SAFENUM_UNLIKELY(condition): the condition, which is expected to be false,
// so the code for the common case runs straight on. Without the builtin it
// is the condition alone (C++20's [[unlikely]] marks a statement, not an
// expression).
#if defined(__has_builtin)
#if __has_builtin(__builtin_expect)
#define SAFENUM_UNLIKELY(condition) __builtin_expect(!!(condition), 0)
#endif
#endif
#ifndef SAFENUM_UNLIKELY
#define SAFENUM_UNLIKELY(condition) (!!(condition))
#endif

#endif  // SAFENUM_COMMON_COMPILER_H
