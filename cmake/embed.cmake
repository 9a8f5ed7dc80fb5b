# Run as a script: turns the file INPUT into a C++ source OUTPUT defining the
# byte array NAME (namespace qinglan::resources) and its size.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}" "// Generated from ${INPUT}; do not edit.\n#include <cstddef>\n#include <cstdint>\nnamespace qinglan::resources {\nextern const std::uint8_t ${NAME}[] = {\n${bytes}\n};\nextern const std::size_t ${NAME}_size = ${size};\n}\n")
