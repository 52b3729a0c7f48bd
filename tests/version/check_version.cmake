# SPDX-License-Identifier: BSL-1.0
# Checks that everything carrying safenum's version agrees with the project's
# version, each read back from what the build wrote:
#   cmake -DVERSION=1.2.3.4 -DHEADER=<version.h> [-DPC=<safenum.pc>]
#         [-DPACKAGE_VERSION_FILE=<safenumConfigVersion.cmake>] [-DLIBRARY=<libsafenum.so.*>]
#         [-DDLL=<safenum.dll> -DREADOBJ=<llvm-readobj>] -P check_version.cmake
# The header's macros, SAFENUM_VERSION worked out from the header's own
# expression, the pkg-config and CMake package versions, the shared library's
# file name, and the DLL's version resource: its fixed file and product
# versions, the FileVersion and ProductVersion strings, and the license it names.
cmake_minimum_required(VERSION 3.20)

set(failures 0)
macro(expect what actual expected)
  if(NOT "${actual}" STREQUAL "${expected}")
    message(SEND_ERROR "${what}: ${actual}, expected ${expected}")
    math(EXPR failures "${failures} + 1")
  endif()
endmacro()

if(NOT VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
  message(FATAL_ERROR "VERSION must have four parts: ${VERSION}")
endif()
set(parts ${CMAKE_MATCH_1} ${CMAKE_MATCH_2} ${CMAKE_MATCH_3} ${CMAKE_MATCH_4})
set(names MAJOR MINOR PATCH TWEAK)

# The header: each part, the string, and the comparable number evaluated from
# the header's own definition with the parts put in.
file(READ "${HEADER}" header)
string(REGEX REPLACE "\\\\\n" " " header "${header}")  # continued lines
string(REGEX MATCH "#define SAFENUM_VERSION ([^\n]*)" _ "${header}")
set(number "${CMAKE_MATCH_1}")
foreach(i RANGE 3)
  list(GET names ${i} name)
  list(GET parts ${i} part)
  string(REGEX MATCH "#define SAFENUM_VERSION_${name} ([^\n]*)" _ "${header}")
  expect("SAFENUM_VERSION_${name}" "${CMAKE_MATCH_1}" "${part}")
  string(REPLACE "SAFENUM_VERSION_${name}" "${part}" number "${number}")
  set(${name} ${part})
endforeach()
string(REGEX MATCH "#define SAFENUM_VERSION_STRING \"([^\"]*)\"" _ "${header}")
expect("SAFENUM_VERSION_STRING" "${CMAKE_MATCH_1}" "${VERSION}")
math(EXPR number "${number}")
# Ordered as the version is: each part below 100 after the first.
math(EXPR expected "((${MAJOR} * 100 + ${MINOR}) * 100 + ${PATCH}) * 100 + ${TWEAK}")
expect("SAFENUM_VERSION" "${number}" "${expected}")

if(PC)
  file(STRINGS "${PC}" line REGEX "^Version:")
  expect("pkg-config version" "${line}" "Version: ${VERSION}")
endif()

if(PACKAGE_VERSION_FILE)
  # As find_package(safenum <VERSION>) asks it.
  set(PACKAGE_FIND_VERSION "${VERSION}")
  list(GET parts 0 PACKAGE_FIND_VERSION_MAJOR)
  include("${PACKAGE_VERSION_FILE}")
  expect("CMake package version" "${PACKAGE_VERSION}" "${VERSION}")
  expect("CMake package, same version found" "${PACKAGE_VERSION_COMPATIBLE}" "TRUE")
endif()

if(LIBRARY)
  get_filename_component(name "${LIBRARY}" NAME)
  expect("shared library" "${name}" "libsafenum.so.${VERSION}")
endif()

# The DLL's version resource as llvm-readobj dumps it, in hexadecimal.
if(DLL)
  execute_process(COMMAND "${READOBJ}" --coff-resources "${DLL}"
    OUTPUT_VARIABLE dump RESULT_VARIABLE result)
  expect("${READOBJ} --coff-resources" "${result}" "0")
  string(REGEX MATCH "Type: VERSIONINFO.*" dump "${dump}")
  string(REGEX MATCHALL "\n *[0-9A-F]+: ([0-9A-F ]+)" rows "${dump}")
  set(data "")
  foreach(row IN LISTS rows)
    string(REGEX REPLACE "^\n *[0-9A-F]+: " "" row "${row}")
    string(REPLACE " " "" row "${row}")
    string(APPEND data "${row}")
  endforeach()
  string(TOLOWER "${data}" data)

  # VS_FIXEDFILEINFO: signature 0xfeef04bd, structure version, then file and
  # product version, each as (major << 16 | minor, patch << 16 | tweak),
  # little-endian.
  function(le16 value out)  # a 16-bit value's two bytes, low first
    math(EXPR value "${value} + 65536" OUTPUT_FORMAT HEXADECIMAL)
    string(TOLOWER "${value}" value)
    string(REGEX REPLACE "^0x1(..)(..)$" "\\2\\1" ${out} "${value}")
    set(${out} ${${out}} PARENT_SCOPE)
  endfunction()
  foreach(name IN LISTS names)
    le16(${${name}} ${name}_bytes)
  endforeach()
  set(fixed "${MINOR_bytes}${MAJOR_bytes}${TWEAK_bytes}${PATCH_bytes}")
  if(NOT data MATCHES "bd04effe........${fixed}${fixed}")
    expect("resource file and product versions" "not ${VERSION}" "${VERSION}")
  endif()

  # The string values, UTF-16LE: the key, its padding, the value and its end.
  function(utf16 text out)
    string(HEX "${text}" hex)
    string(REGEX REPLACE "(..)" "\\100" hex "${hex}")
    set(${out} ${hex} PARENT_SCOPE)
  endfunction()
  utf16("${VERSION}" value)
  foreach(key FileVersion ProductVersion)
    utf16(${key} name)
    if(NOT data MATCHES "${name}(0000)+${value}0000")
      expect("resource string ${key}" "not ${VERSION}" "${VERSION}")
    endif()
  endforeach()
  # The license, named beside the version.
  utf16(LegalCopyright name)
  utf16("Boost Software License 1.0" value)
  if(NOT data MATCHES "${name}(0000)+([0-9a-f][0-9a-f]00)*${value}")
    expect("resource string LegalCopyright" "without the license" "Boost Software License 1.0")
  endif()
endif()

if(failures)
  message(FATAL_ERROR "${failures} version check(s) failed")
endif()
message(STATUS "version ${VERSION}: every check agrees")
