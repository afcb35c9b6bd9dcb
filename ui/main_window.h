#pragma once

#include "fields.h"
#include "layout.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

class QLineEdit;

namespace parvelo {

class HypertextView;
class IntervalTimer;
class Platform;

// The one window: its controls come from the layout table, its fields are what the
// estimate reads and writes. It starts hidden; start-up shows it.
class MainWindow : public QWidget, public Fields
{
public:
    explicit MainWindow(Platform &platform);

    std::string read(std::string_view name) const override;
    void write(std::string_view name, std::string_view text) override;

    QWidget *control(const QString &name) const { return controls.value(name); }
    IntervalTimer *timer(const QString &name) const { return timers.value(name); }
    HypertextView *hypertext(const QString &name) const;
    Platform &desktop() const { return platform; }

    // The link list that belongs to the window's definition.
    QString tag_text() const { return tag; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *build(const ControlSpec &row, QWidget *container);
    bool key_rule(QKeyEvent *event);
    void move_focus(bool forward);

    Platform &platform;
    QString tag;
    QHash<QString, QWidget *> controls;
    QHash<QString, IntervalTimer *> timers;
    QHash<QString, QLineEdit *> fields;
    QHash<QObject *, Kind> kinds;
};

// Top-left corner of a window of the outer size, centred on a screen of `screen` size.
QPoint centred_position(QSize screen);

} // namespace parvelo
