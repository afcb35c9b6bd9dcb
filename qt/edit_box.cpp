#include "edit_box.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace parvelo {

namespace {

// QLineEdit's own margin between its contents rectangle and the text.
constexpr int horizontal_margin = 2;

bool is_word(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'.';
}

} // namespace

EditBox::EditBox(QWidget *parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::cursorPositionChanged, this, [this] {
        if (is_long())
            restart_blink();
    });
}

QRect EditBox::clip_rect() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
        .marginsRemoved(textMargins());
}

QRect EditBox::text_rect() const
{
    // Where QLineEdit puts its line: inside the margin, centred as a whole line.
    const QRect clip = clip_rect();
    const int height = fontMetrics().height();
    return {clip.x() + horizontal_margin, clip.y() + (clip.height() - height + 1) / 2,
            clip.width() - 2 * horizontal_margin, height};
}

void EditBox::follow_caret()
{
    // QLineEdit's rule in pixels from the start of its text, here from `base`, so that
    // no width is ever measured over more than a box's worth of characters.
    const QString &all = text();
    const qsizetype caret = cursorPosition();
    const QFontMetrics metrics(font());
    const int room = text_rect().width();
    const auto advance = [&](qsizetype i) { return metrics.horizontalAdvance(all[i]); };
    if (caret < base) {
        base = caret; // the caret left the view to the left: it is the first again
        scroll = 0;
        return;
    }
    // From `base` to the caret, or give up once it is further than the box could show.
    int x = 0;
    qsizetype i = base;
    for (; i < caret && x < scroll + 2 * room; ++i)
        x += advance(i);
    if (i < caret) {
        // Far to the right: start again just left of the caret.
        base = caret;
        x = 0;
        while (base > 0 && x < room)
            x += advance(--base);
        scroll = 0;
    }
    if (x - scroll >= room)
        scroll = x - room + 1;
    else if (x - scroll < 0)
        scroll = x;
    // Keep `base` at the first character in view.
    while (base < caret && scroll >= advance(base)) {
        scroll -= advance(base);
        ++base;
    }
}

int EditBox::position_at(int x) const
{
    const QString &all = text();
    const QFontMetrics metrics(font());
    int left = text_rect().left() - scroll;
    qsizetype i = base;
    for (; i < all.size() && left < width(); ++i) {
        const int advance = metrics.horizontalAdvance(all[i]);
        if (x < left + advance / 2)
            break;
        left += advance;
    }
    return static_cast<int>(i);
}

void EditBox::paintEvent(QPaintEvent *event)
{
    if (!is_long()) {
        QLineEdit::paintEvent(event);
        return;
    }
    follow_caret();
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);

    const QRect area = text_rect();
    painter.setClipRect(clip_rect());
    const QFontMetrics metrics(font());
    const int baseline = area.top() + metrics.ascent();
    // A stretch as long as the box could show of its narrowest characters, and some more.
    // From one character before the first in view, whose ink may reach into the box.
    const qsizetype from_char = std::max<qsizetype>(0, base - 1);
    const qsizetype count = area.width() / std::max(1, metrics.averageCharWidth() / 2) + 3;
    const QString shown = text().mid(from_char, count);
    const int left = area.left() - scroll
                     - (from_char < base ? metrics.horizontalAdvance(text()[from_char]) : 0);
    const QPalette &colours = palette();
    painter.setPen(colours.color(QPalette::Text));
    painter.drawText(left, baseline, shown);

    if (hasFocus() && hasSelectedText()) {
        const qsizetype start = selectionStart(), end = start + selectionLength();
        const qsizetype from = std::max(start, from_char) - from_char;
        const qsizetype to = std::min(end, from_char + count) - from_char;
        if (from < to) {
            const int x = left + metrics.horizontalAdvance(shown.left(from));
            const QString part = shown.mid(from, to - from);
            const QRect band(x, area.top(), metrics.horizontalAdvance(part), area.height());
            painter.fillRect(band, colours.brush(QPalette::Highlight));
            painter.setPen(colours.color(QPalette::HighlightedText));
            painter.drawText(x, baseline, part);
        }
    }
    if (hasFocus() && caret_shown) {
        const int x = left + metrics.horizontalAdvance(shown.left(cursorPosition() - from_char));
        painter.fillRect(QRect(x, area.top(), 1, area.height()), colours.color(QPalette::Text));
    }
}

void EditBox::mousePressEvent(QMouseEvent *event)
{
    if (!is_long() || event->button() != Qt::LeftButton) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    const int at = position_at(event->position().toPoint().x());
    if (event->modifiers() & Qt::ShiftModifier) {
        setSelection(static_cast<int>(anchor), at - static_cast<int>(anchor));
    } else {
        anchor = at;
        setCursorPosition(at);
    }
}

void EditBox::mouseMoveEvent(QMouseEvent *event)
{
    if (!is_long() || !(event->buttons() & Qt::LeftButton)) {
        QLineEdit::mouseMoveEvent(event);
        return;
    }
    const int at = position_at(event->position().toPoint().x());
    setSelection(static_cast<int>(anchor), at - static_cast<int>(anchor));
}

void EditBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (!is_long() || event->button() != Qt::LeftButton) {
        QLineEdit::mouseDoubleClickEvent(event);
        return;
    }
    const QString &all = text();
    qsizetype start = position_at(event->position().toPoint().x());
    qsizetype end = start;
    while (start > 0 && is_word(all[start - 1]))
        --start;
    while (end < all.size() && is_word(all[end]))
        ++end;
    anchor = start;
    setSelection(static_cast<int>(start), static_cast<int>(end - start));
}

void EditBox::restart_blink()
{
    caret_shown = true;
    if (hasFocus() && QApplication::cursorFlashTime() > 0)
        blink.start(QApplication::cursorFlashTime() / 2, this);
    update();
}

void EditBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    restart_blink();
}

void EditBox::focusOutEvent(QFocusEvent *event)
{
    blink.stop();
    QLineEdit::focusOutEvent(event);
}

void EditBox::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != blink.timerId()) {
        QLineEdit::timerEvent(event);
        return;
    }
    if (!is_long()) {
        blink.stop();
        return;
    }
    caret_shown = !caret_shown;
    update(clip_rect());
}

} // namespace parvelo
