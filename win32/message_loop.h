#pragma once

#include <windows.h>

#include <functional>

namespace parvelo::win32 {

class MainWindow;

// One message through the window's rules, then on to its control. False for WM_QUIT.
bool dispatch(MainWindow &window, const MSG &message);

// The message loop: until the window has been closed. Returns the program's exit code.
int run_message_loop(MainWindow &window);

// Delivers messages until `done` holds or `milliseconds` have passed, waiting for
// messages in between; false on the time-out or when the loop was told to quit.
bool pump_until(MainWindow &window, const std::function<bool()> &done, DWORD milliseconds);

} // namespace parvelo::win32
