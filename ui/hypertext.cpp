#include "hypertext.h"

#include "fonts.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace parvelo {

namespace {

bool is_blank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

QString ascii_lower(QStringView text)
{
    QString out = text.toString();
    for (QChar &c : out)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + ('a' - 'A'));
    return out;
}

// The target of an opening tag "<a href=...>" starting at `pos`, and the index just
// past its '>'; -1 when the text there is no such tag.
qsizetype read_link_tag(QStringView content, qsizetype pos, QString &target)
{
    static constexpr QStringView opening = u"<a";
    if (!content.sliced(pos).startsWith(opening, Qt::CaseInsensitive))
        return -1;
    qsizetype i = pos + opening.size();
    if (i >= content.size() || !is_blank(content[i]))
        return -1;
    const qsizetype close = content.indexOf(u'>', i);
    if (close < 0)
        return -1;
    const QStringView attributes = content.sliced(i, close - i);
    target.clear();
    const qsizetype href = attributes.indexOf(u"href", 0, Qt::CaseInsensitive);
    if (href >= 0) {
        qsizetype j = href + 4;
        while (j < attributes.size() && is_blank(attributes[j]))
            ++j;
        if (j < attributes.size() && attributes[j] == u'=') {
            ++j;
            while (j < attributes.size() && is_blank(attributes[j]))
                ++j;
            const qsizetype start = j;
            while (j < attributes.size() && !is_blank(attributes[j]))
                ++j;
            target = ascii_lower(attributes.sliced(start, j - start));
        }
    }
    return close + 1;
}

QColor css_colour(QStringView value)
{
    const QColor colour = QColor::fromString(value.trimmed());
    return colour.isValid() ? colour : QColor(Qt::black);
}

QStringList css_families(QStringView value)
{
    QStringList families;
    for (QStringView part : value.split(u',')) {
        part = part.trimmed();
        if (part.size() >= 2 && part.startsWith(u'"') && part.endsWith(u'"'))
            part = part.sliced(1, part.size() - 2);
        if (!part.isEmpty())
            families += part.toString();
    }
    return families;
}

// Applies "name:value; ..." to a style; sizes in pt become pixels at 96 dpi.
void apply_declarations(QStringView declarations, TextStyle &style)
{
    for (QStringView declaration : declarations.split(u';')) {
        const qsizetype colon = declaration.indexOf(u':');
        if (colon < 0)
            continue;
        const QStringView name = declaration.first(colon).trimmed();
        const QStringView value = declaration.sliced(colon + 1).trimmed();
        if (name == u"color") {
            style.colour = css_colour(value);
        } else if (name == u"text-decoration") {
            style.underline = value == u"underline";
        } else if (name == u"font-family") {
            style.font.setFamilies(map_font_families(css_families(value)));
        } else if (name == u"font-weight") {
            style.font.setBold(value == u"bold");
        } else if (name == u"font-size" && value.endsWith(u"pt")) {
            bool ok = false;
            const double points = value.chopped(2).toDouble(&ok);
            if (ok && points > 0)
                style.font.setPixelSize(static_cast<int>(std::lround(points * 96 / 72)));
        }
    }
}

} // namespace

HyperDocument parse_hypertext(QStringView content)
{
    HyperDocument doc;
    doc.lines.emplaceBack();
    int open_link = -1;
    QString run;
    const auto flush = [&] {
        if (!run.isEmpty())
            doc.lines.back().append({run, open_link});
        run.clear();
    };
    for (qsizetype i = 0; i < content.size();) {
        const QChar c = content[i];
        if (c == u'\n') {
            flush();
            doc.lines.emplaceBack();
            ++i;
        } else if (c == u'\r') {
            ++i;
        } else if (c == u'<' && content.sliced(i).startsWith(u"</a>", Qt::CaseInsensitive)) {
            flush();
            open_link = -1;
            i += 4;
        } else if (QString target; c == u'<' && open_link < 0) {
            const qsizetype end = read_link_tag(content, i, target);
            if (end < 0) {
                run += c;
                ++i;
                continue;
            }
            flush();
            open_link = static_cast<int>(doc.targets.size());
            doc.targets += target;
            i = end;
        } else {
            run += c;
            ++i;
        }
    }
    flush();
    return doc;
}

HyperStyles read_style_sheet(QStringView sheet)
{
    HyperStyles styles;
    styles.body.font = default_control_font();
    styles.body.colour = Qt::black;
    TextStyle *const targets[] = {&styles.body, &styles.link, &styles.hover};
    const QStringView selectors[] = {u"body", u"a:link", u"a:hover"};

    // The links take what the body sets, then their own rules.
    for (int pass = 0; pass < 3; ++pass) {
        if (pass > 0)
            *targets[pass] = styles.body;
        for (QStringView line : sheet.split(u'\n')) {
            const qsizetype open = line.indexOf(u'{');
            const qsizetype close = line.lastIndexOf(u'}');
            if (open < 0 || close < open)
                continue;
            if (line.first(open).trimmed().compare(selectors[pass], Qt::CaseInsensitive) != 0)
                continue;
            apply_declarations(line.sliced(open + 1, close - open - 1), *targets[pass]);
        }
    }
    return styles;
}

} // namespace parvelo
