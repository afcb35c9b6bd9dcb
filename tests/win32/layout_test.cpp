#include "hypertext_window.h"
#include "layout.h"
#include "picture_window.h"
#include "window_fixture.h"

using namespace parvelo;
using namespace parvelo::win32;
using namespace parvelo::win32::testing;

namespace {

LOGFONTW font_of(HWND control)
{
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font;
}

class Win32Layout : public WindowTest, public ::testing::WithParamInterface<int>
{
protected:
    void SetUp() override { open(GetParam()); }
    int at_dpi(int pixels) const { return scaled(pixels, GetParam()); }
};

TEST_P(Win32Layout, EveryRowIsANativeControlInItsPlace)
{
    int made = 0;
    for (const ControlSpec &row : window_layout()) {
        SCOPED_TRACE(row.name);
        const HWND w = control(row.name);
        if (row.kind == Kind::Timer) {
            EXPECT_EQ(w, nullptr);
            continue;
        }
        ASSERT_NE(w, nullptr);
        ++made;
        EXPECT_EQ(window->name_of(w), row.name);
        EXPECT_EQ(GetParent(w), row.container ? control(row.container) : window->handle());
        const RECT r = placement(w);
        if (row.name == link_bar_view)
            continue; // placed by the created event
        EXPECT_EQ(r.left, at_dpi(row.left));
        EXPECT_EQ(r.top, at_dpi(row.top));
        EXPECT_EQ(r.right - r.left, at_dpi(row.width));
        EXPECT_EQ(r.bottom - r.top, at_dpi(row.height));
        EXPECT_TRUE(IsWindowVisible(w));
        if (row.kind != Kind::Hypertext && row.kind != Kind::Picture) {
            const LOGFONTW font = font_of(w);
            EXPECT_EQ(font.lfHeight, -at_dpi(row.font.pixels ? row.font.pixels : 12));
            EXPECT_EQ(font.lfWeight, row.font.bold ? FW_BOLD : FW_NORMAL);
            EXPECT_EQ(narrow(font.lfFaceName), "宋体");
            EXPECT_EQ(font.lfQuality, PROOF_QUALITY);
        }
        const LONG_PTR style = GetWindowLongPtrW(w, GWL_STYLE);
        const bool tab_stop
            = row.kind == Kind::Edit || row.kind == Kind::Button || row.kind == Kind::Hypertext;
        EXPECT_EQ((style & WS_TABSTOP) != 0, tab_stop);
        if (row.kind == Kind::Edit) {
            EXPECT_EQ((style & ES_CENTER) != 0, row.centred);
            EXPECT_TRUE(style & ES_AUTOHSCROLL);
            EXPECT_TRUE(GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
            EXPECT_EQ(SendMessageW(w, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE); // no limit
        }
    }
    EXPECT_EQ(made, 69);
    // The link bar, as the created event placed it.
    EXPECT_EQ(placement(control("简单超文本框1")).top, at_dpi(window->client_height() - 20));
}

TEST_P(Win32Layout, TheWindowItself)
{
    const HWND main = window->handle();
    EXPECT_EQ(narrow([&] {
                  wchar_t title[64] = {};
                  GetWindowTextW(main, title, 64);
                  return std::wstring(title);
              }()),
              "Tolvenar Parvelo V2010.05.29");
    RECT outer = {};
    GetWindowRect(main, &outer);
    EXPECT_EQ(outer.right - outer.left, at_dpi(916));
    EXPECT_EQ(outer.bottom - outer.top, at_dpi(491));
    // Centred on the primary screen, quotients truncated.
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - at_dpi(916)) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - at_dpi(491)) / 2);

    const LONG_PTR style = GetWindowLongPtrW(main, GWL_STYLE);
    EXPECT_TRUE(GetWindowLongPtrW(main, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME); // fixed size
    EXPECT_NE(GetClassLongPtrW(main, GCLP_HICON), 0);

    // Window controls drawn above the results group take their own presses.
    const auto at = [&](int x, int y) {
        return ChildWindowFromPointEx(main, {at_dpi(x), at_dpi(y)}, CWP_SKIPINVISIBLE);
    };
    EXPECT_EQ(at(750, 130), control("标签27"));
    EXPECT_EQ(at(800, 200), control("按钮10"));
    EXPECT_EQ(at(600, 300), control("分组框1"));

    wchar_t caption[32] = {};
    GetWindowTextW(control("按钮12"), caption, 32);
    EXPECT_EQ(narrow(caption), "P12.5 4590 边框");
    EXPECT_TRUE(window->picture()->has_picture());
    EXPECT_EQ(window->hypertext("简单超文本框2")->model().document().lines.size(), 7u);
}

TEST_P(Win32Layout, ControlColours)
{
    struct Case
    {
        const char *name;
        UINT message;
        COLORREF text;
        COLORREF background;
    };
    const Case cases[] = {
        {"标签4", WM_CTLCOLORSTATIC, RGB(255, 0, 0), GetSysColor(COLOR_BTNFACE)},
        {"标签14", WM_CTLCOLORSTATIC, RGB(0, 128, 0), GetSysColor(COLOR_BTNFACE)},
        {"分组框1", WM_CTLCOLORSTATIC, RGB(0, 0, 255), GetSysColor(COLOR_BTNFACE)},
        {"报价", WM_CTLCOLOREDIT, RGB(0, 0, 128), RGB(255, 255, 255)},
        {"长", WM_CTLCOLOREDIT, RGB(255, 0, 0), RGB(255, 255, 255)},
        {"板长", WM_CTLCOLOREDIT, RGB(0, 0, 0), RGB(255, 255, 255)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const HWND w = control(c.name);
        const HDC dc = GetDC(w);
        // As the control asks its parent, which hands it on to the window.
        SendMessageW(GetParent(w), c.message, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(w));
        EXPECT_EQ(GetTextColor(dc), c.text);
        EXPECT_EQ(GetBkColor(dc), c.background);
        ReleaseDC(w, dc);
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, Win32Layout, ::testing::Values(96, 144),
                         [](const auto &info) { return std::to_string(info.param); });

} // namespace
