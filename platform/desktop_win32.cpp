// The desktop services of Windows: the calls the program was designed around, in their
// wide forms so that every text survives whatever the system's code page is.
#ifdef _WIN32

#include <windows.h>

#include <shellapi.h>
#include <shlwapi.h>

#include "platform.h"
#include "wide.h"

#include <string>
#include <vector>

namespace parvelo {

namespace {

int show_command(ShowState show)
{
    return show == ShowState::Show ? SW_SHOW : SW_SHOWNORMAL;
}

// Starts a command line as it is: no search of the path, no arguments of ours.
bool start(std::wstring command_line, bool wait_until_idle)
{
    std::vector<wchar_t> buffer(command_line.begin(), command_line.end());
    buffer.push_back(L'\0');
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    if (wait_until_idle)
        WaitForInputIdle(process.hProcess, 1000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return true;
}

// The command registered for web pages, with `target` as its argument.
bool open_with_web_page_handler(const std::wstring &target)
{
    // The target becomes one argument: a quote in it could end that argument early.
    if (target.find(L'"') != std::wstring::npos)
        return false;
    wchar_t command[MAX_PATH * 2] = {};
    DWORD size = ARRAYSIZE(command);
    if (AssocQueryStringW(ASSOCF_NONE, ASSOCSTR_COMMAND, L".htm", L"open", command, &size) != S_OK)
        return false;
    std::wstring line(command);
    if (const auto marker = line.find(L"%1"); marker != std::wstring::npos)
        line.replace(marker, 2, target);
    else
        line += L" \"" + target + L"\"";
    return start(line, false);
}

class WindowsDesktop final : public Platform
{
public:
    bool create_process(const std::string &command_line) override
    {
        return start(widen(command_line), true);
    }

    bool shell_open(const std::string &file, const std::string &parameters, ShowState show) override
    {
        const std::wstring wide_file = widen(file);
        const std::wstring wide_parameters = widen(parameters);
        const auto result = reinterpret_cast<INT_PTR>(
            ShellExecuteW(nullptr, L"open", wide_file.c_str(),
                          parameters.empty() ? nullptr : wide_parameters.c_str(),
                          parameters.empty() ? nullptr : L"", show_command(show)));
        if (result > 32)
            return true;
        return parameters.empty() && open_with_web_page_handler(wide_file);
    }

    PointerPosition cursor_position() const override
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
