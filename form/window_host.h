#pragma once

#include "fields.h"
#include "link_bar.h"

#include <string>
#include <string_view>

namespace parvelo {

class Platform;

// The main window as the core sees it, whatever toolkit draws it. Controls are named
// as in the layout table; the front-end owns the native controls and does what is asked.
class WindowHost : public Fields, public LinkBarHost
{
public:
    virtual Platform &platform() const = 0;

    // A close request: the window closes at once and, being the only one, ends the program.
    virtual void close_window() = 0;

    // The window system's own move, as if the title bar had been pressed.
    virtual void start_window_move() = 0;

    // The control that has the keyboard focus; empty when none of ours has it.
    virtual std::string focused_control() const = 0;
    // Whether a control is shown and enabled at this moment.
    virtual bool can_take_focus(std::string_view control) const = 0;
    virtual void focus_control(std::string_view control) = 0;
};

} // namespace parvelo
