// The desktop services of Windows: the calls the program was designed around.
#ifdef _WIN32

#include "platform.h"

#include <shellapi.h>
#include <shlwapi.h>
#include <windows.h>

#include <vector>

namespace parvelo {

namespace {

int show_command(ShowState show)
{
    return show == ShowState::Show ? SW_SHOW : SW_SHOWNORMAL;
}

// The command registered for web pages, with `target` as its argument.
bool open_with_web_page_handler(const std::string &target)
{
    char command[MAX_PATH * 2] = {};
    DWORD size = sizeof command;
    if (AssocQueryStringA(ASSOCF_NONE, ASSOCSTR_COMMAND, ".htm", "open", command, &size) != S_OK)
        return false;
    std::string line(command);
    if (const auto marker = line.find("%1"); marker != std::string::npos)
        line.replace(marker, 2, target);
    else
        line += " \"" + target + "\"";
    std::vector<char> buffer(line.begin(), line.end());
    buffer.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

class WindowsDesktop final : public Platform
{
public:
    bool create_process(const std::string &command_line) override
    {
        std::vector<char> buffer(command_line.begin(), command_line.end());
        buffer.push_back('\0');
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION process = {};
        if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process))
            return false;
        WaitForInputIdle(process.hProcess, 1000);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        return true;
    }

    bool shell_open(const std::string &file, const std::string &parameters, ShowState show) override
    {
        const auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(
            nullptr, "open", file.c_str(), parameters.empty() ? nullptr : parameters.c_str(), "",
            show_command(show)));
        if (result > 32)
            return true;
        return parameters.empty() && open_with_web_page_handler(file);
    }

    QPoint cursor_position() const override
    {
        POINT p = {};
        GetCursorPos(&p);
        return {static_cast<int>(p.x), static_cast<int>(p.y)};
    }
};

} // namespace

std::unique_ptr<Platform> make_desktop_platform()
{
    return std::make_unique<WindowsDesktop>();
}

} // namespace parvelo

#endif
