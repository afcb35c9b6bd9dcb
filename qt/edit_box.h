#pragma once

#include <QBasicTimer>
#include <QLineEdit>

namespace parvelo {

// An edit box that stays responsive with a text of any length. QLineEdit lays out and
// draws its whole text on every paint, which for a pasted megabyte stalls the window at
// each blink of the caret; beyond a few thousand characters this box draws, and maps the
// pointer onto, only the stretch of text that can be seen. Editing stays QLineEdit's.
class EditBox : public QLineEdit
{
public:
    explicit EditBox(QWidget *parent);

    // From this length on, only the visible stretch is drawn.
    static constexpr qsizetype long_text = 4096;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    bool is_long() const { return text().size() >= long_text; }
    QRect clip_rect() const;
    QRect text_rect() const;
    // Scrolls as QLineEdit does to keep the caret in view, counted from `base`.
    void follow_caret();
    int position_at(int x) const;
    void restart_blink();

    // A long text is shown from character `base` on, moved left by `scroll` pixels.
    qsizetype base = 0;
    int scroll = 0;
    qsizetype anchor = 0;
    bool caret_shown = true;
    QBasicTimer blink;
};

} // namespace parvelo
