#include "fonts.h"

#include "hypertext.h"

#include <QFontDatabase>

using namespace Qt::StringLiterals;

namespace parvelo {

namespace {

const QStringList song_faces = {u"AR PL UMing CN"_s, u"AR PL UMing TW"_s,
                                u"WenQuanYi Zen Hei Mono"_s, u"Noto Serif CJK SC"_s};

bool is_song(const QString &family)
{
    return family == u"宋体" || family.compare(u"SimSun", Qt::CaseInsensitive) == 0;
}

// The first installed of the Song faces alone: one face is one font match and one set
// of glyphs, where a list would be matched and kept face by face.
const QStringList &installed_song_face()
{
    static const QStringList face = [] {
        for (const QString &candidate : song_faces)
            if (QFontDatabase::hasFamily(candidate))
                return QStringList{candidate};
        return song_faces;
    }();
    return face;
}

} // namespace

QStringList map_font_families(const QStringList &families)
{
    QStringList mapped;
    for (const QString &family : families) {
        if (is_song(family))
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
    font.setFamilies(installed_song_face());
    font.setPixelSize(pixels);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    // SimSun draws its small sizes from hand-made bitmaps, unsmoothed; the Song face has
    // such bitmaps from 11 to 16 px, which it only draws when not antialiased.
    font.setStyleStrategy(pixels == 12 ? QFont::NoAntialias : QFont::PreferQuality);
    if (pixels != 12)
        font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Chinese Windows draws its controls in SimSun at 12 px.
QFont default_control_font()
{
    return song_font(12);
}

QFont font_of(const TextStyle &style)
{
    QFont font = song_font(style.pixels, style.bold);
    // A sheet naming "宋体" first is the stored font; any other face is asked for by name.
    if (!style.families.empty() && !is_song(QString::fromStdString(style.families.front()))) {
        QStringList families;
        for (const std::string &family : style.families)
            families += QString::fromStdString(family);
        font.setFamilies(map_font_families(families));
    }
    font.setUnderline(style.underline);
    return font;
}

} // namespace parvelo
