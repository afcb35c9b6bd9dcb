#include "hypertext_view.h"

#include "fonts.h"

#include <QMouseEvent>
#include <QPainter>

namespace parvelo {

namespace {

QString text_of(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace

int QtTextMeasure::width(std::string_view text, const TextStyle &style) const
{
    return QFontMetrics(font_of(style)).horizontalAdvance(text_of(text));
}

int QtTextMeasure::ascent(const TextStyle &style) const
{
    return QFontMetrics(font_of(style)).ascent();
}

int QtTextMeasure::height(const TextStyle &style) const
{
    return QFontMetrics(font_of(style)).height();
}

HypertextView::HypertextView(QWidget *parent, bool bordered, Platform &platform, bool moving)
    : QWidget(parent)
    , model(measure, bordered)
    , platform(platform)
    , moving(moving)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent); // every pixel is painted: nothing to erase first
}

void HypertextView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    if (model.pointer_moved(p.x(), p.y()))
        changed();
    setCursor(model.hand_at(p.x(), p.y()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void HypertextView::leaveEvent(QEvent *)
{
    if (model.pointer_left())
        changed();
    setCursor(Qt::ArrowCursor);
}

void HypertextView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        press_link(model, platform, event->position().toPoint().x(),
                   event->position().toPoint().y());
}

void HypertextView::changed()
{
    stale = true;
    update();
}

void HypertextView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        changed();
    QWidget::changeEvent(event);
}

void HypertextView::render(QPainter &painter)
{
    painter.fillRect(rect(), palette().window());
    if (model.bordered()) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(0, 0, width() - 1, 0);
        painter.drawLine(0, 0, 0, height() - 1);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(1, height() - 1, width() - 1, height() - 1);
        painter.drawLine(width() - 1, 1, width() - 1, height() - 1);
        painter.setClipRect(rect().adjusted(1, 1, -1, -1));
    }
    for (const HyperBox &box : model.boxes()) {
        const TextStyle &style = model.style_of(box);
        painter.setFont(font_of(style));
        painter.setPen(QColor::fromRgb(style.colour));
        painter.drawText(QPoint(box.left, box.baseline), text_of(box.text));
    }
}

void HypertextView::paintEvent(QPaintEvent *event)
{
    if (!moving) {
        QPainter painter(this);
        render(painter);
        return;
    }
    if (stale || picture.deviceIndependentSize().toSize() != size()) {
        const qreal ratio = devicePixelRatioF();
        picture = QPixmap(size() * ratio);
        picture.setDevicePixelRatio(ratio);
        QPainter painter(&picture);
        render(painter);
        stale = false;
    }
    const QRect exposed = event->rect();
    QPainter(this).drawPixmap(exposed, picture,
                              QRectF(exposed.topLeft() * picture.devicePixelRatio(),
                                     exposed.size() * picture.devicePixelRatio()));
}

} // namespace parvelo
