#pragma once

#include <windows.h>

#include <string_view>

namespace parvelo::win32::testing {

// Real input, as the window system delivers it: through SendInput into the queue of the
// window under the pointer or with the focus.
void press_key(WORD key, bool shift = false);
void type_text(std::string_view utf8);
// A click of `button` at (x, y) in the client coordinates of `window`; `clicks` 2 for a
// double click.
void click(HWND window, POINT at, DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP,
           int clicks = 1);
// The pointer moved to (x, y) in the client coordinates of `window`.
void move_pointer(HWND window, POINT at);
// The middle of a window's client area.
POINT middle(HWND window);

} // namespace parvelo::win32::testing
