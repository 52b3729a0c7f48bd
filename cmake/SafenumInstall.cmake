# SPDX-License-Identifier: BSL-1.0
# cmake --install: headers, library with its SONAME links, a CMake package
# (find_package(safenum CONFIG) giving safenum::safenum), safenum.pc, the
# license and the user documentation.
#
# Two components, which the binary packages follow: "runtime" is what a
# program needs to run (the shared library or DLL, the license), and
# "development" what it needs to be built (headers, the unversioned .so link,
# import or static library, CMake package, pkg-config file).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS safenum safenum_header_only
  EXPORT safenumTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT development
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime
)
install(FILES ${PROJECT_SOURCE_DIR}/include/safenum.h ${PROJECT_SOURCE_DIR}/include/safenum_io.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT development)
# The implementation, which the header-only build includes, the headers
# safenum.h always includes (safenum/stdlib.h) or offers (safenum/fmt.h, ...),
# and the version header that the build writes.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/safenum
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT development)
install(FILES ${SAFENUM_GENERATED_INCLUDE_DIR}/safenum/version.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/safenum COMPONENT development)

# The license and the documentation: beside the DLL's folders on Windows, as
# programs there ship them, in share/doc/safenum elsewhere.
if(WIN32)
  set(SAFENUM_INSTALL_DOCDIR .)
else()
  set(SAFENUM_INSTALL_DOCDIR ${CMAKE_INSTALL_DOCDIR})
endif()
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/README.md
  ${PROJECT_SOURCE_DIR}/CHANGELOG.md
  DESTINATION ${SAFENUM_INSTALL_DOCDIR} COMPONENT runtime)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/
  DESTINATION ${SAFENUM_INSTALL_DOCDIR}/docs COMPONENT development FILES_MATCHING PATTERN "*.md")

set(SAFENUM_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/safenum)
install(EXPORT safenumTargets
  NAMESPACE safenum::
  DESTINATION ${SAFENUM_CMAKE_DIR} COMPONENT development)

configure_package_config_file(
  ${PROJECT_SOURCE_DIR}/cmake/safenumConfig.cmake.in
  ${PROJECT_BINARY_DIR}/safenumConfig.cmake
  INSTALL_DESTINATION ${SAFENUM_CMAKE_DIR})
write_basic_package_version_file(
  ${PROJECT_BINARY_DIR}/safenumConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${PROJECT_BINARY_DIR}/safenumConfig.cmake
  ${PROJECT_BINARY_DIR}/safenumConfigVersion.cmake
  DESTINATION ${SAFENUM_CMAKE_DIR} COMPONENT development)

if(BUILD_SHARED_LIBS)
  set(SAFENUM_PC_CFLAGS "")
else()
  set(SAFENUM_PC_CFLAGS "-DSAFENUM_STATIC")
endif()
# The prefix is found from the .pc file's own place, so that the tree still
# works when installed with "cmake --install --prefix" elsewhere than the
# configured prefix, as the CMake package does.
if(IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}")
  set(SAFENUM_PC_PREFIX "${CMAKE_INSTALL_PREFIX}")
else()
  file(RELATIVE_PATH SAFENUM_PC_UP "/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/")
  string(REGEX REPLACE "/$" "" SAFENUM_PC_UP "${SAFENUM_PC_UP}")
  set(SAFENUM_PC_PREFIX "\${pcfiledir}/${SAFENUM_PC_UP}")
endif()
configure_file(${PROJECT_SOURCE_DIR}/cmake/safenum.pc.in
  ${PROJECT_BINARY_DIR}/safenum.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/safenum.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT development)
