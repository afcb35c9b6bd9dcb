// The Windows program's start-up, ending at its first complete paint: the same window,
// controls, created event and show as parvelo.exe, then every pending paint delivered.
#include "message_loop.h"
#include "platform.h"
#include "startup.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show)
{
    const auto platform = parvelo::make_desktop_platform();
    const auto window = parvelo::win32::create_main_window(*platform);
    ShowWindow(window->handle(), show);
    UpdateWindow(window->handle());
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        parvelo::win32::dispatch(*window, message);
    return 0;
}
