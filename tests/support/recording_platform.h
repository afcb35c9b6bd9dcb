#pragma once

#include "platform.h"

#include <string>
#include <vector>

namespace parvelo::fakes {

// Records every request; answers as told.
class RecordingPlatform final : public Platform
{
public:
    struct ShellCall
    {
        std::string file, parameters;
        ShowState show;
    };

    bool create_process(const std::string &command_line) override
    {
        processes.push_back(command_line);
        return succeed;
    }
    bool shell_open(const std::string &file, const std::string &parameters, ShowState show) override
    {
        shell_calls.push_back({file, parameters, show});
        return succeed;
    }
    PointerPosition cursor_position() const override { return cursor; }

    bool succeed = true;
    PointerPosition cursor{-10000, -10000};
    std::vector<std::string> processes;
    std::vector<ShellCall> shell_calls;
};

} // namespace parvelo::fakes
