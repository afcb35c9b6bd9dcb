#include "main_window.h"

#include "assets.h"
#include "events.h"
#include "hypertext_window.h"
#include "input.h"
#include "jpeg.h"
#include "links.h"
#include "picture_window.h"
#include "platform.h"
#include "resources.h"
#include "wide.h"

#include <algorithm>

namespace parvelo::win32 {

namespace {

constexpr wchar_t class_name[] = L"ParveloMain";

COLORREF colour_ref(int rgb, int system_default)
{
    return rgb == default_colour ? GetSysColor(system_default)
                                 : RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// The native class and styles of a row; hypertext views and the picture have their own.
struct NativeKind
{
    const wchar_t *window_class;
    DWORD style;
    DWORD extended;
};

NativeKind native_kind(const ControlSpec &row)
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    switch (row.kind) {
    case Kind::Label:
        // SS_NOTIFY: a label takes its own presses, which start the window's move.
        return {L"STATIC", child | SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | SS_NOPREFIX | SS_NOTIFY, 0};
    case Kind::Edit:
        return {L"EDIT", child | WS_TABSTOP | ES_AUTOHSCROLL | (row.centred ? ES_CENTER : ES_LEFT),
                WS_EX_CLIENTEDGE};
    case Kind::Button:
        return {L"BUTTON", child | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE, 0};
    case Kind::GroupBox:
        return {L"BUTTON", child | WS_CLIPCHILDREN | BS_GROUPBOX, 0};
    default:
        return {nullptr, 0, 0};
    }
}

Key key_of(WPARAM virtual_key)
{
    switch (virtual_key) {
    case VK_ESCAPE:
        return Key::Escape;
    case VK_RETURN:
        return Key::Enter;
    case VK_TAB:
        return Key::Tab;
    case VK_LEFT:
        return Key::Left;
    case VK_RIGHT:
        return Key::Right;
    case VK_UP:
        return Key::Up;
    case VK_DOWN:
        return Key::Down;
    default:
        return Key::Other;
    }
}

bool held(int virtual_key)
{
    return GetKeyState(virtual_key) < 0;
}

} // namespace

const MainWindow::Route MainWindow::routes[] = {
    {WM_COMMAND, &MainWindow::on_command},
    {WM_CTLCOLORSTATIC, &MainWindow::on_colour_static},
    {WM_CTLCOLOREDIT, &MainWindow::on_colour_edit},
    {WM_TIMER, &MainWindow::on_timer},
    {WM_GETMINMAXINFO, &MainWindow::on_min_max_info},
    {WM_ACTIVATE, &MainWindow::on_activate},
    {WM_SETFOCUS, &MainWindow::on_set_focus},
    {WM_CLOSE, &MainWindow::on_close},
    {WM_DESTROY, &MainWindow::on_destroy},
};

void system_window_move(HWND window)
{
    ReleaseCapture();
    SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, static_cast<LPARAM>(GetMessagePos()));
}

MainWindow::MainWindow(Platform &platform, int dpi, WindowMove move)
    : desktop(platform)
    , scale(dpi)
    , move_window(std::move(move))
    , tag(shipped_link_list())
    , timers{{{"时钟1", 1, {}}, {"时钟2", 2, {}}}}
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    static const ATOM atom = [instance] {
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS; // the second press of a double click is no press
        wc.lpfnWndProc = &procedure;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        // One 32 x 32 image for the large and the small icon.
        wc.hIcon = static_cast<HICON>(
            LoadImageW(instance, MAKEINTRESOURCEW(PARVELO_ICON), IMAGE_ICON, 32, 32, 0));
        wc.hIconSm = wc.hIcon;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = class_name;
        return RegisterClassExW(&wc);
    }();
    (void)atom;

    const int width = scaled(window_outer_width, dpi), height = scaled(window_outer_height, dpi);
    const ScreenPosition at = centred_position(GetSystemMetrics(SM_CXSCREEN),
                                               GetSystemMetrics(SM_CYSCREEN), width, height);
    // A tool window's narrow caption, and still a button on the taskbar.
    window = CreateWindowExW(
        WS_EX_TOOLWINDOW | WS_EX_APPWINDOW, class_name, widen(window_title).c_str(),
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, at.left, at.top,
        width, height, nullptr, nullptr, instance, this);
    // Its size was limited to the screen's before the window could answer for its own
    // limits: set it again now that it can.
    SetWindowPos(window, nullptr, at.left, at.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    for (const ControlSpec &row : window_layout())
        create_control(row);
    // The focus goes to its first control when the window is first activated.
}

MainWindow::~MainWindow()
{
    if (IsWindow(window)) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
    }
}

HFONT MainWindow::font_for(FontSpec wanted)
{
    if (wanted.pixels == 0)
        wanted = {12, false}; // SimSun at 12 px, as Chinese Windows draws its controls
    for (const auto &[made, font] : fonts)
        if (made.pixels == wanted.pixels && made.bold == wanted.bold)
            return font.get();
    fonts.emplace_back(wanted, make_font(scaled(wanted.pixels, scale), wanted.bold));
    return fonts.back().second.get();
}

RECT MainWindow::scaled_rect(int left, int top, int width, int height) const
{
    const int l = scaled(left, scale), t = scaled(top, scale);
    return {l, t, l + scaled(width, scale), t + scaled(height, scale)};
}

void MainWindow::create_control(const ControlSpec &row)
{
    if (row.kind == Kind::Timer)
        return;
    const HWND parent = row.container ? control(row.container) : window;
    const RECT r = scaled_rect(row.left, row.top, row.width, row.height);
    HWND made = nullptr;
    if (row.kind == Kind::Hypertext) {
        const bool notes = row.name == usage_notes_view;
        views.push_back(std::make_unique<HypertextWindow>(parent, r, notes, desktop, scale));
        views.back()->set_style_sheet(default_style_sheet);
        views.back()->set_content(row.text);
        made = views.back()->handle();
        if (row.name == link_bar_view) {
            link_bar = views.back().get();
            bar_rect = {row.left, row.top, row.width, row.height};
        }
    } else if (row.kind == Kind::Picture) {
        banner = std::make_unique<PictureWindow>(parent, r, decode_jpeg(banner_jpeg()), scale);
        made = banner->handle();
    } else {
        const NativeKind native = native_kind(row);
        made = CreateWindowExW(native.extended, native.window_class, widen(row.text).c_str(),
                               native.style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                               parent, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (row.kind == Kind::Edit)
            SendMessageW(made, EM_SETLIMITTEXT, 0, 0); // no length limit
        if (row.kind == Kind::GroupBox) {
            // A container: its children's notifications belong to the window.
            group_box_procedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
                made, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&container_procedure)));
            SetWindowLongPtrW(made, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        }
        SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(font_for(row.font)), FALSE);
    }
    // Later rows draw above earlier ones.
    SetWindowPos(made, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    controls.emplace(row.name, made);
    rows.emplace(made, &row);
}

HWND MainWindow::control(std::string_view name) const
{
    const auto it = controls.find(name);
    return it == controls.end() ? nullptr : it->second;
}

const ControlSpec *MainWindow::spec_of(HWND control) const
{
    const auto it = rows.find(control);
    return it == rows.end() ? nullptr : it->second;
}

std::string MainWindow::name_of(HWND control) const
{
    const ControlSpec *row = spec_of(control);
    return row ? row->name : std::string();
}

const HypertextWindow *MainWindow::hypertext(std::string_view name) const
{
    for (const auto &view : views)
        if (view->handle() == control(name))
            return view.get();
    return nullptr;
}

int MainWindow::timer_period(std::string_view timer) const
{
    for (const Timer &t : timers)
        if (t.name == timer)
            return t.period.period();
    return 0;
}

bool MainWindow::filter(const MSG &message)
{
    if (message.message != WM_KEYDOWN && message.message != WM_LBUTTONDOWN)
        return false; // the rest, ticks and paints included, go on at once
    if (!window || (message.hwnd != window && !IsChild(window, message.hwnd)))
        return false;
    switch (message.message) {
    case WM_KEYDOWN:
        return key_press(*this,
                         {key_of(message.wParam), held(VK_SHIFT), held(VK_CONTROL), held(VK_MENU)});
    case WM_LBUTTONDOWN:
        return !left_press(*this, name_of(message.hwnd));
    default:
        return false;
    }
}

std::string MainWindow::read(std::string_view name) const
{
    const HWND edit = control(name);
    const ControlSpec *row = spec_of(edit);
    if (!row || row->kind != Kind::Edit)
        return {};
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return narrow(text);
}

void MainWindow::write(std::string_view name, std::string_view text)
{
    const HWND edit = control(name);
    const ControlSpec *row = spec_of(edit);
    if (row && row->kind == Kind::Edit)
        SetWindowTextW(edit, widen(text).c_str()); // shows the beginning of a long text
}

int MainWindow::client_width() const
{
    RECT r = {};
    GetClientRect(window, &r);
    return unscaled(r.right, scale);
}

int MainWindow::client_height() const
{
    RECT r = {};
    GetClientRect(window, &r);
    return unscaled(r.bottom, scale);
}

BarRect MainWindow::window_outer() const
{
    RECT r = {};
    GetWindowRect(window, &r);
    return {unscaled(r.left, scale), unscaled(r.top, scale), unscaled(r.right - r.left, scale),
            unscaled(r.bottom - r.top, scale)};
}

void MainWindow::place_bar(UINT flags)
{
    const RECT r = scaled_rect(bar_rect.left, bar_rect.top, bar_rect.width, bar_rect.height);
    SetWindowPos(link_bar->handle(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | flags);
}

void MainWindow::set_bar_left(int left)
{
    bar_rect.left = left;
    place_bar(SWP_NOSIZE); // every scroll tick: a move alone is cheapest
}

void MainWindow::set_bar_top(int top)
{
    bar_rect.top = top;
    place_bar(SWP_NOSIZE);
}

void MainWindow::set_bar_width(int width)
{
    bar_rect.width = width;
    place_bar(SWP_NOMOVE);
}

void MainWindow::set_bar_content(std::string_view html)
{
    link_bar->set_content(html);
}

void MainWindow::set_timer_period(std::string_view timer, int milliseconds)
{
    for (Timer &t : timers) {
        if (t.name != timer)
            continue;
        switch (t.period.set(milliseconds)) {
        case TimerPeriod::Change::None:
            break;
        case TimerPeriod::Change::Stop:
            KillTimer(window, t.id);
            break;
        case TimerPeriod::Change::Start:
            SetTimer(window, t.id, static_cast<UINT>(t.period.period()), nullptr);
            break;
        }
    }
}

ScreenPoint MainWindow::pointer() const
{
    const PointerPosition p = desktop.cursor_position();
    return {unscaled(p.x, scale), unscaled(p.y, scale)};
}

void MainWindow::close_window()
{
    SendMessageW(window, WM_CLOSE, 0, 0);
}

bool MainWindow::can_take_focus(std::string_view name) const
{
    // Shown and enabled, itself and its container, whether or not the window is shown yet.
    for (HWND w = control(name); w && w != window; w = GetParent(w)) {
        const LONG_PTR style = GetWindowLongPtrW(w, GWL_STYLE);
        if (!(style & WS_VISIBLE) || (style & WS_DISABLED))
            return false;
    }
    return control(name) != nullptr;
}

void MainWindow::focus_control(std::string_view name)
{
    const HWND w = control(name);
    if (!w)
        return;
    SetFocus(w);
    const ControlSpec *row = spec_of(w);
    if (row && row->kind == Kind::Edit)
        SendMessageW(w, EM_SETSEL, 0, -1); // as a dialog does on entering a box
}

LRESULT MainWindow::on_command(WPARAM w, LPARAM l)
{
    const ControlSpec *row = spec_of(reinterpret_cast<HWND>(l));
    if (row && row->kind == Kind::Button && HIWORD(w) == BN_CLICKED)
        raise_event(*this, row->name, Event::Clicked);
    return 0;
}

LRESULT MainWindow::on_colour_static(WPARAM w, LPARAM l)
{
    const HDC dc = reinterpret_cast<HDC>(w);
    const ControlSpec *row = spec_of(reinterpret_cast<HWND>(l));
    SetTextColor(dc, colour_ref(row ? row->colour : default_colour, COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT MainWindow::on_colour_edit(WPARAM w, LPARAM l)
{
    const HDC dc = reinterpret_cast<HDC>(w);
    const ControlSpec *row = spec_of(reinterpret_cast<HWND>(l));
    SetTextColor(dc, colour_ref(row ? row->colour : default_colour, COLOR_WINDOWTEXT));
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

LRESULT MainWindow::on_timer(WPARAM w, LPARAM)
{
    for (const Timer &t : timers)
        if (t.id == w)
            raise_event(*this, t.name, Event::Tick);
    return 0;
}

LRESULT MainWindow::on_min_max_info(WPARAM, LPARAM l)
{
    // The window keeps its size on a screen smaller than itself, and is centred all the same.
    auto *limits = reinterpret_cast<MINMAXINFO *>(l);
    const LONG width = scaled(window_outer_width, scale),
               height = scaled(window_outer_height, scale);
    limits->ptMaxTrackSize.x = std::max(limits->ptMaxTrackSize.x, width);
    limits->ptMaxTrackSize.y = std::max(limits->ptMaxTrackSize.y, height);
    return 0;
}

LRESULT MainWindow::on_activate(WPARAM w, LPARAM)
{
    if (LOWORD(w) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (spec_of(focus))
            last_focus = focus;
    } else if (!IsIconic(window)) {
        restore_focus(*this, name_of(last_focus));
    }
    return 0;
}

LRESULT MainWindow::on_set_focus(WPARAM, LPARAM)
{
    restore_focus(*this, name_of(last_focus));
    return 0;
}

LRESULT MainWindow::on_close(WPARAM, LPARAM)
{
    DestroyWindow(window);
    return 0;
}

LRESULT MainWindow::on_destroy(WPARAM, LPARAM)
{
    for (const Timer &t : timers)
        KillTimer(window, t.id);
    PostQuitMessage(0);
    return 0;
}

LRESULT CALLBACK MainWindow::procedure(HWND window, UINT message, WPARAM w, LPARAM l)
{
    if (message == WM_NCCREATE) {
        auto *self
            = static_cast<MainWindow *>(reinterpret_cast<CREATESTRUCTW *>(l)->lpCreateParams);
        self->window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (auto *self = reinterpret_cast<MainWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA)))
        for (const Route &route : routes)
            if (route.message == message)
                return (self->*route.handler)(w, l);
    return DefWindowProcW(window, message, w, l);
}

LRESULT CALLBACK MainWindow::container_procedure(HWND window, UINT message, WPARAM w, LPARAM l)
{
    auto *self = reinterpret_cast<MainWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        return SendMessageW(self->window, message, w, l);
    case WM_NCHITTEST:
        return HTCLIENT; // its empty interior is the group box's, not the window's behind it
    case WM_ERASEBKGND: {
        // The window does not paint under its children, so the group box fills its own.
        RECT r = {};
        GetClientRect(window, &r);
        FillRect(reinterpret_cast<HDC>(w), &r, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    default:
        return CallWindowProcW(self->group_box_procedure, window, message, w, l);
    }
}

} // namespace parvelo::win32
