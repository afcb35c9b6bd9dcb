#pragma once

#include "platform.h"

namespace parvelo::fakes {

// Starts and opens nothing; the pointer is far from any window. For the programs that
// show the window for a picture or a measurement.
class InertPlatform final : public Platform
{
public:
    bool create_process(const std::string &) override { return false; }
    bool shell_open(const std::string &, const std::string &, ShowState) override { return false; }
    PointerPosition cursor_position() const override { return {-10000, -10000}; }
};

} // namespace parvelo::fakes
