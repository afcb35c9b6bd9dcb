#pragma once

#include "gdi.h"
#include "interval_timer.h"
#include "layout.h"
#include "window_host.h"

#include <windows.h>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace parvelo::win32 {

class HypertextWindow;
class PictureWindow;

// Asks the window system to move `window` as if its title bar had been pressed.
using WindowMove = std::function<void(HWND window)>;
void system_window_move(HWND window);

// The one window: one native window per row of the layout table, every geometry and font
// height scaled by dpi/96. The core sees 96-dpi pixels; this class scales at the boundary.
class MainWindow final : public WindowHost
{
public:
    MainWindow(Platform &platform, int dpi, WindowMove move = system_window_move);
    ~MainWindow() override;
    MainWindow(const MainWindow &) = delete;
    MainWindow &operator=(const MainWindow &) = delete;

    HWND handle() const { return window; }
    int dpi() const { return scale; }
    // The native control of a row, or nullptr (the timers have none).
    HWND control(std::string_view name) const;
    // The row name of a native control; empty for the window itself or a stranger.
    std::string name_of(HWND control) const;
    const HypertextWindow *hypertext(std::string_view name) const;
    const PictureWindow *picture() const { return banner.get(); }
    int timer_period(std::string_view timer) const;

    // The window's rules that come before a message is dispatched: its keys and left
    // presses. True when the message has been dealt with and goes no further.
    bool filter(const MSG &message);

    // Fields
    std::string read(std::string_view name) const override;
    void write(std::string_view name, std::string_view text) override;

    // LinkBarHost
    int client_width() const override;
    int client_height() const override;
    BarRect window_outer() const override;
    std::string tag_text() const override { return tag; }
    BarRect bar() const override { return bar_rect; }
    void set_bar_left(int left) override;
    void set_bar_top(int top) override;
    void set_bar_width(int width) override;
    void set_bar_content(std::string_view html) override;
    void set_timer_period(std::string_view timer, int milliseconds) override;
    ScreenPoint pointer() const override;

    // WindowHost
    Platform &platform() const override { return desktop; }
    void close_window() override;
    void start_window_move() override { move_window(window); }
    std::string focused_control() const override { return name_of(GetFocus()); }
    bool can_take_focus(std::string_view control) const override;
    void focus_control(std::string_view control) override;

private:
    struct Timer
    {
        std::string_view name;
        UINT_PTR id;
        TimerPeriod period;
    };
    using Handler = LRESULT (MainWindow::*)(WPARAM, LPARAM);
    struct Route
    {
        UINT message;
        Handler handler;
    };

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    static LRESULT CALLBACK container_procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    static const Route routes[];

    void create_control(const ControlSpec &row);
    HFONT font_for(FontSpec wanted);
    RECT scaled_rect(int left, int top, int width, int height) const;
    void place_bar(UINT flags);
    const ControlSpec *spec_of(HWND control) const;

    LRESULT on_command(WPARAM w, LPARAM l);
    LRESULT on_colour_static(WPARAM w, LPARAM l);
    LRESULT on_colour_edit(WPARAM w, LPARAM l);
    LRESULT on_timer(WPARAM w, LPARAM l);
    LRESULT on_min_max_info(WPARAM w, LPARAM l);
    LRESULT on_activate(WPARAM w, LPARAM l);
    LRESULT on_set_focus(WPARAM w, LPARAM l);
    LRESULT on_close(WPARAM w, LPARAM l);
    LRESULT on_destroy(WPARAM w, LPARAM l);

    Platform &desktop;
    int scale;
    WindowMove move_window;
    std::string tag;
    HWND window = nullptr;
    WNDPROC group_box_procedure = nullptr;
    std::map<std::string, HWND, std::less<>> controls;
    std::map<HWND, const ControlSpec *> rows;
    std::vector<std::pair<FontSpec, Font>> fonts;
    std::vector<std::unique_ptr<HypertextWindow>> views;
    HypertextWindow *link_bar = nullptr; // moved at every scroll tick
    std::unique_ptr<PictureWindow> banner;
    std::array<Timer, 2> timers;
    BarRect bar_rect = {};
    HWND last_focus = nullptr;
};

} // namespace parvelo::win32
