#pragma once

#include "main_window.h"

#include <memory>

class QApplication;

namespace parvelo {

class Platform;

// The toolkit's look: classic desktop controls.
void prepare_toolkit(QApplication &app);

// The window with all its controls, hidden, the created event already run.
std::unique_ptr<MainWindow> create_main_window(Platform &platform,
                                               WindowMove move = system_window_move);

// The whole program: toolkit, window, created event, show, message loop.
int run_program(int argc, char **argv);

} // namespace parvelo
