#include "hypertext_window.h"

#include "wide.h"

#include <windowsx.h>

namespace parvelo::win32 {

namespace {

constexpr wchar_t class_name[] = L"ParveloHypertext";

void register_class(WNDPROC procedure)
{
    static const ATOM atom = [procedure] {
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = procedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = class_name;
        return RegisterClassExW(&wc);
    }();
    (void)atom;
}

COLORREF colour_ref(std::uint32_t rgb)
{
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

} // namespace

HypertextWindow::HypertextWindow(HWND parent, RECT rect, bool bordered, Platform &platform, int dpi)
    : view(measure, bordered, dpi)
    , platform(platform)
{
    register_class(&procedure);
    window
        = CreateWindowExW(0, class_name, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS,
                          rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                          parent, nullptr, GetModuleHandleW(nullptr), this);
}

HypertextWindow::~HypertextWindow()
{
    if (IsWindow(window))
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
}

void HypertextWindow::changed()
{
    stale = true;
    InvalidateRect(window, nullptr, FALSE);
}

void HypertextWindow::set_style_sheet(std::string_view sheet)
{
    view.set_style_sheet(sheet);
    changed();
}

void HypertextWindow::set_content(std::string_view content)
{
    view.set_content(content);
    changed();
    UpdateWindow(window); // the whole view at once, background included
}

void HypertextWindow::pointer_moved(int x, int y)
{
    if (!tracking) {
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, window, 0};
        tracking = TrackMouseEvent(&track) != FALSE;
    }
    if (view.pointer_moved(x, y))
        changed();
}

void HypertextWindow::render(HDC screen, int width, int height)
{
    if (!picture || picture_size.cx != width || picture_size.cy != height) {
        picture.reset(CreateCompatibleDC(screen));
        picture_bits.reset(CreateCompatibleBitmap(screen, width, height));
        SelectObject(picture.get(), picture_bits.get());
        picture_size = {width, height};
    }
    const HDC dc = picture.get();
    RECT client = {0, 0, width, height};
    SelectClipRgn(dc, nullptr);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    if (view.bordered()) {
        DrawEdge(dc, &client, BDR_SUNKENOUTER, BF_RECT);
        IntersectClipRect(dc, 1, 1, width - 1, height - 1);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_LEFT | TA_BASELINE | TA_NOUPDATECP);
    for (const HyperBox &box : view.boxes()) {
        const TextStyle &style = view.style_of(box);
        const Selection font(dc, measure.font(style));
        SetTextColor(dc, colour_ref(style.colour));
        const std::wstring text = widen(box.text);
        TextOutW(dc, box.left, box.baseline, text.c_str(), static_cast<int>(text.size()));
    }
    stale = false;
}

void HypertextWindow::paint()
{
    PAINTSTRUCT ps = {};
    const HDC screen = BeginPaint(window, &ps);
    RECT client = {};
    GetClientRect(window, &client);
    if (client.right > 0 && client.bottom > 0) {
        if (stale || picture_size.cx != client.right || picture_size.cy != client.bottom)
            render(screen, client.right, client.bottom);
        const RECT &r = ps.rcPaint;
        BitBlt(screen, r.left, r.top, r.right - r.left, r.bottom - r.top, picture.get(), r.left,
               r.top, SRCCOPY);
    }
    EndPaint(window, &ps);
}

LRESULT CALLBACK HypertextWindow::procedure(HWND window, UINT message, WPARAM w, LPARAM l)
{
    if (message == WM_NCCREATE) {
        const auto *create = reinterpret_cast<const CREATESTRUCTW *>(l);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto *self = reinterpret_cast<HypertextWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, w, l);
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // the paint covers every pixel
    case WM_PAINT:
        self->paint();
        return 0;
    case WM_MOUSEMOVE:
        self->pointer_moved(GET_X_LPARAM(l), GET_Y_LPARAM(l));
        return 0;
    case WM_MOUSELEAVE:
        self->tracking = false;
        if (self->view.pointer_left())
            self->changed();
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(l) == HTCLIENT) {
            POINT p = {};
            GetCursorPos(&p);
            ScreenToClient(window, &p);
            const bool hand = self->view.hand_at(static_cast<int>(p.x), static_cast<int>(p.y));
            SetCursor(LoadCursorW(nullptr, hand ? IDC_HAND : IDC_ARROW));
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
        SetFocus(window);
        press_link(self->view, self->platform, GET_X_LPARAM(l), GET_Y_LPARAM(l));
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, w, l);
}

} // namespace parvelo::win32
