#pragma once

#include <memory>
#include <string>

namespace parvelo {

// Show states of the shell calls, as the desktop understands them.
enum class ShowState { Show, ShowNormal };

struct PointerPosition
{
    int x, y;
};

// What the program asks of the operating system. One implementation per OS; tests
// inject a recording fake.
class Platform
{
public:
    virtual ~Platform() = default;

    // Starts a program from a fixed command line and does not wait for it to end.
    // False when nothing could be started; the caller reports nothing either way.
    virtual bool create_process(const std::string &command_line) = 0;

    // The shell's "open" verb: `file` opened with `parameters` (may be empty).
    virtual bool shell_open(const std::string &file, const std::string &parameters, ShowState show)
        = 0;

    // The pointer position in screen pixels.
    virtual PointerPosition cursor_position() const = 0;
};

std::unique_ptr<Platform> make_desktop_platform();

} // namespace parvelo
