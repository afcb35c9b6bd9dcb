#pragma once

#include "hypertext.h"

#include <QFont>
#include <QPixmap>
#include <QWidget>

namespace parvelo {

class Platform;

// Measures in the Qt fonts that the styles name.
class QtTextMeasure final : public TextMeasure
{
public:
    int width(std::string_view text, const TextStyle &style) const override;
    int ascent(const TextStyle &style) const override;
    int height(const TextStyle &style) const override;
};

// Draws a hypertext model and feeds it the pointer; the model decides the rest.
class HypertextView : public QWidget
{
public:
    // `moving`: the view is moved often (the link bar), so its content is drawn once and
    // kept as a picture; a view that stays where it is draws straight to the screen.
    HypertextView(QWidget *parent, bool bordered, Platform &platform, bool moving = false);

    void set_style_sheet(const std::string &sheet) { model.set_style_sheet(sheet), changed(); }
    void set_content(std::string_view content) { model.set_content(content), changed(); }

    // The link whose drawn label holds `pos` (widget coordinates), or -1.
    int link_at(QPoint pos) const { return model.link_at(pos.x(), pos.y()); }
    int hovered_link() const { return model.hovered_link(); }
    const HyperDocument &document() const { return model.document(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *) override;

private:
    void changed();
    void render(QPainter &painter);

    QtTextMeasure measure;
    HypertextModel model;
    Platform &platform;
    // The whole view, drawn once and copied as often as it is exposed: a moving link bar
    // only brings its picture along.
    bool moving;
    QPixmap picture;
    bool stale = true;
};

} // namespace parvelo
