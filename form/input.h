#pragma once

#include <string_view>

namespace parvelo {

class WindowHost;

enum class Key { Escape, Enter, Tab, Left, Right, Up, Down, Other };

struct KeyPress
{
    Key key;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// The window's keyboard rules, whatever control has the focus. True when the key is
// dealt with; false when it goes on to the focused control as its own.
bool key_press(WindowHost &window, KeyPress key);

// Tab or Shift+Tab: the next (previous) control of the fixed order that can take the
// focus now, wrapping around at the ends.
void move_focus(WindowHost &window, bool forward);

// The window has received the focus: it goes on to `last`, the control that had it when
// the window was last deactivated, if that can still take it; otherwise to the first
// control of the tab order that can.
void restore_focus(WindowHost &window, std::string_view last);

// The rules of a left-button press that has come down on `control` (empty: the window's
// own client area, outside every control): drag-to-move, and the control's press event.
// True when the press goes on to the control as usual.
bool left_press(WindowHost &window, std::string_view control);

} // namespace parvelo
