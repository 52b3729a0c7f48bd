# SPDX-License-Identifier: BSL-1.0
# The version typed once, in project(VERSION): everything else that carries it
# is written from it here or by the install rules (the CMake package and
# pkg-config versions, the shared library's file name and SONAME).
#
#   ${PROJECT_BINARY_DIR}/include/safenum/version.h   the version macros
#   SAFENUM_VERSION_RC                                 the DLL's version resource
#
# The comparable number SAFENUM_VERSION gives minor, patch and tweak two
# decimal digits each, so none may reach 100.
foreach(part MINOR PATCH TWEAK)
  if(NOT "${PROJECT_VERSION_${part}}" MATCHES "^[0-9]$|^[1-9][0-9]$")
    message(FATAL_ERROR "safenum's version ${PROJECT_VERSION}: ${part} must be a number "
      "from 0 to 99, as SAFENUM_VERSION keeps two digits for it")
  endif()
endforeach()

set(SAFENUM_GENERATED_INCLUDE_DIR ${PROJECT_BINARY_DIR}/include)
configure_file(${PROJECT_SOURCE_DIR}/cmake/version.h.in
  ${SAFENUM_GENERATED_INCLUDE_DIR}/safenum/version.h @ONLY)

if(SAFENUM_MSVC_ABI)
  set(SAFENUM_VERSION_RC ${PROJECT_BINARY_DIR}/src/module/version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/src/module/version.rc.in ${SAFENUM_VERSION_RC} @ONLY)
endif()
