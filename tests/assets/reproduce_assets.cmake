# Runs the asset generator into an empty folder and checks that it remakes
# every committed picture byte for byte, and nothing else.
#   cmake -DTOOL=<make_assets> -DASSETS=<assets folder> -DWORK=<scratch folder> -P reproduce_assets.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND "${TOOL}" "${WORK}" RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "make_assets failed (${status}): ${errors}")
endif()

set(expected dorvane.ico contact_button.gif)
foreach(box RANGE 1 60)
  if(box LESS 10)
    set(box "0${box}")
  endif()
  list(APPEND expected thumbnails/box${box}.jpg)
endforeach()

file(GLOB_RECURSE made RELATIVE "${WORK}" "${WORK}/*")
list(SORT made)
set(sorted_expected ${expected})
list(SORT sorted_expected)
if(NOT made STREQUAL sorted_expected)
  message(FATAL_ERROR "make_assets wrote ${made}\nexpected ${sorted_expected}")
endif()

set(differing "")
foreach(name ${expected})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/${name}" "${ASSETS}/${name}"
                  RESULT_VARIABLE same)
  if(NOT same EQUAL 0)
    list(APPEND differing ${name})
  endif()
endforeach()
if(differing)
  message(FATAL_ERROR "these differ from the committed assets: ${differing}")
endif()
list(LENGTH expected count)
message(STATUS "all ${count} assets remade byte for byte")
