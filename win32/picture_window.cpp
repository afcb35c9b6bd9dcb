#include "picture_window.h"

#include "gdi.h"
#include "jpeg.h"
#include "layout.h"

namespace parvelo::win32 {

namespace {

constexpr wchar_t class_name[] = L"ParveloPicture";

} // namespace

PictureWindow::PictureWindow(HWND parent, RECT rect, const RgbImage &picture, int dpi)
    : dpi(dpi)
{
    if (!picture.empty()) {
        const std::size_t stride = (3 * static_cast<std::size_t>(picture.width) + 3) & ~3u;
        bits.resize(stride * static_cast<std::size_t>(picture.height));
        for (int y = 0; y < picture.height; ++y) {
            const unsigned char *from = picture.pixels.data() + 3UL * picture.width * y;
            unsigned char *to = bits.data() + stride * (picture.height - 1 - y);
            for (int x = 0; x < picture.width; ++x) {
                to[3 * x] = from[3 * x + 2];
                to[3 * x + 1] = from[3 * x + 1];
                to[3 * x + 2] = from[3 * x];
            }
        }
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = picture.width;
        info.bmiHeader.biHeight = picture.height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
    }
    static const ATOM atom = [] {
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS; // the second press of a double click is no press
        wc.lpfnWndProc = &procedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = class_name;
        return RegisterClassExW(&wc);
    }();
    (void)atom;
    window = CreateWindowExW(0, class_name, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, rect.left,
                             rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                             nullptr, GetModuleHandleW(nullptr), this);
}

void PictureWindow::paint(HWND target) const
{
    const PaintDc dc(target);
    RECT client = {};
    GetClientRect(target, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    if (bits.empty())
        return;
    const int width = info.bmiHeader.biWidth, height = info.bmiHeader.biHeight;
    SetStretchBltMode(dc, dpi == 96 ? COLORONCOLOR : HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchDIBits(dc, 0, 0, scaled(width, dpi), scaled(height, dpi), 0, 0, width, height,
                  bits.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

LRESULT CALLBACK PictureWindow::procedure(HWND window, UINT message, WPARAM w, LPARAM l)
{
    if (message == WM_NCCREATE) {
        const auto *create = reinterpret_cast<const CREATESTRUCTW *>(l);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    const auto *self
        = reinterpret_cast<const PictureWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        if (self) {
            self->paint(window);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, w, l);
}

} // namespace parvelo::win32
