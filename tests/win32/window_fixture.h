#pragma once

#include "input.h"
#include "main_window.h"
#include "message_loop.h"
#include "recording_platform.h"
#include "startup.h"
#include "wide.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace parvelo::win32::testing {

// The real window, shown and active, on a recording platform; moves are counted.
class WindowTest : public ::testing::Test
{
protected:
    void SetUp() override { open(96); }

    void open(int dpi)
    {
        window.reset();
        window = create_main_window(desktop, dpi, [this](HWND) { ++moves; });
        ShowWindow(window->handle(), SW_SHOW);
        SetForegroundWindow(window->handle());
        ASSERT_TRUE(pump_until(
            *window, [this] { return GetActiveWindow() == window->handle() && GetFocus(); }, 5000))
            << "the window did not become active";
        flush();
    }

    // Delivers everything queued so far.
    void flush()
    {
        pump_until(
            *window,
            [] {
                MSG message;
                return !PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
            },
            5000);
    }

    HWND control(std::string_view name) const { return window->control(name); }
    std::string text(std::string_view name) const { return window->read(name); }
    std::string focus() const { return window->name_of(GetFocus()); }

    void click_on(const char *name, POINT at)
    {
        click(name ? control(name) : window->handle(), at);
        flush();
    }
    void click_on(const char *name) { click_on(name, middle(control(name))); }
    void key(WORD key, bool shift = false)
    {
        press_key(key, shift);
        flush();
    }

    // A rectangle in its parent's client coordinates.
    static RECT placement(HWND control)
    {
        RECT r = {};
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT *>(&r), 2);
        return r;
    }

    fakes::RecordingPlatform desktop;
    int moves = 0;
    std::unique_ptr<MainWindow> window;
};

} // namespace parvelo::win32::testing
