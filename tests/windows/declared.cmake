# SPDX-License-Identifier: BSL-1.0
# Writes safenum.dll's interface as a program built with Microsoft's compiler
# against the interface as listed (not against safenum.h) declares it: whole
# classes imported, and every exported member declared, the copy constructor,
# copy assignment and destructor of each class among them, so that such a
# program imports and calls them. The declarations are the checked export
# list, demangled; the stored field gives each class its size. The header is
# named safenum.h so that the shared test code, which includes "safenum.h",
# takes it in that build (its directory comes first on the include path).
#   cmake -DLIST=<exports-msvc.txt> -DUNDNAME=<llvm-undname> -DOUTPUT=<dir>/safenum.h
#         -P declared.cmake
cmake_minimum_required(VERSION 3.20)

execute_process(COMMAND "${UNDNAME}" INPUT_FILE "${LIST}" OUTPUT_VARIABLE demangled
  COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" ";" demangled "${demangled}")
set(classes safeint safefloat safedouble)
set(fields int float double)
foreach(line IN LISTS demangled)
  # A conversion names its result once, as the operator's name.
  string(REGEX REPLACE "^(public: )[^_]+(__thiscall safe[a-z]+::operator [a-z])" "\\1\\2" line "${line}")
  if(line MATCHES "^public: (.*)__thiscall (safe[a-z]+)::(.*)$")
    string(APPEND members_${CMAKE_MATCH_2} "  ${CMAKE_MATCH_1}${CMAKE_MATCH_3};\n")
  elseif(line MATCHES "^(.*) __cdecl (.*)$")
    string(APPEND functions "__declspec(dllimport) ${CMAKE_MATCH_1} ${CMAKE_MATCH_2};\n")
  endif()
endforeach()
set(header "#pragma once\nclass safeint;\nclass safefloat;\nclass safedouble;\n")
foreach(class field IN ZIP_LISTS classes fields)
  string(APPEND header "class __declspec(dllimport) ${class} {\n public:\n${members_${class}}"
    " private:\n  ${field} value_;\n};\n")
endforeach()
file(WRITE "${OUTPUT}" "${header}${functions}")
