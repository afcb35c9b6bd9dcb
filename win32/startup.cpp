#include "startup.h"

#include "events.h"
#include "message_loop.h"
#include "platform.h"

namespace parvelo::win32 {

int screen_dpi()
{
    const WindowDc screen(nullptr);
    return GetDeviceCaps(screen, LOGPIXELSY);
}

std::unique_ptr<MainWindow> create_main_window(Platform &platform, int dpi, WindowMove move)
{
    auto window = std::make_unique<MainWindow>(platform, dpi, std::move(move));
    raise_event(*window, {}, Event::Created);
    return window;
}

int run_program(int show_command)
{
    const std::unique_ptr<Platform> platform = make_desktop_platform();
    const std::unique_ptr<MainWindow> window = create_main_window(*platform);
    ShowWindow(window->handle(), show_command);
    UpdateWindow(window->handle());
    return run_message_loop(*window);
}

} // namespace parvelo::win32
