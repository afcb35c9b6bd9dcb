#include "hypertext_window.h"
#include "layout.h"
#include "window_fixture.h"

using namespace parvelo;
using namespace parvelo::win32;
using namespace parvelo::win32::testing;

namespace {

class Win32LinkBar : public WindowTest
{
protected:
    int bar_left() const { return placement(control("简单超文本框1")).left; }

    // Left edges of the bar after each of the next `n` moves.
    std::vector<int> lefts_after_moves(int n)
    {
        std::vector<int> lefts;
        int last = bar_left();
        while (static_cast<int>(lefts.size()) < n
               && pump_until(
                   *window, [&] { return bar_left() != last; }, 2000))
            lefts.push_back(last = bar_left());
        return lefts;
    }
};

TEST_F(Win32LinkBar, BuiltBeforeTheWindowShows)
{
    desktop.cursor = {-10000, -10000};
    const auto hidden = create_main_window(desktop, 96);
    EXPECT_FALSE(IsWindowVisible(hidden->handle()));
    RECT client = {};
    GetClientRect(hidden->handle(), &client);
    const RECT bar = placement(hidden->control("简单超文本框1"));
    EXPECT_EQ(bar.left, client.right);
    EXPECT_EQ(bar.top, client.bottom - 20);
    EXPECT_EQ(bar.right - bar.left, 792);
    EXPECT_EQ(bar.bottom - bar.top, 16);
    EXPECT_EQ(hidden->timer_period("时钟1"), 180);
    EXPECT_EQ(hidden->timer_period("时钟2"), 180);
    const HyperDocument &doc = hidden->hypertext("简单超文本框1")->model().document();
    ASSERT_EQ(doc.targets.size(), 8u);
    EXPECT_TRUE(doc.targets[4].starts_with("tencent://message/?uin="));
    // The labels are laid out 6 px a byte, as the bar's width assumes.
    EXPECT_EQ(hidden->hypertext("简单超文本框1")->model().boxes().back().left
                  + hidden->hypertext("简单超文本框1")->model().boxes().back().width,
              1 + 792);
}

TEST_F(Win32LinkBar, ScrollsFivePixelsPerTick)
{
    const std::vector<int> lefts = lefts_after_moves(4);
    ASSERT_EQ(lefts.size(), 4u);
    for (std::size_t i = 1; i < lefts.size(); ++i)
        EXPECT_EQ(lefts[i], lefts[i - 1] - 5);
    EXPECT_EQ(window->bar().left, lefts.back());
}

TEST_F(Win32LinkBar, PausesWhileThePointerIsInTheBand)
{
    RECT frame = {};
    GetWindowRect(window->handle(), &frame);
    const BarRect bar = window->bar();
    const int band_bottom = frame.top + bar.top + 2 * bar.height;
    desktop.cursor = {frame.left + 100, band_bottom - 8};
    ASSERT_TRUE(pump_until(
        *window, [&] { return window->timer_period("时钟1") == 0; }, 2000));
    const int paused_at = bar_left();
    EXPECT_TRUE(lefts_after_moves(1).empty()); // two seconds without a move
    EXPECT_EQ(bar_left(), paused_at);

    desktop.cursor = {frame.left + 100, band_bottom}; // the row B is outside
    ASSERT_TRUE(pump_until(
        *window, [&] { return window->timer_period("时钟1") == 180; }, 2000));
    const std::vector<int> lefts = lefts_after_moves(2);
    ASSERT_EQ(lefts.size(), 2u);
    EXPECT_EQ(lefts[0], paused_at - 5); // the cycle goes on from where it stood
}

TEST_F(Win32LinkBar, BarScalesWithTheDpi)
{
    open(144);
    RECT client = {};
    GetClientRect(window->handle(), &client);
    const RECT bar = placement(control("简单超文本框1"));
    EXPECT_EQ(bar.right - bar.left, scaled(792, 144));
    EXPECT_EQ(bar.bottom - bar.top, scaled(16, 144));
    EXPECT_EQ(window->bar().width, 792); // the core works in 96-dpi pixels
    EXPECT_EQ(window->client_width(), unscaled(client.right, 144));
    const auto &boxes = window->hypertext("简单超文本框1")->model().boxes();
    EXPECT_EQ(boxes.back().left + boxes.back().width, 1 + scaled(792, 144));
}

} // namespace
