// The baselines: one empty tool window of the program's outer size, centred, shown and
// painted once, then the program ends. With an argument it also holds one empty STATIC
// child per control of the layout table, at its place: the cost of the native windows
// alone, without fonts, texts or pictures.
#include "layout.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int show)
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"Bare";
    RegisterClassExW(&wc);
    const parvelo::ScreenPosition at
        = parvelo::centred_position(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, L"Bare", L"Bare",
                                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, at.left, at.top,
                                        parvelo::window_outer_width, parvelo::window_outer_height,
                                        nullptr, nullptr, instance, nullptr);
    if (arguments && *arguments)
        for (const parvelo::ControlSpec &row : parvelo::window_layout())
            if (row.kind != parvelo::Kind::Timer)
                CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, row.left, row.top,
                                row.width, row.height, window, nullptr, instance, nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
