#include "banner_view.h"

#include "jpeg.h"

#include <QPainter>

#include <cstring>

namespace parvelo {

BannerView::BannerView(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
}

void BannerView::set_picture(const RgbImage &picture)
{
    image = {};
    if (!picture.empty()) {
        image = QImage(picture.width, picture.height, QImage::Format_RGB888);
        const std::size_t row = 3UL * static_cast<std::size_t>(picture.width);
        for (int y = 0; y < picture.height; ++y)
            std::memcpy(image.scanLine(y), picture.pixels.data() + row * y, row);
    }
    update();
}

void BannerView::paintEvent(QPaintEvent *)
{
    if (!image.isNull())
        QPainter(this).drawImage(0, 0, image);
}

} // namespace parvelo
