#include "hypertext.h"

#include "layout.h"
#include "platform.h"

#include <array>
#include <charconv>
#include <cmath>

namespace parvelo {

namespace {

bool is_blank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

char ascii_lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

bool starts_with_nocase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (ascii_lower(text[i]) != ascii_lower(prefix[i]))
            return false;
    return true;
}

bool equal_nocase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && starts_with_nocase(a, b);
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && is_blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::size_t find_nocase(std::string_view text, std::string_view word)
{
    for (std::size_t i = 0; i + word.size() <= text.size(); ++i)
        if (starts_with_nocase(text.substr(i), word))
            return i;
    return std::string_view::npos;
}

// The unquoted href value of a tag's attributes: blanks around the '=' are skipped and
// the value ends at the first blank.
std::string href_of(std::string_view attributes)
{
    const std::size_t href = find_nocase(attributes, "href");
    if (href == std::string_view::npos)
        return {};
    std::size_t j = href + 4;
    while (j < attributes.size() && is_blank(attributes[j]))
        ++j;
    if (j >= attributes.size() || attributes[j] != '=')
        return {};
    ++j;
    while (j < attributes.size() && is_blank(attributes[j]))
        ++j;
    std::string target;
    while (j < attributes.size() && !is_blank(attributes[j]))
        target += ascii_lower(attributes[j++]);
    return target;
}

// Finds each '>' at most once over the whole content, however many tags stay unclosed:
// positions only grow, so a '>' found earlier still serves while it lies ahead, and none
// found from an earlier start means none from here.
class CloseFinder
{
public:
    explicit CloseFinder(std::string_view content)
        : content(content)
    {}
    std::size_t next_from(std::size_t pos)
    {
        if (!searched || (found != std::string_view::npos && found < pos)) {
            found = content.find('>', pos);
            searched = true;
        }
        return found;
    }

private:
    std::string_view content;
    std::size_t found = std::string_view::npos;
    bool searched = false;
};

struct NamedColour
{
    std::string_view name;
    std::uint32_t rgb;
};

constexpr std::array<NamedColour, 16> named_colours = {{
    {"black", 0x000000},
    {"silver", 0xC0C0C0},
    {"gray", 0x808080},
    {"white", 0xFFFFFF},
    {"maroon", 0x800000},
    {"red", 0xFF0000},
    {"purple", 0x800080},
    {"fuchsia", 0xFF00FF},
    {"green", 0x008000},
    {"lime", 0x00FF00},
    {"olive", 0x808000},
    {"yellow", 0xFFFF00},
    {"navy", 0x000080},
    {"blue", 0x0000FF},
    {"teal", 0x008080},
    {"aqua", 0x00FFFF},
}};

// #rgb, #rrggbb or a basic colour name; anything else reads as black.
std::uint32_t css_colour(std::string_view value)
{
    if (!value.empty() && value.front() == '#') {
        std::uint32_t rgb = 0;
        const std::string_view hex = value.substr(1);
        const auto [end, error] = std::from_chars(hex.data(), hex.data() + hex.size(), rgb, 16);
        if (error != std::errc() || end != hex.data() + hex.size())
            return 0;
        if (hex.size() == 6)
            return rgb;
        if (hex.size() == 3)
            return ((rgb >> 8) & 0xF) * 0x110000 + ((rgb >> 4) & 0xF) * 0x1100 + (rgb & 0xF) * 0x11;
        return 0;
    }
    for (const NamedColour &c : named_colours)
        if (equal_nocase(value, c.name))
            return c.rgb;
    return 0;
}

std::vector<std::string> css_families(std::string_view value)
{
    std::vector<std::string> families;
    while (!value.empty()) {
        const std::size_t comma = value.find(',');
        std::string_view part = trimmed(value.substr(0, comma));
        if (part.size() >= 2 && part.front() == '"' && part.back() == '"')
            part = part.substr(1, part.size() - 2);
        if (!part.empty())
            families.emplace_back(part);
        if (comma == std::string_view::npos)
            break;
        value.remove_prefix(comma + 1);
    }
    return families;
}

// Applies "name:value; ..." to a style; sizes in pt become pixels at 96 dpi.
void apply_declarations(std::string_view declarations, TextStyle &style)
{
    while (!declarations.empty()) {
        const std::size_t semicolon = declarations.find(';');
        const std::string_view declaration = declarations.substr(0, semicolon);
        declarations.remove_prefix(semicolon == std::string_view::npos ? declarations.size()
                                                                       : semicolon + 1);
        const std::size_t colon = declaration.find(':');
        if (colon == std::string_view::npos)
            continue;
        const std::string_view name = trimmed(declaration.substr(0, colon));
        const std::string_view value = trimmed(declaration.substr(colon + 1));
        if (name == "color") {
            style.colour = css_colour(value);
        } else if (name == "text-decoration") {
            style.underline = value == "underline";
        } else if (name == "font-family") {
            style.families = css_families(value);
        } else if (name == "font-weight") {
            style.bold = value == "bold";
        } else if (name == "font-size" && value.ends_with("pt")) {
            double points = 0;
            const char *end = value.data() + value.size() - 2;
            const auto result = std::from_chars(value.data(), end, points);
            // A size that rounds to no pixel at all is no size.
            const long pixels = result.ec == std::errc() && result.ptr == end && points < 1000
                                    ? std::lround(points * 96 / 72)
                                    : 0;
            if (pixels >= 1)
                style.pixels = static_cast<int>(pixels);
        }
    }
}

} // namespace

HyperDocument parse_hypertext(std::string_view content)
{
    HyperDocument doc;
    doc.lines.emplace_back();
    int open_link = -1;
    std::string run;
    const auto flush = [&] {
        if (!run.empty())
            doc.lines.back().push_back({run, open_link});
        run.clear();
    };
    CloseFinder closes(content);
    for (std::size_t i = 0; i < content.size();) {
        const char c = content[i];
        const std::string_view rest = content.substr(i);
        if (c == '\n') {
            flush();
            doc.lines.emplace_back();
            ++i;
        } else if (c == '\r') {
            ++i;
        } else if (c == '<' && starts_with_nocase(rest, "</a>")) {
            flush();
            open_link = -1;
            i += 4;
        } else if (c == '<' && open_link < 0 && starts_with_nocase(rest, "<a") && rest.size() > 2
                   && is_blank(rest[2])) {
            const std::size_t close = closes.next_from(i + 2);
            if (close == std::string_view::npos) {
                run += c;
                ++i;
                continue;
            }
            flush();
            open_link = static_cast<int>(doc.targets.size());
            doc.targets.push_back(href_of(content.substr(i + 2, close - i - 2)));
            i = close + 1;
        } else {
            run += c;
            ++i;
        }
    }
    flush();
    return doc;
}

HyperStyles read_style_sheet(std::string_view sheet)
{
    HyperStyles styles;
    TextStyle *const targets[] = {&styles.body, &styles.link, &styles.hover};
    constexpr std::string_view selectors[] = {"body", "a:link", "a:hover"};

    // The links take what the body sets, then their own rules.
    for (int pass = 0; pass < 3; ++pass) {
        if (pass > 0)
            *targets[pass] = styles.body;
        std::string_view lines = sheet;
        while (!lines.empty()) {
            const std::size_t newline = lines.find('\n');
            const std::string_view line = lines.substr(0, newline);
            lines.remove_prefix(newline == std::string_view::npos ? lines.size() : newline + 1);
            const std::size_t open = line.find('{');
            const std::size_t close = line.rfind('}');
            if (open == std::string_view::npos || close == std::string_view::npos || close < open)
                continue;
            if (!equal_nocase(trimmed(line.substr(0, open)), selectors[pass]))
                continue;
            apply_declarations(line.substr(open + 1, close - open - 1), *targets[pass]);
        }
    }
    return styles;
}

HypertextModel::HypertextModel(const TextMeasure &measure, bool bordered, int dpi)
    : measure(measure)
    , border(bordered)
    , dpi(dpi)
{
    set_style_sheet({});
}

void HypertextModel::set_style_sheet(std::string_view sheet)
{
    styles = read_style_sheet(sheet);
    for (TextStyle *style : {&styles.body, &styles.link, &styles.hover})
        style->pixels = scaled(style->pixels, dpi);
    lay_out();
}

void HypertextModel::set_content(std::string_view content)
{
    doc = parse_hypertext(content);
    hovered = -1;
    lay_out();
}

const TextStyle &HypertextModel::style_of(const HyperBox &box) const
{
    return box.link < 0 ? styles.body : box.link == hovered ? styles.hover : styles.link;
}

void HypertextModel::lay_out()
{
    laid_out.clear();
    // A browser's normal line height: about 1.2 of the font size.
    const int line_height = static_cast<int>(std::ceil(styles.body.pixels * 1.25));
    const int baseline
        = (line_height - measure.height(styles.body)) / 2 + measure.ascent(styles.body);
    // One pixel inside the client area, which the border insets by its own pixel.
    const int inset = border ? 2 : 1;
    int y = inset;
    for (const std::vector<HyperRun> &line : doc.lines) {
        int x = inset;
        for (const HyperRun &run : line) {
            const int width = measure.width(run.text, run.link < 0 ? styles.body : styles.link);
            laid_out.push_back({x, y, width, line_height, y + baseline, run.link, run.text});
            x += width;
        }
        y += line_height;
    }
}

int HypertextModel::link_at(int x, int y) const
{
    for (const HyperBox &box : laid_out)
        if (box.link >= 0 && x >= box.left && x < box.left + box.width && y >= box.top
            && y < box.top + box.height)
            return box.link;
    return -1;
}

bool HypertextModel::set_hovered(int link)
{
    if (link == hovered)
        return false;
    hovered = link;
    return true;
}

bool HypertextModel::pointer_moved(int x, int y)
{
    return set_hovered(link_at(x, y));
}

bool HypertextModel::pointer_left()
{
    return set_hovered(-1);
}

bool HypertextModel::hand_at(int x, int y) const
{
    const int link = link_at(x, y);
    return link >= 0 && !doc.targets[static_cast<std::size_t>(link)].empty();
}

std::string HypertextModel::target_at(int x, int y) const
{
    const int link = link_at(x, y);
    return link >= 0 ? doc.targets[static_cast<std::size_t>(link)] : std::string();
}

void press_link(const HypertextModel &view, Platform &platform, int x, int y)
{
    if (const std::string target = view.target_at(x, y); !target.empty())
        platform.shell_open(target, {}, ShowState::Show);
}

} // namespace parvelo
