#include "fonts.h"

#include "hypertext.h"

using namespace Qt::StringLiterals;

namespace parvelo {

namespace {

const QStringList song_faces = {u"AR PL UMing CN"_s, u"AR PL UMing TW"_s,
                                u"WenQuanYi Zen Hei Mono"_s, u"Noto Serif CJK SC"_s};

} // namespace

QStringList map_font_families(const QStringList &families)
{
    QStringList mapped;
    for (const QString &family : families) {
        if (family == u"宋体" || family.compare(u"SimSun", Qt::CaseInsensitive) == 0)
            mapped += song_faces;
        else
            mapped += family;
    }
    // Chinese text in a Latin face still needs a CJK fallback of the same kind.
    for (const QString &face : song_faces)
        if (!mapped.contains(face))
            mapped += face;
    return mapped;
}

QFont song_font(int pixels, bool bold)
{
    QFont font;
    font.setFamilies(map_font_families({u"宋体"_s}));
    font.setPixelSize(pixels);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleStrategy(QFont::PreferQuality);
    return font;
}

// Chinese Windows draws its controls in SimSun at 12 px.
QFont default_control_font()
{
    return song_font(12);
}

QFont font_of(const TextStyle &style)
{
    QStringList families;
    for (const std::string &family : style.families)
        families += QString::fromStdString(family);
    QFont font = song_font(style.pixels, style.bold);
    if (!families.isEmpty())
        font.setFamilies(map_font_families(families));
    font.setUnderline(style.underline);
    return font;
}

} // namespace parvelo
