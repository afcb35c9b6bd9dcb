#pragma once

#include <string>
#include <string_view>

namespace parvelo {

// The window's edit boxes as the engine sees them: texts by control name, kept
// exactly as written.
class Fields
{
public:
    virtual ~Fields() = default;
    virtual std::string read(std::string_view name) const = 0;
    virtual void write(std::string_view name, std::string_view text) = 0;
};

} // namespace parvelo
