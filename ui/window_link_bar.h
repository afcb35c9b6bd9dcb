#pragma once

#include "link_bar.h"

namespace parvelo {

class MainWindow;

// The main window as the link bar sees it: 简单超文本框1 is the bar, the timers are 时钟1/2.
class WindowLinkBar final : public LinkBarHost
{
public:
    explicit WindowLinkBar(MainWindow &window)
        : window(window)
    {}

    int client_width() const override;
    int client_height() const override;
    BarRect window_outer() const override;
    std::string tag_text() const override;
    BarRect bar() const override;
    void set_bar_left(int left) override;
    void set_bar_top(int top) override;
    void set_bar_width(int width) override;
    void set_bar_content(std::string_view html) override;
    void set_timer_period(std::string_view timer, int milliseconds) override;
    ScreenPoint pointer() const override;

private:
    MainWindow &window;
};

} // namespace parvelo
