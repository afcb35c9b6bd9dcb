#include "launch_table.h"

#include <array>

namespace parvelo {

namespace {

constexpr std::array<std::string_view, 6> calculators
    = {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc"};

struct Mapping
{
    std::string_view command_line;
    std::span<const std::string_view> programs;
};

constexpr std::array<Mapping, 1> mappings = {{
    {R"(c:\windows\system32\calc.exe)", calculators},
}};

constexpr std::array<std::string_view, 3> openers
    = {"xdg-open", "x-www-browser", "sensible-browser"};

} // namespace

std::span<const std::string_view> programs_for_command_line(std::string_view command_line)
{
    for (const Mapping &m : mappings)
        if (m.command_line == command_line)
            return m.programs;
    return {};
}

std::span<const std::string_view> address_openers()
{
    return openers;
}

} // namespace parvelo
