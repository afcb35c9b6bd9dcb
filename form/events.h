#pragma once

#include <span>
#include <string_view>

namespace parvelo {

class WindowHost;

enum class Event { Created, Clicked, LeftPress, Tick };

// What an event runs: the window and the name of the control that raised it.
using Operation = void (*)(WindowHost &window, std::string_view control);

struct EventBinding
{
    std::string_view control; // empty: the main window itself
    Event event;
    Operation operation;
};

// Every event the program handles; no other event has an operation.
std::span<const EventBinding> event_table();

// Runs what the table binds to `event` of `control`, to completion. False when the table
// binds nothing to it.
bool raise_event(WindowHost &window, std::string_view control, Event event);

void launch_calculator(WindowHost &window, std::string_view control);
void open_banner_page(WindowHost &window, std::string_view control);

inline constexpr std::string_view calculator_command_line = R"(c:\windows\system32\calc.exe)";
// The banner's web address, a search engine's home page.
inline constexpr const char *banner_address = "https://www.baidu.com/";

} // namespace parvelo
