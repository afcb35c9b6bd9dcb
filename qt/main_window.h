#pragma once

#include "layout.h"
#include "window_host.h"

#include <QHash>
#include <QWidget>

#include <functional>

class QLineEdit;
class QWindow;

namespace parvelo {

class HypertextView;
class IntervalTimer;

// Asks the window system to move `window` as if its title bar had been pressed.
using WindowMove = std::function<void(QWindow *window)>;
void system_window_move(QWindow *window);

// The one window: its controls come from the layout table, and every rule it follows is
// the core's. It starts hidden; start-up shows it.
class MainWindow : public QWidget, public WindowHost
{
public:
    explicit MainWindow(Platform &platform, WindowMove move = system_window_move);

    QWidget *control(const QString &name) const { return controls.value(name); }
    IntervalTimer *timer(const QString &name) const { return timers.value(name); }
    HypertextView *hypertext(std::string_view name) const;

    // Fields
    std::string read(std::string_view name) const override;
    void write(std::string_view name, std::string_view text) override;

    // LinkBarHost
    int client_width() const override { return width(); }
    int client_height() const override { return height(); }
    BarRect window_outer() const override;
    std::string tag_text() const override { return tag; }
    BarRect bar() const override;
    void set_bar_left(int left) override;
    void set_bar_top(int top) override;
    void set_bar_width(int width) override;
    void set_bar_content(std::string_view html) override;
    void set_timer_period(std::string_view timer, int milliseconds) override;
    ScreenPoint pointer() const override;

    // WindowHost
    Platform &platform() const override { return desktop; }
    void close_window() override { close(); }
    void start_window_move() override { move_window(windowHandle()); }
    std::string focused_control() const override;
    bool can_take_focus(std::string_view control) const override;
    void focus_control(std::string_view control) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *build(const ControlSpec &row, QWidget *container);
    QWidget *find(std::string_view name) const;

    Platform &desktop;
    WindowMove move_window;
    HypertextView *link_bar = nullptr; // moved at every scroll tick
    std::string tag;
    QHash<QString, QWidget *> controls;
    QHash<QString, IntervalTimer *> timers;
    QHash<QString, QLineEdit *> fields;
};

} // namespace parvelo
