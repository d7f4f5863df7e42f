cmake_minimum_required(VERSION 3.25)
# cmake -DOBJDUMP=... -DFILE=SkinH_EL.dll -P CheckExports.cmake
# The carried library as the program finds it, without running it: exactly
# 88,576 bytes, its export table naming it SkinH_EL.dll, and the two exports
# under their plain names (a stdcall name left decorated, SkinH_AttachEx@8,
# is not found by GetProcAddress("SkinH_AttachEx")).
file(SIZE ${FILE} size)
if(NOT size EQUAL 88576)
  message(FATAL_ERROR "${FILE} is ${size} bytes, not 88576")
endif()
execute_process(COMMAND ${OBJDUMP} -p ${FILE} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${OBJDUMP} cannot read ${FILE}")
endif()
if(NOT dump MATCHES "\nName[ \t]+[0-9a-f]+ SkinH_EL\\.dll\n")
  message(FATAL_ERROR "the export table does not name the library SkinH_EL.dll")
endif()
string(REGEX MATCHALL "\n\t\\[ *[0-9]+\\] [^\n]+" names "${dump}")
set(exported "")
foreach(line IN LISTS names)
  string(REGEX REPLACE "^\n\t\\[ *[0-9]+\\] " "" name "${line}")
  if(NOT name MATCHES "Export RVA")
    list(APPEND exported "${name}")
  endif()
endforeach()
if(NOT exported STREQUAL "SkinH_AttachEx;SkinH_Detach")
  message(FATAL_ERROR "exports are '${exported}', not SkinH_AttachEx;SkinH_Detach")
endif()
message(STATUS "${FILE}: ${size} bytes, named SkinH_EL.dll, exports ${exported}")
