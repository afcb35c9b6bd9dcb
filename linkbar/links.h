#pragma once

#include <string>

namespace parvelo {

// The link list the program ships with: lines of label "··" target, each ended by CR LF.
std::string shipped_link_list();

} // namespace parvelo
