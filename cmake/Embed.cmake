# dorvane_embed(<target> <symbol> <file> [PAYLOAD] [DEPENDS <target-or-file>...])
# Adds a generated source holding <file>'s bytes (see EmbedFile.cmake) to <target>.
function(dorvane_embed target symbol file)
  cmake_parse_arguments(ARG "PAYLOAD" "" "DEPENDS" ${ARGN})
  set(out "${CMAKE_CURRENT_BINARY_DIR}/embedded/${symbol}.cpp")
  set(payload OFF)
  if(ARG_PAYLOAD)
    set(payload ON)
  endif()
  add_custom_command(
    OUTPUT "${out}"
    COMMAND ${CMAKE_COMMAND} -DINPUT=${file} -DOUTPUT=${out} -DSYMBOL=${symbol}
            -DPAYLOAD=${payload} -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
    DEPENDS "${file}" ${ARG_DEPENDS} ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
    COMMENT "Embedding ${symbol}"
    VERBATIM)
  target_sources(${target} PRIVATE "${out}")
endfunction()
