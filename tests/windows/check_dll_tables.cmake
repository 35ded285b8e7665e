# Checks invoiceview.dll's tables with objdump -p: ShowForm is the only export, by its plain
# name, and every imported DLL is part of Windows.
# cmake -DOBJDUMP=... -DDLL=... -P check_dll_tables.cmake
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "objdump -p ${DLL} failed")
endif()

# Export names are listed as "[   0] Name" under "[Ordinal/Name Pointer] Table".
string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n(([ \t]+\\[ *[0-9]+\\] [^\n]+\n)*)" table "${dump}")
string(REGEX MATCHALL "\\] [^\n]+" exports "${CMAKE_MATCH_1}")
list(TRANSFORM exports REPLACE "^\\] " "")
if(NOT exports STREQUAL "ShowForm")
  message(FATAL_ERROR "exports are [${exports}], not ShowForm alone")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
list(TRANSFORM imports REPLACE "^DLL Name: " "")
list(TRANSFORM imports TOLOWER)
set(system_dlls kernel32.dll user32.dll gdi32.dll msvcrt.dll advapi32.dll ole32.dll shell32.dll
    comctl32.dll ws2_32.dll imm32.dll winmm.dll)
if(NOT imports)
  message(FATAL_ERROR "no import table found")
endif()
foreach(dll ${imports})
  if(NOT dll IN_LIST system_dlls)
    message(FATAL_ERROR "imports ${dll}, which is not a system DLL")
  endif()
endforeach()
message(STATUS "exports: ${exports}; imports: ${imports}")
