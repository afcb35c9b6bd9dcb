#include "fonts.h"

#include "wide.h"

namespace parvelo::win32 {

Font make_font(int pixels, bool bold, bool underline, const std::wstring &face)
{
    return Font(CreateFontW(-pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, underline, FALSE,
                            DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                            DEFAULT_PITCH, face.c_str()));
}

GdiTextMeasure::GdiTextMeasure()
    : dc(CreateCompatibleDC(nullptr))
{}

HFONT GdiTextMeasure::font(const TextStyle &style) const
{
    // The first family is the one asked for; GDI finds a substitute for it if it must.
    const std::string face = style.families.empty() ? "宋体" : style.families.front();
    auto key = std::make_tuple(face, style.pixels, style.bold, style.underline);
    auto it = fonts.find(key);
    if (it == fonts.end())
        it = fonts.emplace(key, make_font(style.pixels, style.bold, style.underline, widen(face)))
                 .first;
    return it->second.get();
}

int GdiTextMeasure::width(std::string_view text, const TextStyle &style) const
{
    const std::wstring wide = widen(text);
    const Selection selected(dc.get(), font(style));
    SIZE size = {};
    GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return static_cast<int>(size.cx);
}

int GdiTextMeasure::ascent(const TextStyle &style) const
{
    const Selection selected(dc.get(), font(style));
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc.get(), &metrics);
    return static_cast<int>(metrics.tmAscent);
}

int GdiTextMeasure::height(const TextStyle &style) const
{
    const Selection selected(dc.get(), font(style));
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc.get(), &metrics);
    return static_cast<int>(metrics.tmHeight);
}

} // namespace parvelo::win32
