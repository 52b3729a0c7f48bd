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
foreach(i RANGE 3)
  list(GET names ${i} name)
  list(GET parts ${i} part)
  string(REGEX MATCH "#define SAFENUM_VERSION_${name} ([^\n]*)" _ "${header}")
  expect("SAFENUM_VERSION_${name}" "${CMAKE_MATCH_1}" "${part}")
endforeach()
string(REGEX MATCH "#define SAFENUM_VERSION_STRING \"([^\"]*)\"" _ "${header}")
expect("SAFENUM_VERSION_STRING" "${CMAKE_MATCH_1}" "${VERSION}")
string(REGEX MATCH "#define SAFENUM_VERSION ([^\n]*)" _ "${header}")
set(number "${CMAKE_MATCH_1}")
foreach(i RANGE 3)
  list(GET names ${i} name)
  list(GET parts ${i} part)
  string(REPLACE "SAFENUM_VERSION_${name}" "${part}" number "${number}")
endforeach()
math(EXPR number "${number}")
list(GET parts 0 major)
list(GET parts 1 minor)
list(GET parts 2 patch)
list(GET parts 3 tweak)
# Ordered as the version is: each part below 100 after the first.
math(EXPR expected "((${major} * 100 + ${minor}) * 100 + ${patch}) * 100 + ${tweak}")
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
  function(le32 hex out)  # 4-byte little-endian hex -> decimal
    string(REGEX REPLACE "(..)(..)(..)(..)" "0x\\4\\3\\2\\1" hex "${hex}")
    math(EXPR value "${hex}")
    set(${out} ${value} PARENT_SCOPE)
  endfunction()
  string(FIND "${data}" "bd04effe" at)
  if(at EQUAL -1)
    expect("fixed version information" "missing" "present")
  else()
    math(EXPR high "(${major} << 16) | ${minor}")
    math(EXPR low "(${patch} << 16) | ${tweak}")
    foreach(field "file version" "product version")
      math(EXPR at "${at} + 16")
      string(SUBSTRING "${data}" ${at} 8 ms)
      math(EXPR at8 "${at} + 8")
      string(SUBSTRING "${data}" ${at8} 8 ls)
      le32(${ms} ms)
      le32(${ls} ls)
      expect("resource ${field}" "${ms} ${ls}" "${high} ${low}")
    endforeach()
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
