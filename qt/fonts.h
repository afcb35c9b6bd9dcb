#pragma once

#include <QFont>
#include <QStringList>

namespace parvelo {

struct TextStyle;

// "宋体" (SimSun) is not on a free desktop: it maps to an installed Song face with the
// same metrics at 12 px (ASCII 6 px wide, CJK 12 px). Fallback through the locale would
// pick a Japanese face instead.
QStringList map_font_families(const QStringList &families);

// A stored font: "宋体" at a character height in pixels.
QFont song_font(int pixels, bool bold = false);

// The default font for controls.
QFont default_control_font();

// The font of a hypertext style.
QFont font_of(const TextStyle &style);

} // namespace parvelo
