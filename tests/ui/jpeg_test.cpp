#include "jpeg_image.h"

#include <QFile>

#include <gtest/gtest.h>

#include <vector>

using namespace parvelo;

namespace {

std::vector<unsigned char> banner_bytes()
{
    QFile file(QStringLiteral(":/assets/banner.jpg"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    return {bytes.begin(), bytes.end()};
}

TEST(DecodeJpeg, TheBannerDecodes)
{
    const QImage image = decode_jpeg(banner_bytes());
    EXPECT_EQ(image.size(), QSize(440, 75));
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
        EXPECT_TRUE(decode_jpeg(c.data).isNull());
    }
}

} // namespace
