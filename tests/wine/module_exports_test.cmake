# The export table of the built module, read from the file: exactly the IME entry points
# that Windows' IME loader requires of a module it loads, and the two window procedures,
# under their undecorated names, in a module of the build's architecture.
#   cmake -DOBJDUMP=<objdump> -DMODULE=<lumatori.ime> -DFORMAT=<pei-i386|pei-x86-64> -P ...
set(expected
  ImeConfigure ImeConversionList ImeDestroy ImeEnumRegisterWord ImeEscape
  ImeGetRegisterWordStyle ImeInquire ImeProcessKey ImeRegisterWord ImeSelect
  ImeSetActiveContext ImeSetCompositionString ImeToAsciiEx ImeUnregisterWord NotifyIME
  StatusWndProc UIWndProc)

execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C ${OBJDUMP} -p ${MODULE}
                OUTPUT_VARIABLE dump RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} could not read ${MODULE}")
endif()
if(NOT dump MATCHES "file format ${FORMAT}\n")
  message(FATAL_ERROR "${MODULE} is not of the format ${FORMAT}")
endif()

string(FIND "${dump}" "[Ordinal/Name Pointer] Table" start)
if(start EQUAL -1)
  message(FATAL_ERROR "${MODULE} has no export name table")
endif()
string(SUBSTRING "${dump}" ${start} -1 table)
string(FIND "${table}" "\n\n" end)
string(SUBSTRING "${table}" 0 ${end} table)
# Lines "[   n] Name".
string(REGEX MATCHALL "\\[ *[0-9]+\\] [^\n]+" entries "${table}")
set(exported)
foreach(entry ${entries})
  string(REGEX REPLACE "^\\[ *[0-9]+\\] " "" name "${entry}")
  list(APPEND exported ${name})
endforeach()

list(SORT exported)
list(SORT expected)
if(NOT exported STREQUAL expected)
  message(FATAL_ERROR "exports of ${MODULE}:\n  ${exported}\nexpected:\n  ${expected}")
endif()
message(STATUS "${MODULE}: ${exported}")
