#include "events.h"
#include "layout.h"
#include "picture_window.h"
#include "window_fixture.h"
#include "worked_examples.h"

using namespace parvelo;
using namespace parvelo::win32;
using namespace parvelo::win32::testing;

namespace {

class Win32Window : public WindowTest
{
};

TEST_F(Win32Window, WorkedExamplesTypedAndClicked)
{
    for (const fakes::WorkedExample &example : fakes::worked_examples) {
        SCOPED_TRACE(example.button);
        for (const auto &[name, typed] : example.inputs) {
            click_on(name.c_str());
            ASSERT_EQ(focus(), name);
            SendMessageW(control(name), EM_SETSEL, 0, -1); // typing replaces the last example
            type_text(typed);
            flush();
            ASSERT_EQ(text(name), typed);
        }
        // A result typed over by hand is replaced by the next press.
        click_on("板长");
        type_text("999");
        flush();
        click_on(example.button);
        for (const auto &[name, expected] : example.results)
            EXPECT_EQ(text(name), expected) << name;
    }
}

TEST_F(Win32Window, ChineseTextSurvivesTheRoundTrip)
{
    click_on("其它费用");
    type_text("￥１２.５元");
    flush();
    EXPECT_EQ(text("其它费用"), "￥１２.５元");
    window->write("总价", "工程总价 123456789012.3456");
    EXPECT_EQ(text("总价"), "工程总价 123456789012.3456");
}

TEST_F(Win32Window, TabFollowsTheFixedOrderAndWraps)
{
    EXPECT_EQ(focus(), "按钮1");
    const auto order = tab_order();
    for (std::size_t i = 1; i <= order.size(); ++i) {
        key(VK_TAB);
        ASSERT_EQ(focus(), order[i % order.size()]) << "step " << i;
    }
    key(VK_TAB, true);
    EXPECT_EQ(focus(), "简单超文本框2");
    click_on("长");
    key(VK_TAB);
    EXPECT_EQ(focus(), "高");
}

TEST_F(Win32Window, EscapeClosesFromAnEditBoxAndEnterDoesNothing)
{
    click_on("高");
    key(VK_RETURN);
    EXPECT_TRUE(IsWindowVisible(window->handle()));
    EXPECT_EQ(focus(), "高");
    EXPECT_EQ(text("高"), "");
    press_key(VK_ESCAPE);
    // The close ends the message loop.
    EXPECT_FALSE(pump_until(
        *window, [] { return false; }, 5000));
    EXPECT_FALSE(IsWindow(window->handle()));
}

TEST_F(Win32Window, FocusComesBackWhereItWasWhenTheWindowIsActivatedAgain)
{
    click_on("板单价");
    // Another program's window takes the activation for a while.
    const HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                       nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetActiveWindow(other);
    ASSERT_TRUE(pump_until(
        *window, [&] { return GetActiveWindow() == other; }, 2000));
    EXPECT_EQ(focus(), "");
    SetActiveWindow(window->handle());
    ASSERT_TRUE(pump_until(
        *window, [&] { return GetActiveWindow() == window->handle(); }, 2000));
    EXPECT_EQ(focus(), "板单价");
    DestroyWindow(other);
}

TEST_F(Win32Window, ArrowKeysMoveNoFocus)
{
    for (const char *name : {"按钮1", "按钮3", "按钮10", "简单超文本框1"}) {
        SCOPED_TRACE(name);
        window->focus_control(name);
        for (const WORD arrow : {VK_RIGHT, VK_DOWN, VK_LEFT, VK_UP}) {
            key(arrow);
            EXPECT_EQ(focus(), name);
        }
    }
    click_on("高");
    type_text("12");
    key(VK_LEFT);
    DWORD caret = 0;
    SendMessageW(control("高"), EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
    EXPECT_EQ(caret, 1u); // the edit box moved its caret
    EXPECT_EQ(focus(), "高");
}

TEST_F(Win32Window, DragToMoveStartsOnlyFromBackgroundLabelsAndGroupBoxes)
{
    struct Case
    {
        const char *control; // nullptr: the window's own background
        POINT at;            // in its client coordinates
        bool moves;
        bool takes_focus;
    };
    const Case cases[] = {
        {nullptr, {450, 50}, true, false}, // between the banner and the results group
        {"标签21", {10, 8}, true, false},
        {"标签27", {10, 8}, true, false},     // a window label drawn over the results group
        {"分组框1", {20, 6}, true, false},    // on its caption
        {"分组框1", {420, 150}, true, false}, // its empty interior
        {"分组框2", {300, 215}, true, false},
        {"图片框1", {100, 30}, false, false},
        {"长", {10, 10}, false, true},
        {"按钮10", {10, 10}, false, true},
        {"简单超文本框2", {200, 50}, false, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.control ? c.control : "background");
        window->focus_control("按钮16");
        const int before = moves;
        click_on(c.control, c.at);
        EXPECT_EQ(moves - before, c.moves ? 1 : 0);
        EXPECT_EQ(focus(), c.takes_focus ? c.control : "按钮16");
    }
}

TEST_F(Win32Window, BannerOpensItsPageOncePerPress)
{
    click_on("图片框1", {5, 5});
    ASSERT_EQ(desktop.shell_calls.size(), 1u);
    EXPECT_EQ(desktop.shell_calls[0].file, "explorer.exe");
    EXPECT_EQ(desktop.shell_calls[0].parameters, banner_address);
    EXPECT_EQ(desktop.shell_calls[0].show, ShowState::ShowNormal);

    click(control("图片框1"), {50, 40}, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 2);
    flush();
    EXPECT_EQ(desktop.shell_calls.size(), 2u); // the double click opens once

    click(control("图片框1"), {50, 40}, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    flush();
    EXPECT_EQ(desktop.shell_calls.size(), 2u);
    EXPECT_EQ(moves, 0);
}

TEST_F(Win32Window, CalculatorButtonStartsOneCalculatorPerClickAndFailsSilently)
{
    click_on("按钮10");
    desktop.succeed = false;
    // Wait out the double-click time, so that this is a click of its own.
    pump_until(
        *window, [] { return false; }, GetDoubleClickTime() + 50);
    click_on("按钮10");
    const std::vector<std::string> expected(2, R"(c:\windows\system32\calc.exe)");
    EXPECT_EQ(desktop.processes, expected);
    // Nothing to report: no other window appeared.
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM main) -> BOOL {
            EXPECT_TRUE(w == reinterpret_cast<HWND>(main) || !IsWindowVisible(w));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(window->handle()));
    EXPECT_EQ(GetActiveWindow(), window->handle());
}

} // namespace
