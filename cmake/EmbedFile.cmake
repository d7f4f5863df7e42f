# cmake -DINPUT=file -DOUTPUT=file.cpp -DSYMBOL=name [-DPAYLOAD=ON] -P EmbedFile.cmake
# Writes a C++ source holding INPUT's bytes as a constant array in namespace
# dorvane::embedded. With PAYLOAD, the array has the carried-payload layout:
# dimension count 1 and element count N (both 32-bit little-endian), then the bytes.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexLength)
math(EXPR size "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," body "${hex}")
# one line a 64 bytes keeps the generated file readable and the compiler quick
string(REGEX REPLACE "((0x..,){64})" "\\1\n" body "${body}")
set(prefix "")
set(total ${size})
if(PAYLOAD)
  math(EXPR b0 "${size} & 255")
  math(EXPR b1 "(${size} >> 8) & 255")
  math(EXPR b2 "(${size} >> 16) & 255")
  math(EXPR b3 "(${size} >> 24) & 255")
  set(prefix "1,0,0,0,${b0},${b1},${b2},${b3},\n")
  math(EXPR total "${size} + 8")
endif()
if(total EQUAL 0)
  set(prefix "0")  # a zero-length array is not C++; the size below stays 0
  set(total 1)
  set(size 0)
endif()
file(WRITE "${OUTPUT}.tmp" "// Generated from ${INPUT}; do not edit.\n#include <cstddef>\n#include <cstdint>\nnamespace dorvane::embedded {\nextern const std::uint8_t ${SYMBOL}[];\nextern const std::size_t ${SYMBOL}_size;\nalignas(8) const std::uint8_t ${SYMBOL}[${total}] = {\n${prefix}${body}\n};\nconst std::size_t ${SYMBOL}_size = ${size};\n}\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
