#include "events.h"

#include "estimate.h"
#include "platform.h"
#include "window_host.h"

#include <array>

namespace parvelo {

namespace {

void run_preset(WindowHost &window, std::string_view button)
{
    if (const BoardPreset *preset = find_preset(button))
        compute_estimate(*preset, window);
}

void run_build_link_bar(WindowHost &window, std::string_view)
{
    build_link_bar(window);
}

void run_scroll_step(WindowHost &window, std::string_view)
{
    scroll_step(window);
}

void run_hover_check(WindowHost &window, std::string_view)
{
    hover_check(window);
}

constexpr std::array<EventBinding, 20> bindings = {{
    {"", Event::Created, run_build_link_bar},      {"按钮1", Event::Clicked, run_preset},
    {"按钮2", Event::Clicked, run_preset},         {"按钮3", Event::Clicked, run_preset},
    {"按钮4", Event::Clicked, run_preset},         {"按钮5", Event::Clicked, run_preset},
    {"按钮6", Event::Clicked, run_preset},         {"按钮7", Event::Clicked, run_preset},
    {"按钮8", Event::Clicked, run_preset},         {"按钮9", Event::Clicked, run_preset},
    {"按钮11", Event::Clicked, run_preset},        {"按钮12", Event::Clicked, run_preset},
    {"按钮13", Event::Clicked, run_preset},        {"按钮14", Event::Clicked, run_preset},
    {"按钮15", Event::Clicked, run_preset},        {"按钮16", Event::Clicked, run_preset},
    {"按钮10", Event::Clicked, launch_calculator}, {"图片框1", Event::LeftPress, open_banner_page},
    {"时钟1", Event::Tick, run_scroll_step},       {"时钟2", Event::Tick, run_hover_check},
}};

} // namespace

std::span<const EventBinding> event_table()
{
    return bindings;
}

bool raise_event(WindowHost &window, std::string_view control, Event event)
{
    bool bound = false;
    for (const EventBinding &b : bindings) {
        if (b.event == event && b.control == control) {
            b.operation(window, control);
            bound = true;
        }
    }
    return bound;
}

void launch_calculator(WindowHost &window, std::string_view)
{
    window.platform().create_process(std::string(calculator_command_line));
}

void open_banner_page(WindowHost &window, std::string_view)
{
    window.platform().shell_open("explorer.exe", banner_address, ShowState::ShowNormal);
}

} // namespace parvelo
