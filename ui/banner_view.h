#pragma once

#include <QImage>
#include <QWidget>

namespace parvelo {

// The banner picture box: the picture at its own size from the top-left corner, the
// face colour around it. A left press is reported once, also for a double click.
class BannerView : public QWidget
{
    Q_OBJECT

public:
    explicit BannerView(QWidget *parent);
    void set_picture(const QImage &image);
    const QImage &picture() const { return image; }

signals:
    void left_pressed(QPoint position, int keys);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *) override {} // a double click opens once

private:
    QImage image;
};

// Key state of a press: 1 Ctrl, 2 Shift, 4 Alt.
int key_state(Qt::KeyboardModifiers modifiers);

} // namespace parvelo
