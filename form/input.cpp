#include "input.h"

#include "events.h"
#include "layout.h"
#include "window_host.h"

namespace parvelo {

namespace {

Kind kind_of(std::string_view control)
{
    const ControlSpec *row = find_control(control);
    return row ? row->kind : Kind::Timer;
}

} // namespace

bool key_press(WindowHost &window, KeyPress key)
{
    switch (key.key) {
    case Key::Escape:
        window.close_window();
        return true;
    case Key::Enter:
        return true; // there is no default button
    case Key::Tab:
        if (key.ctrl || key.alt)
            return false;
        move_focus(window, !key.shift);
        return true;
    case Key::Left:
    case Key::Right:
    case Key::Up:
    case Key::Down:
        // They move no focus: an edit box moves its caret, other controls have no use for them.
        return kind_of(window.focused_control()) != Kind::Edit;
    case Key::Other:
        return false;
    }
    return false;
}

void move_focus(WindowHost &window, bool forward)
{
    const auto order = tab_order();
    const int n = static_cast<int>(order.size());
    const std::string current = window.focused_control();
    // Not in the order: Tab starts at the first control, Shift+Tab at the last.
    int index = forward ? -1 : n;
    for (int i = 0; i < n; ++i)
        if (current == order[i])
            index = i;
    for (int step = 1; step <= n; ++step) {
        const char *next = order[((index + (forward ? step : -step)) % n + n) % n];
        if (window.can_take_focus(next)) {
            window.focus_control(next);
            return;
        }
    }
}

void restore_focus(WindowHost &window, std::string_view last)
{
    if (!last.empty() && window.can_take_focus(last)) {
        window.focus_control(last);
        return;
    }
    for (const char *name : tab_order()) {
        if (window.can_take_focus(name)) {
            window.focus_control(name);
            return;
        }
    }
}

bool left_press(WindowHost &window, std::string_view control)
{
    const Kind kind = kind_of(control);
    const bool moves = kind == Kind::Label || kind == Kind::GroupBox;
    if (control.empty() || moves)
        window.start_window_move();
    // On a label or group box the press goes no further; elsewhere it is the control's.
    if (moves)
        return false;
    if (!control.empty())
        raise_event(window, control, Event::LeftPress);
    return true;
}

} // namespace parvelo
