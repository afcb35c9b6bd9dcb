#pragma once

#include "hypertext.h"

#include <QWidget>

#include <functional>

namespace parvelo {

// Shows a hypertext content styled by a style sheet, underlines the link under the
// pointer and hands a pressed link's target to `open_target`.
class HypertextView : public QWidget
{
public:
    enum class Border { None, ThinSunken };

    HypertextView(QWidget *parent, Border border, std::function<void(const QString &)> open_target);

    void set_style_sheet(const QString &sheet);
    void set_content(const QString &content);

    // The link whose drawn label holds `pos` (widget coordinates), or -1.
    int link_at(QPoint pos) const;
    int hovered_link() const { return hovered; }
    const HyperDocument &document() const { return doc; }

protected:
    void paintEvent(QPaintEvent *) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *) override;

private:
    // One run of the content where it is drawn.
    struct Box
    {
        QRect rect;
        int link;
        QString text;
    };

    void lay_out();
    void set_hovered(int link);
    int line_height() const;
    QPoint origin() const;

    Border border;
    std::function<void(const QString &)> open_target;
    HyperStyles styles;
    HyperDocument doc;
    QList<Box> boxes;
    int hovered = -1;
};

} // namespace parvelo
