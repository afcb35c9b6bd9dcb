// Writes the Win32 main window as a BMP, as the screen shows it (run under Wine and Xvfb):
//   parvelo_win32_screenshot <file.bmp> [--example] [--ticks N] [--dpi D]
// --example types worked example 1 and presses 按钮1; --ticks lets the link bar scroll N
// ticks first.
#include "inert_platform.h"
#include "main_window.h"
#include "message_loop.h"
#include "platform.h"
#include "startup.h"
#include "wide.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace parvelo;
using namespace parvelo::win32;

namespace {

bool write_bmp(const char *path, HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    const WindowDc screen(nullptr);
    const MemoryDc dc(CreateCompatibleDC(screen));
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = nullptr;
    const Bitmap bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    {
        const Selection canvas(dc.get(), bitmap.get());
        BitBlt(dc.get(), 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    }
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    const DWORD size = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER file
        = {0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof info.bmiHeader + size), 0,
           0, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof info.bmiHeader)};
    FILE *out = std::fopen(path, "wb");
    if (!out)
        return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
    std::fwrite(bits, 1, size, out);
    return std::fclose(out) == 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(
            stderr,
            "usage: parvelo_win32_screenshot <file.bmp> [--example] [--ticks N] [--dpi D]\n");
        return 2;
    }
    int ticks = 0, dpi = 96;
    bool example = false;
    for (int i = 2; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--example"))
            example = true;
        else if (!std::strcmp(argv[i], "--ticks") && i + 1 < argc)
            ticks = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--dpi") && i + 1 < argc)
            dpi = std::atoi(argv[++i]);
    }
    fakes::InertPlatform desktop;
    const auto window = create_main_window(desktop, dpi);
    ShowWindow(window->handle(), SW_SHOW);
    SetForegroundWindow(window->handle());
    if (example) {
        const char *inputs[][2]
            = {{"长", "5"},        {"高", "2"},        {"板单价", "60"},    {"控制卡", "300"},
               {"电源单价", "80"}, {"边框单价", "10"}, {"其它费用", "200"}, {"报价", "3000"}};
        for (const auto &[name, text] : inputs)
            SetWindowTextW(window->control(name), widen(text).c_str());
        SendMessageW(window->control("按钮1"), BM_CLICK, 0, 0);
    }
    const int start = window->bar().left;
    pump_until(
        *window, [&] { return window->bar().left <= start - 5 * ticks; }, 60000);
    // Let every control finish painting.
    pump_until(
        *window, [] { return false; }, 300);
    return write_bmp(argv[1], window->handle()) ? 0 : 1;
}
