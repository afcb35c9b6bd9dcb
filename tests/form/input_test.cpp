#include "fake_window.h"
#include "input.h"

#include <gtest/gtest.h>

using namespace parvelo;

namespace {

TEST(KeyPress, WindowRules)
{
    struct Case
    {
        const char *focus;
        KeyPress key;
        bool handled;
        int closes;
        const char *focus_after;
    };
    const Case cases[] = {
        {"长", {Key::Escape}, true, 1, "长"},
        {"高", {Key::Enter}, true, 0, "高"}, // no default button
        {"长", {Key::Tab}, true, 0, "高"},
        {"简单超文本框2", {Key::Tab}, true, 0, "按钮1"}, // wraps at the end
        {"按钮1", {Key::Tab, true}, true, 0, "简单超文本框2"},
        {"", {Key::Tab}, true, 0, "按钮1"}, // no focus yet
        {"", {Key::Tab, true}, true, 0, "简单超文本框2"},
        {"长", {Key::Tab, false, true}, false, 0, "长"}, // Ctrl+Tab is the control's
        {"按钮1", {Key::Right}, true, 0, "按钮1"},       // arrows move no focus
        {"按钮3", {Key::Up}, true, 0, "按钮3"},
        {"简单超文本框1", {Key::Down}, true, 0, "简单超文本框1"},
        {"长", {Key::Left}, false, 0, "长"}, // the edit box moves its caret
        {"长", {Key::Other}, false, 0, "长"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.focus << " key " << static_cast<int>(c.key.key)
                                        << (c.key.shift ? " shift" : ""));
        fakes::FakeWindow window;
        window.focus = c.focus;
        EXPECT_EQ(key_press(window, c.key), c.handled);
        EXPECT_EQ(window.closes, c.closes);
        EXPECT_EQ(window.focus, c.focus_after);
    }
}

TEST(MoveFocus, FollowsTheFixedOrderBothWays)
{
    fakes::FakeWindow window;
    window.focus = "按钮1";
    const auto order = tab_order();
    for (std::size_t i = 1; i <= order.size(); ++i) {
        move_focus(window, true);
        ASSERT_EQ(window.focus, order[i % order.size()]) << "step " << i;
    }
    for (std::size_t i = order.size(); i-- > 0;) {
        move_focus(window, false);
        ASSERT_EQ(window.focus, order[i]) << "back to " << i;
    }
}

TEST(MoveFocus, SkipsControlsThatCannotTakeIt)
{
    fakes::FakeWindow window;
    window.unfocusable = {"按钮2", "简单超文本框2"};
    window.focus = "按钮1";
    move_focus(window, true);
    EXPECT_EQ(window.focus, "按钮3");
    move_focus(window, false);
    EXPECT_EQ(window.focus, "按钮1");
    move_focus(window, false); // past the hidden last one, round to its predecessor
    EXPECT_EQ(window.focus, "其它费用");

    for (const char *name : tab_order())
        window.unfocusable.insert(name);
    move_focus(window, true);
    EXPECT_EQ(window.focus, "其它费用");
}

TEST(LeftPress, DragToMoveByControlKind)
{
    struct Case
    {
        const char *control; // "": the window's own client area
        bool moves;
        bool goes_on;
        bool opens_banner;
    };
    const Case cases[] = {
        {"", true, true, false},        // background: move, then as usual
        {"标签21", true, false, false}, // labels and group boxes keep the press
        {"标签27", true, false, false},
        {"分组框1", true, false, false},
        {"分组框2", true, false, false},
        {"图片框1", false, true, true}, // the banner's own press
        {"长", false, true, false},
        {"板长", false, true, false},
        {"按钮10", false, true, false}, // a press is not a click
        {"简单超文本框2", false, true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.control);
        fakes::FakeWindow window;
        EXPECT_EQ(left_press(window, c.control), c.goes_on);
        EXPECT_EQ(window.moves, c.moves ? 1 : 0);
        EXPECT_EQ(window.desktop.shell_calls.size(), c.opens_banner ? 1u : 0u);
        EXPECT_TRUE(window.desktop.processes.empty());
    }
}

} // namespace
