#pragma once

#include <span>

namespace parvelo {

// The banner picture: a progressive JPEG of 440 x 75 pixels.
std::span<const unsigned char> banner_jpeg();

} // namespace parvelo
