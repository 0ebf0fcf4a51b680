# Writes a C++ source that holds one binary file as a byte array, so the program needs no files at
# run time. Run as: cmake -DINPUT=file -DOUTPUT=file.cpp -DSYMBOL=name -P embed_file.cmake
foreach(var INPUT OUTPUT SYMBOL)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "embed_file.cmake needs -D${var}=...")
  endif()
endforeach()

file(READ "${INPUT}" hex HEX)
file(SIZE "${INPUT}" size)
# Sixteen bytes a line, each as 0xNN.
string(REPEAT "[0-9a-f]" 32 line_of_hex)
string(REGEX REPLACE "(${line_of_hex})" "\\1\n" hex "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
get_filename_component(name "${INPUT}" NAME)

file(WRITE "${OUTPUT}.tmp"
"// Generated at build time from ${name}; do not edit.
#include <cstddef>
#include <cstdint>

extern const std::uint8_t ${SYMBOL}[];
extern const std::size_t ${SYMBOL}_size;
const std::uint8_t ${SYMBOL}[] = {
${bytes}
};
const std::size_t ${SYMBOL}_size = ${size};
")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
