#pragma once

#include <span>
#include <vector>

namespace parvelo {

struct RgbImage
{
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels; // rows of R, G, B bytes, top row first

    bool empty() const { return pixels.empty(); }
};

// Whole-image decode of an in-memory JPEG. Anything wrong with the data, a warning
// included, gives an empty image: the caller then shows nothing.
RgbImage decode_jpeg(std::span<const unsigned char> data);

} // namespace parvelo
