#pragma once

#include <string_view>

namespace parvelo {

class MainWindow;

enum class Event { Created, Clicked, LeftPress, Tick };

// What an event runs: the window and the name of the control that raised it.
using Operation = void (*)(MainWindow &window, std::string_view control);

struct EventBinding
{
    std::string_view control; // empty: the main window itself
    Event event;
    Operation operation;
};

// Connects the clicks, presses and ticks of the table to their operations.
void connect_events(MainWindow &window);

// Raises the created event: runs its operations to completion.
void raise_created(MainWindow &window);

void launch_calculator(MainWindow &window, std::string_view control);
void open_banner_page(MainWindow &window, std::string_view control);

// The banner's web address, a search engine's home page.
inline constexpr const char *banner_address = "https://www.baidu.com/";

} // namespace parvelo
