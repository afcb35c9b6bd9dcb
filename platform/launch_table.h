#pragma once

#include <span>
#include <string_view>

namespace parvelo {

// Fixed command lines this program starts, and the programs that serve them on a
// desktop that has no such path; the first one installed wins.
std::span<const std::string_view> programs_for_command_line(std::string_view command_line);

// Programs that open an address, the desktop's own opener first, then web browsers.
std::span<const std::string_view> address_openers();

} // namespace parvelo
