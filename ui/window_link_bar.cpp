#include "window_link_bar.h"

#include "hypertext_view.h"
#include "interval_timer.h"
#include "main_window.h"
#include "platform.h"

using namespace Qt::StringLiterals;

namespace parvelo {

namespace {

QWidget &bar_view(const MainWindow &window)
{
    return *window.control(u"简单超文本框1"_s);
}

} // namespace

int WindowLinkBar::client_width() const
{
    return window.width();
}

int WindowLinkBar::client_height() const
{
    return window.height();
}

BarRect WindowLinkBar::window_outer() const
{
    const QRect frame = window.frameGeometry();
    return {frame.left(), frame.top(), frame.width(), frame.height()};
}

std::string WindowLinkBar::tag_text() const
{
    return window.tag_text().toStdString();
}

BarRect WindowLinkBar::bar() const
{
    const QRect r = bar_view(window).geometry();
    return {r.left(), r.top(), r.width(), r.height()};
}

void WindowLinkBar::set_bar_left(int left)
{
    QWidget &view = bar_view(window);
    view.move(left, view.y());
}

void WindowLinkBar::set_bar_top(int top)
{
    QWidget &view = bar_view(window);
    view.move(view.x(), top);
}

void WindowLinkBar::set_bar_width(int width)
{
    QWidget &view = bar_view(window);
    view.resize(width, view.height());
}

void WindowLinkBar::set_bar_content(std::string_view html)
{
    window.hypertext(u"简单超文本框1"_s)
        ->set_content(QString::fromUtf8(html.data(), qsizetype(html.size())));
}

void WindowLinkBar::set_timer_period(std::string_view timer, int milliseconds)
{
    if (IntervalTimer *t = window.timer(QString::fromUtf8(timer.data(), qsizetype(timer.size()))))
        t->set_period(milliseconds);
}

ScreenPoint WindowLinkBar::pointer() const
{
    const QPoint p = window.desktop().cursor_position();
    return {p.x(), p.y()};
}

} // namespace parvelo
