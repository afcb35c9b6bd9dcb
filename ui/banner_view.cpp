#include "banner_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace parvelo {

BannerView::BannerView(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
}

void BannerView::set_picture(const QImage &picture)
{
    image = picture;
    update();
}

void BannerView::paintEvent(QPaintEvent *)
{
    if (!image.isNull())
        QPainter(this).drawImage(0, 0, image);
}

void BannerView::mousePressEvent(QMouseEvent *event)
{
    // The second press of a double click is not a press of its own.
    if (event->button() == Qt::LeftButton && !(event->flags() & Qt::MouseEventCreatedDoubleClick))
        emit left_pressed(event->position().toPoint(), key_state(event->modifiers()));
}

int key_state(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ControlModifier ? 1 : 0) | (modifiers & Qt::ShiftModifier ? 2 : 0)
           | (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace parvelo
