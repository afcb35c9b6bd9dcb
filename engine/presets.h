#pragma once

#include <span>
#include <string_view>

namespace parvelo {

// One board/frame combination. Board sizes follow the board type, the allowance the
// frame profile; the caption is only shown, never parsed.
struct BoardPreset
{
    std::string_view button;
    std::string_view caption;
    std::string_view board_type;
    std::string_view frame_profile;
    double board_width;     // metres, along the screen length
    double board_height;    // metres
    double frame_allowance; // metres, added once to each screen dimension
};

std::span<const BoardPreset> board_presets();

// nullptr when the button applies no preset (按钮10 starts the calculator).
const BoardPreset *find_preset(std::string_view button);

} // namespace parvelo
