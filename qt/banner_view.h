#pragma once

#include <QImage>
#include <QWidget>

namespace parvelo {

struct RgbImage;

// The banner picture box: the picture at its own size from the top-left corner, the
// face colour around it. Its press is the window's business.
class BannerView : public QWidget
{
public:
    explicit BannerView(QWidget *parent);
    void set_picture(const RgbImage &picture);
    const QImage &picture() const { return image; }

protected:
    void paintEvent(QPaintEvent *) override;
    // The press is the picture's own: it must not reach the window behind it.
    void mousePressEvent(QMouseEvent *) override {}

private:
    QImage image;
};

} // namespace parvelo
