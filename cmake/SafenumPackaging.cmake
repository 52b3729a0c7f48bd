# SPDX-License-Identifier: BSL-1.0
# Packages made with CPack from a top-level build:
#
#   cpack --config CPackSourceConfig.cmake   safenum-<version>.tar.gz, the source
#                                             tree without builds or version control
#   cpack -G DEB                              libsafenum1 (the shared library) and
#                                             libsafenum-dev (headers, CMake package,
#                                             pkg-config file), configured for the
#                                             prefix /usr
#   cpack -G ZIP (a Windows build)            safenum-<version>-windows-<arch>.zip:
#                                             DLL, import library, headers, docs
#
# The contents follow the install components "runtime" and "development"
# (SafenumInstall.cmake).
set(CPACK_PACKAGE_NAME safenum)
set(CPACK_PACKAGE_VENDOR "safenum developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION} for C++")
set(CPACK_PACKAGE_DESCRIPTION [[
safeint, safefloat and safedouble: a signed 32-bit integer and IEEE single
and double numbers whose construction and arithmetic saturate at a ceiling:
they never wrap, never trap and never divide by zero.]])
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(SAFENUM_PACKAGE_CONTACT "safenum developers" CACHE STRING
  "Maintainer named in the Debian packages")
set(CPACK_PACKAGE_CONTACT "${SAFENUM_PACKAGE_CONTACT}")

# The source archive: what FetchContent and add_subdirectory take. Build
# folders and version control stay out; the patterns are anchored at the
# source folder, so a source tree below a folder named build* still packs.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION})
# (Each backslash doubled: the patterns are read once more from the config file.)
string(REGEX REPLACE "([][+.*?()^$|\\\\])" "\\\\\\\\\\1" source "${PROJECT_SOURCE_DIR}")
set(CPACK_SOURCE_IGNORE_FILES "^${source}/\\\\.git(/|$)" "^${source}/build[^/]*/" "^${source}/out/"
  "\\\\.swp$" "~$")

if(WIN32)
  # One archive of the whole install: the DLL and its import library,
  # headers, CMake package, license and documentation.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(arch x64)
  else()
    set(arch x86)
  endif()
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-windows-${arch})
  set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEB_COMPONENT_INSTALL ON)
  set(CPACK_STRIP_FILES ON)
  set(CPACK_COMPONENTS_ALL runtime development)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
  set(CPACK_DEBIAN_PACKAGE_SECTION libs)
  # The runtime package is named for the SONAME, as Debian names libraries,
  # so that a later major version installs beside it; its dependencies
  # (libc6, libstdc++6, libgcc-s1) are read from the library by dpkg-shlibdeps.
  set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME lib${PROJECT_NAME}${PROJECT_VERSION_MAJOR})
  set(CPACK_DEBIAN_RUNTIME_PACKAGE_SHLIBDEPS ON)
  # A shlibs file, so that packages built against it depend on it, and the
  # ldconfig trigger.
  set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
  set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
  set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_STRICT_PERMISSION ON)
  set(CPACK_COMPONENT_RUNTIME_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}\n\nThe shared library, libsafenum.so.${PROJECT_VERSION_MAJOR}.")
  # The development package needs the very same build of the library.
  set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME lib${PROJECT_NAME}-dev)
  set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
  set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS
    "${CPACK_DEBIAN_RUNTIME_PACKAGE_NAME} (= ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})")
  set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION
    "${CPACK_PACKAGE_DESCRIPTION}\n\nHeaders, CMake package and pkg-config file.")
endif()

include(CPack)
