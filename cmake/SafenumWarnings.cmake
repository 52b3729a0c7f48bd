# Warnings and floating-point flags shared by every target of the project.
#
# Results must be bit-exact on every target: no fast-math, no fused
# multiply-add, and SSE2 arithmetic on 32-bit x86 so no x87 excess precision
# changes a single result.
add_library(safenum_flags INTERFACE)
add_library(safenum::flags ALIAS safenum_flags)

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(safenum_flags INTERFACE
    -Wall -Wextra -Wpedantic -ffp-contract=off -fno-fast-math)
  if(SAFENUM_WERROR)
    target_compile_options(safenum_flags INTERFACE -Werror)
  endif()
  if(SAFENUM_MSVC_ABI)
    # sqrt as the instruction, not a call to a runtime that could set errno
    # (after -fno-fast-math, which turns errno back on where it is the default).
    target_compile_options(safenum_flags INTERFACE -fno-math-errno)
  endif()
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i[3-6]86|x86)$")
    target_compile_options(safenum_flags INTERFACE -msse2 -mfpmath=sse)
  endif()
endif()
