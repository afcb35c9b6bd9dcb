#pragma once

#include <QImage>

#include <span>

namespace parvelo {

// Whole-image decode of an in-memory JPEG. Anything wrong with the data, a warning
// included, gives a null image: the caller then shows nothing.
QImage decode_jpeg(std::span<const unsigned char> data);

} // namespace parvelo
