#include "assets.h"
#include "jpeg.h"

#include <gtest/gtest.h>

#include <vector>

using namespace parvelo;

namespace {

std::vector<unsigned char> banner_bytes()
{
    const auto bytes = banner_jpeg();
    return {bytes.begin(), bytes.end()};
}

TEST(DecodeJpeg, TheBannerDecodes)
{
    const RgbImage image = decode_jpeg(banner_jpeg());
    EXPECT_EQ(image.width, 440);
    EXPECT_EQ(image.height, 75);
    ASSERT_EQ(image.pixels.size(), 440u * 75u * 3u);
    // Dark LED dots behind the lettering: the top-left pixel is near black.
    EXPECT_LT(image.pixels[0] + image.pixels[1] + image.pixels[2], 3 * 64);
}

TEST(DecodeJpeg, BadDataFailsCleanly)
{
    const std::vector<unsigned char> banner = banner_bytes();
    std::vector<unsigned char> huge = banner;
    // Claim 60000 x 60000 in the frame header: over the pixel cap.
    for (std::size_t i = 0; i + 8 < huge.size(); ++i)
        if (huge[i] == 0xFF && (huge[i + 1] == 0xC2 || huge[i + 1] == 0xC0)) {
            huge[i + 5] = 0xEA, huge[i + 6] = 0x60, huge[i + 7] = 0xEA, huge[i + 8] = 0x60;
            break;
        }
    std::vector<unsigned char> corrupt = banner;
    for (std::size_t i = banner.size() / 2; i < banner.size() / 2 + 64; ++i)
        corrupt[i] = 0xFF;

    struct Case
    {
        const char *what;
        std::vector<unsigned char> data;
    };
    const Case cases[] = {
        {"empty", {}},
        {"not a JPEG", {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0}},
        {"header only", {banner.begin(), banner.begin() + 2}},
        {"truncated", {banner.begin(), banner.begin() + static_cast<long>(banner.size() / 2)}},
        {"over large", huge},
        {"corrupt scan data", corrupt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const RgbImage image = decode_jpeg(c.data);
        EXPECT_TRUE(image.empty());
        EXPECT_EQ(image.width, 0);
    }
}

} // namespace
