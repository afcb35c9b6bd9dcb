// The desktop services of Linux and other X11 desktops. Programs are started from
// argument lists, never through a shell, so no address can smuggle in a command.
#ifndef _WIN32

#include "launch_table.h"
#include "platform.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <cstdlib>
#include <limits>
#include <vector>

namespace parvelo {

namespace {

std::string find_executable(std::string_view name)
{
    const char *path = std::getenv("PATH");
    std::string_view folders = path ? path : "/usr/bin:/bin";
    while (true) {
        const std::size_t colon = folders.find(':');
        const std::string_view folder = folders.substr(0, colon);
        std::string candidate = std::string(folder.empty() ? "." : folder) + "/";
        candidate += name;
        struct stat info = {};
        if (stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode)
            && access(candidate.c_str(), X_OK) == 0)
            return candidate;
        if (colon == std::string_view::npos)
            return {};
        folders.remove_prefix(colon + 1);
    }
}

// Starts `path` detached (its parent is gone at once, so no zombie is left) and reports
// whether the program itself was executed.
bool start_detached(const std::string &path, const std::vector<std::string> &args)
{
    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(path.c_str()));
    for (const std::string &arg : args)
        argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);

    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return false;
    const pid_t child = fork();
    if (child < 0) {
        close(report[0]);
        close(report[1]);
        return false;
    }
    if (child == 0) {
        // Only async-signal-safe calls from here on.
        setsid();
        const pid_t program = fork();
        if (program == 0)
            execv(argv[0], argv.data());
        if (program <= 0) {
            const int error = errno;
            (void)!write(report[1], &error, sizeof error);
        }
        _exit(program > 0 ? 0 : 127);
    }
    close(report[1]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got;
    while ((got = read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    close(report[0]);
    return got == 0;
}

bool start_first_installed(std::span<const std::string_view> programs,
                           const std::vector<std::string> &args)
{
    for (const std::string_view name : programs)
        if (const std::string path = find_executable(name); !path.empty())
            return start_detached(path, args);
    return false;
}

class PosixDesktop final : public Platform
{
public:
    ~PosixDesktop() override
    {
        if (display)
            xcb_disconnect(display);
    }

    bool create_process(const std::string &command_line) override
    {
        return start_first_installed(programs_for_command_line(command_line), {});
    }

    bool shell_open(const std::string &file, const std::string &parameters, ShowState) override
    {
        // "explorer.exe" with an address is how the banner asks for a web page.
        const std::string &target = file == "explorer.exe" ? parameters : file;
        // A leading '-' would read as an option to the opener.
        if (target.empty() || target.front() == '-')
            return false;
        for (const std::string_view opener : address_openers())
            if (const std::string path = find_executable(opener); !path.empty())
                if (start_detached(path, {target}))
                    return true;
        return false;
    }

    PointerPosition cursor_position() const override
    {
        // Without a display the pointer is nowhere near any window.
        constexpr PointerPosition nowhere{std::numeric_limits<int>::min(),
                                          std::numeric_limits<int>::min()};
        if (!connect())
            return nowhere;
        xcb_query_pointer_reply_t *reply
            = xcb_query_pointer_reply(display, xcb_query_pointer(display, root), nullptr);
        if (!reply)
            return nowhere;
        const PointerPosition p{reply->root_x, reply->root_y};
        std::free(reply);
        return p;
    }

private:
    // One connection for the whole run: the pointer is read five times a second.
    bool connect() const
    {
        if (display || tried)
            return display != nullptr;
        tried = true;
        int number = 0;
        xcb_connection_t *c = xcb_connect(nullptr, &number);
        if (xcb_connection_has_error(c)) {
            xcb_disconnect(c);
            return false;
        }
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
        for (int i = 0; i < number && screens.rem; ++i)
            xcb_screen_next(&screens);
        if (!screens.rem) {
            xcb_disconnect(c);
            return false;
        }
        root = screens.data->root;
        display = c;
        return true;
    }

    mutable xcb_connection_t *display = nullptr;
    mutable xcb_window_t root = 0;
    mutable bool tried = false;
};

} // namespace

std::unique_ptr<Platform> make_desktop_platform()
{
    return std::make_unique<PosixDesktop>();
}

} // namespace parvelo

#endif
