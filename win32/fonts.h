#pragma once

#include "gdi.h"
#include "hypertext.h"

#include <map>
#include <string>
#include <tuple>

namespace parvelo::win32 {

// A stored font: "宋体" (or the face named) at a character height in pixels, given to
// CreateFontW as a negative height, with the default character set, output and clipping
// precision, proof quality and default pitch.
Font make_font(int pixels, bool bold, bool underline = false, const std::wstring &face = L"宋体");

// Text measured and drawn in the fonts that hypertext styles name; the fonts are made
// once per style and kept.
class GdiTextMeasure final : public TextMeasure
{
public:
    GdiTextMeasure();
    int width(std::string_view text, const TextStyle &style) const override;
    int ascent(const TextStyle &style) const override;
    int height(const TextStyle &style) const override;

    HFONT font(const TextStyle &style) const;

private:
    MemoryDc dc;
    mutable std::map<std::tuple<std::string, int, bool, bool>, Font> fonts;
};

} // namespace parvelo::win32
