#pragma once

#include <QRgb>

#include <span>

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

// The fixed tab order of the 37 tab-stop controls.
std::span<const char *const> tab_order();

inline constexpr const char *window_title = "Tolvenar Parvelo V2010.05.29";
inline constexpr int window_outer_width = 916;
inline constexpr int window_outer_height = 491;

// The usage notes shown in 简单超文本框2, and the style sheet of both hypertext views.
extern const char *const usage_notes;
extern const char *const default_style_sheet;

} // namespace parvelo
