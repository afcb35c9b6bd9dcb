#pragma once

#include "main_window.h"

#include <memory>

namespace parvelo::win32 {

// The dots per inch of the primary screen, where the window opens.
int screen_dpi();

// The window with all its controls, hidden, the created event already run.
std::unique_ptr<MainWindow> create_main_window(Platform &platform, int dpi = screen_dpi(),
                                               WindowMove move = system_window_move);

// The whole program: window, created event, show, message loop.
int run_program(int show_command);

} // namespace parvelo::win32
