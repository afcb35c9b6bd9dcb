#pragma once

#include <string>
#include <string_view>

namespace parvelo {

// Windows only: the program's texts are UTF-8, the W calls take UTF-16. Invalid input
// becomes U+FFFD.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

} // namespace parvelo
