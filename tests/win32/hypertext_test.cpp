#include "hypertext_window.h"
#include "window_fixture.h"

using namespace parvelo;
using namespace parvelo::win32;
using namespace parvelo::win32::testing;

namespace {

// The link bar of the real window, held still at the left edge: its first label
// "官方主页" is drawn at x 13..60, the second from x 85.
class Win32Hypertext : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        RECT frame = {};
        GetWindowRect(window->handle(), &frame);
        const BarRect bar = window->bar();
        desktop.cursor = {frame.left + 100, frame.top + bar.top + bar.height + 8}; // in the band
        ASSERT_TRUE(pump_until(
            *window, [&] { return window->timer_period("时钟1") == 0; }, 2000));
        window->set_bar_left(0);
        flush();
        view = window->hypertext("简单超文本框1");
    }

    void move(POINT at)
    {
        move_pointer(view->handle(), at);
        flush();
    }

    // Whether a row of the label's box is blue from end to end: the underline.
    bool underlined() const
    {
        const HDC dc = GetDC(view->handle());
        bool found = false;
        for (int y = 1; y < 16 && !found; ++y) {
            int blue = 0;
            for (int x = 13; x < 61; ++x)
                blue += GetPixel(dc, x, y) == RGB(0, 0, 255);
            found = blue >= 46;
        }
        ReleaseDC(view->handle(), dc);
        return found;
    }

    const HypertextWindow *view = nullptr;
};

TEST_F(Win32Hypertext, HoverUnderlinesAndShowsTheHand)
{
    EXPECT_FALSE(underlined());
    move({20, 8});
    EXPECT_EQ(view->model().hovered_link(), 0);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
    EXPECT_TRUE(underlined());
    move({70, 8}); // the blanks between the links
    EXPECT_EQ(view->model().hovered_link(), -1);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_FALSE(underlined());
    move({90, 8});
    EXPECT_EQ(view->model().hovered_link(), 1);
}

TEST_F(Win32Hypertext, PressOpensOnlyALinksTarget)
{
    struct Case
    {
        POINT at;
        DWORD down, up;
        std::vector<std::string> opened;
    };
    const Case cases[] = {
        {{20, 8}, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, {"http://www.tolvenar.example/"}},
        {{70, 8}, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, {}}, // blank between links
        {{5, 8}, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, {}},
        {{90, 8}, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.at.x);
        desktop.shell_calls.clear();
        // Apart in time, so that no two presses make a double click.
        pump_until(
            *window, [] { return false; }, GetDoubleClickTime() + 50);
        click(view->handle(), c.at, c.down, c.up);
        flush();
        std::vector<std::string> opened;
        for (const auto &call : desktop.shell_calls) {
            opened.push_back(call.file);
            EXPECT_EQ(call.parameters, "");
            EXPECT_EQ(call.show, ShowState::Show);
        }
        EXPECT_EQ(opened, c.opened);
    }
}

TEST_F(Win32Hypertext, OpensOnThePressNotTheRelease)
{
    click(view->handle(), {20, 8}, MOUSEEVENTF_LEFTDOWN, 0);
    flush();
    EXPECT_EQ(desktop.shell_calls.size(), 1u);
    click(view->handle(), {20, 8}, 0, MOUSEEVENTF_LEFTUP);
    flush();
    EXPECT_EQ(desktop.shell_calls.size(), 1u);
}

} // namespace
