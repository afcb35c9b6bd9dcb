#pragma once

#include <span>
#include <string_view>

namespace parvelo {

enum class Kind { Label, Edit, Button, GroupBox, Picture, Hypertext, Timer };

// A stored font is always "宋体"; pixels 0 means the default font for controls.
struct FontSpec
{
    int pixels = 0;
    bool bold = false;
};

inline constexpr int default_colour = -1;

struct ControlSpec
{
    Kind kind;
    const char *name;
    const char *container; // nullptr: the window's client area
    int left, top, width, height;
    const char *text;
    int colour = default_colour; // 0xRRGGBB
    FontSpec font = {};
    bool centred = false; // edit boxes only
};

// Every control of the main window, in creation order (later ones draw above).
std::span<const ControlSpec> window_layout();

// The row of a control by name; nullptr for an unknown name.
const ControlSpec *find_control(std::string_view name);

// The fixed tab order of the 37 tab-stop controls.
std::span<const char *const> tab_order();

inline constexpr const char *window_title = "Tolvenar Parvelo V2010.05.29";
inline constexpr int window_outer_width = 916;
inline constexpr int window_outer_height = 491;

struct ScreenPosition
{
    int left, top;
};

// Top-left corner of a window of `outer` size centred on a screen of `screen` size:
// truncating division, also where the window is larger than the screen.
constexpr ScreenPosition centred_position(int screen_width, int screen_height,
                                          int outer_width = window_outer_width,
                                          int outer_height = window_outer_height)
{
    return {(screen_width - outer_width) / 2, (screen_height - outer_height) / 2};
}

// A layout length at `dpi` dots per inch; the table is drawn at 96, rounding to nearest.
constexpr int scaled(int pixels, int dpi)
{
    const long long product = static_cast<long long>(pixels) * dpi;
    return static_cast<int>(product >= 0 ? (product + 48) / 96 : -((-product + 48) / 96));
}

// A length in pixels at `dpi` back in the table's 96-dpi pixels.
constexpr int unscaled(int pixels, int dpi)
{
    const long long product = static_cast<long long>(pixels) * 96;
    const long long half = dpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / dpi : -((-product + half) / dpi));
}

// The usage notes shown in 简单超文本框2, and the style sheet of both hypertext views.
extern const char *const usage_notes;
extern const char *const default_style_sheet;

inline constexpr std::string_view link_bar_view = "简单超文本框1";
inline constexpr std::string_view usage_notes_view = "简单超文本框2";

} // namespace parvelo
