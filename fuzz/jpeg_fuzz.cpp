// decode_jpeg over any bytes, inside a libjpeg built with the same sanitizers: an image
// either decodes whole or not at all.
#include "check.h"
#include "jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    const parvelo::RgbImage image = parvelo::decode_jpeg({data, size});
    if (!image.empty())
        check(image.width > 0 && image.height > 0
                  && image.pixels.size()
                         == 3u * static_cast<std::size_t>(image.width) * image.height,
              "a whole image");
    else
        check(image.width == 0 && image.height == 0, "nothing of a failed image");
    return 0;
}
