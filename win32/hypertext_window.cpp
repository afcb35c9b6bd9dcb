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

void HypertextWindow::set_style_sheet(std::string_view sheet)
{
    view.set_style_sheet(sheet);
    InvalidateRect(window, nullptr, FALSE);
}

void HypertextWindow::set_content(std::string_view content)
{
    view.set_content(content);
    // The whole view at once, background included.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void HypertextWindow::pointer_moved(int x, int y)
{
    if (!tracking) {
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, window, 0};
        tracking = TrackMouseEvent(&track) != FALSE;
    }
    if (view.pointer_moved(x, y))
        InvalidateRect(window, nullptr, FALSE);
}

void HypertextWindow::paint()
{
    const PaintDc screen(window);
    RECT client = {};
    GetClientRect(window, &client);
    const int width = client.right, height = client.bottom;
    if (width <= 0 || height <= 0)
        return;
    const MemoryDc dc(CreateCompatibleDC(screen));
    const Bitmap bitmap(CreateCompatibleBitmap(screen, width, height));
    const Selection canvas(dc.get(), bitmap.get());
    FillRect(dc.get(), &client, GetSysColorBrush(COLOR_BTNFACE));
    if (view.bordered()) {
        DrawEdge(dc.get(), &client, BDR_SUNKENOUTER, BF_RECT);
        IntersectClipRect(dc.get(), 1, 1, width - 1, height - 1);
    }
    SetBkMode(dc.get(), TRANSPARENT);
    SetTextAlign(dc.get(), TA_LEFT | TA_BASELINE | TA_NOUPDATECP);
    for (const HyperBox &box : view.boxes()) {
        const TextStyle &style = view.style_of(box);
        const Selection font(dc.get(), measure.font(style));
        SetTextColor(dc.get(), colour_ref(style.colour));
        const std::wstring text = widen(box.text);
        TextOutW(dc.get(), box.left, box.baseline, text.c_str(), static_cast<int>(text.size()));
    }
    SelectClipRgn(dc.get(), nullptr);
    BitBlt(screen, 0, 0, width, height, dc.get(), 0, 0, SRCCOPY);
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
            InvalidateRect(window, nullptr, FALSE);
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
