# Warnings and floating-point flags shared by every target of the project,
# chosen by the compiler's front end: GNU-style drivers (g++, clang++) take
# GNU flags, MSVC-style ones (cl, clang-cl) take cl's.
#
# Results must be bit-exact on every target: no fast-math, no fused
# multiply-add, and SSE2 arithmetic on 32-bit x86 so no x87 excess precision
# changes a single result.
add_library(safenum_flags INTERFACE)
add_library(safenum::flags ALIAS safenum_flags)

set(safenum_x86 OFF)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i[3-6]86|x86)$")
  set(safenum_x86 ON)
endif()

if(MSVC OR CMAKE_CXX_COMPILER_FRONTEND_VARIANT STREQUAL "MSVC")
  # /fp:precise: no value-changing optimisations. cl contracts nothing into
  # a fused multiply-add unless told to (/fp:contract); clang-cl's
  # /fp:precise would, so it is told not to in clang's own spelling.
  target_compile_options(safenum_flags INTERFACE /W4 /permissive- /fp:precise)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    target_compile_options(safenum_flags INTERFACE /clang:-ffp-contract=off)
    if(SAFENUM_MSVC_ABI)
      # sqrt as the instruction, as below.
      target_compile_options(safenum_flags INTERFACE /clang:-fno-math-errno)
    endif()
  endif()
  if(SAFENUM_WERROR)
    target_compile_options(safenum_flags INTERFACE /WX)
  endif()
  if(safenum_x86)
    target_compile_options(safenum_flags INTERFACE /arch:SSE2)
  endif()
elseif(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
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
  if(safenum_x86)
    target_compile_options(safenum_flags INTERFACE -msse2 -mfpmath=sse)
  endif()
endif()
