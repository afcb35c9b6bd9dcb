#pragma once

#include "layout.h"
#include "recording_platform.h"
#include "window_host.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace parvelo::fakes {

// A window that keeps what the core sets and records what it asks for.
class FakeWindow final : public WindowHost
{
public:
    std::string read(std::string_view name) const override
    {
        const auto it = texts.find(name);
        return it == texts.end() ? std::string() : it->second;
    }
    void write(std::string_view name, std::string_view text) override
    {
        texts.insert_or_assign(std::string(name), std::string(text));
        written.emplace_back(name);
    }

    int client_width() const override { return 910; }
    int client_height() const override { return 466; }
    BarRect window_outer() const override { return outer; }
    std::string tag_text() const override { return tag; }
    BarRect bar() const override { return bar_rect; }
    void set_bar_left(int left) override { bar_rect.left = left; }
    void set_bar_top(int top) override { bar_rect.top = top; }
    void set_bar_width(int width) override { bar_rect.width = width; }
    void set_bar_content(std::string_view html) override { content = html; }
    void set_timer_period(std::string_view timer, int ms) override
    {
        periods.emplace_back(std::string(timer), ms);
    }
    ScreenPoint pointer() const override
    {
        const PointerPosition p = desktop.cursor_position();
        return {p.x, p.y};
    }

    Platform &platform() const override { return desktop; }
    void close_window() override { ++closes; }
    void start_window_move() override { ++moves; }
    std::string focused_control() const override { return focus; }
    bool can_take_focus(std::string_view control) const override
    {
        return find_control(control) && !unfocusable.contains(std::string(control));
    }
    void focus_control(std::string_view control) override { focus = control; }

    mutable RecordingPlatform desktop;
    std::map<std::string, std::string, std::less<>> texts;
    std::vector<std::string> written;
    BarRect outer{54, 138, 916, 491};
    std::string tag;
    BarRect bar_rect{487, 448, 33, 16};
    std::string content;
    std::vector<std::pair<std::string, int>> periods;
    int closes = 0;
    int moves = 0;
    std::string focus;
    std::set<std::string> unfocusable; // hidden or disabled at the moment
};

} // namespace parvelo::fakes
