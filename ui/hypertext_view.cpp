#include "hypertext_view.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace parvelo {

HypertextView::HypertextView(QWidget *parent, Border border,
                             std::function<void(const QString &)> open_target)
    : QWidget(parent)
    , border(border)
    , open_target(std::move(open_target))
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent); // every pixel is painted: nothing to erase first
}

void HypertextView::set_style_sheet(const QString &sheet)
{
    styles = read_style_sheet(sheet);
    lay_out();
}

void HypertextView::set_content(const QString &content)
{
    doc = parse_hypertext(content);
    hovered = -1;
    lay_out();
}

int HypertextView::line_height() const
{
    // Normal line height of a browser: about 1.2 of the font size.
    return static_cast<int>(std::ceil(styles.body.font.pixelSize() * 1.25));
}

QPoint HypertextView::origin() const
{
    const int edge = border == Border::ThinSunken ? 1 : 0;
    return {edge + 1, edge + 1};
}

void HypertextView::lay_out()
{
    boxes.clear();
    const QFontMetrics metrics(styles.body.font);
    const QPoint start = origin();
    int y = start.y();
    for (const QList<HyperRun> &line : doc.lines) {
        int x = start.x();
        for (const HyperRun &run : line) {
            const int width = metrics.horizontalAdvance(run.text);
            boxes.append({QRect(x, y, width, line_height()), run.link, run.text});
            x += width;
        }
        y += line_height();
    }
    update();
}

int HypertextView::link_at(QPoint pos) const
{
    for (const Box &box : boxes)
        if (box.link >= 0 && box.rect.contains(pos))
            return box.link;
    return -1;
}

void HypertextView::set_hovered(int link)
{
    const bool hand = link >= 0 && !doc.targets[link].isEmpty();
    setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (link == hovered)
        return;
    hovered = link;
    update();
}

void HypertextView::mouseMoveEvent(QMouseEvent *event)
{
    set_hovered(link_at(event->position().toPoint()));
}

void HypertextView::leaveEvent(QEvent *)
{
    set_hovered(-1);
}

void HypertextView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int link = link_at(event->position().toPoint());
    if (link >= 0 && !doc.targets[link].isEmpty() && open_target)
        open_target(doc.targets[link]);
}

void HypertextView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (border == Border::ThinSunken) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(0, 0, width() - 1, 0);
        painter.drawLine(0, 0, 0, height() - 1);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(1, height() - 1, width() - 1, height() - 1);
        painter.drawLine(width() - 1, 1, width() - 1, height() - 1);
        painter.setClipRect(rect().adjusted(1, 1, -1, -1));
    }
    const QFontMetrics metrics(styles.body.font);
    const int baseline = (line_height() - metrics.height()) / 2 + metrics.ascent();
    for (const Box &box : boxes) {
        const TextStyle &style = box.link < 0          ? styles.body
                                 : box.link == hovered ? styles.hover
                                                       : styles.link;
        QFont font = style.font;
        font.setUnderline(style.underline);
        painter.setFont(font);
        painter.setPen(style.colour);
        painter.drawText(QPoint(box.rect.left(), box.rect.top() + baseline), box.text);
    }
}

} // namespace parvelo
