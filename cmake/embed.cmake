# Writes a file's bytes as a C++ array behind a function:
#   cmake -DINPUT=file -DOUTPUT=file.cpp -DNAME=function -P embed.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" length)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n    " bytes "${bytes}")
math(EXPR size "${length} / 2")
file(WRITE "${OUTPUT}.tmp" "// Made from ${INPUT} by the build; not edited by hand.
#include <span>

namespace parvelo {

namespace {
const unsigned char data[${size}] = {
    ${bytes}
};
} // namespace

std::span<const unsigned char> ${NAME}()
{
    return data;
}

} // namespace parvelo
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
