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
set(field_safeint int)
set(field_safefloat float)
set(field_safedouble double)
set(functions "")
foreach(line IN LISTS demangled)
  if(line MATCHES "^public: (.*)__thiscall (safe[a-z]+)::(.*)$")
    set(result "${CMAKE_MATCH_1}")
    set(class ${CMAKE_MATCH_2})
    set(member "${CMAKE_MATCH_3}")
    if(member MATCHES "^operator [a-z]")  # a conversion names its result once
      set(result "")
    endif()
    string(APPEND members_${class} "  ${result}${member};\n")
  elseif(line MATCHES "^(.*) __cdecl (.*)$")
    string(APPEND functions "__declspec(dllimport) ${CMAKE_MATCH_1} ${CMAKE_MATCH_2};\n")
  endif()
endforeach()

set(header "// Written by declared.cmake from the export list: not to be edited.\n")
string(APPEND header "#ifndef SAFENUM_TESTS_DECLARED_SAFENUM_H\n#define SAFENUM_TESTS_DECLARED_SAFENUM_H\n")
foreach(class IN LISTS classes)
  string(APPEND header "class ${class};\n")
endforeach()
foreach(class IN LISTS classes)
  if(NOT members_${class} MATCHES "${class}\\(class ${class} const &\\)")
    message(FATAL_ERROR "${LIST} lists no copy constructor of ${class}")
  endif()
  string(APPEND header "class __declspec(dllimport) ${class} {\n public:\n${members_${class}}"
    " private:\n  ${field_${class}} value_;\n};\n")
endforeach()
string(APPEND header "${functions}#endif\n")
file(WRITE "${OUTPUT}" "${header}")
