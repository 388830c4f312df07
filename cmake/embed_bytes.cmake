# cmake -DINPUT=file -DOUTPUT=file.cpp -P embed_bytes.cmake
# Writes tavmoor::layouts::programIcon() returning INPUT's bytes.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT} "// Generated from the program icon; do not edit.
#include \"layouts/layouts.h\"

namespace tavmoor::layouts {
namespace {
constexpr std::uint8_t kIcon[${size}] = {
${bytes}
};
} // namespace

std::span<const std::uint8_t> programIcon() { return kIcon; }

} // namespace tavmoor::layouts
")
