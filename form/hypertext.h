#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace parvelo {

class Platform;

// A piece of one line: plain text, or the label of link `link`.
struct HyperRun
{
    std::string text;
    int link = -1;
};

struct HyperDocument
{
    std::vector<std::vector<HyperRun>> lines;
    std::vector<std::string> targets; // by link index; ASCII letters in lower case
};

// Reads the content: LF breaks a line, CR does nothing, blanks stay as they are, and
// <a href=target>label</a> (tags in any case, target unquoted) makes a link.
HyperDocument parse_hypertext(std::string_view content);

struct TextStyle
{
    std::vector<std::string> families; // as the sheet names them, first choice first
    int pixels = 12;                   // character height at 96 dpi
    bool bold = false;
    std::uint32_t colour = 0x000000; // 0xRRGGBB
    bool underline = false;
};

struct HyperStyles
{
    TextStyle body;
    TextStyle link;  // a:link
    TextStyle hover; // a:hover
};

// The body, a:link and a:hover rules of a style sheet; the links inherit from the body.
HyperStyles read_style_sheet(std::string_view sheet);

// Text measurement in the front-end's fonts, in the view's own pixels.
class TextMeasure
{
public:
    virtual ~TextMeasure() = default;
    virtual int width(std::string_view text, const TextStyle &style) const = 0;
    virtual int ascent(const TextStyle &style) const = 0;
    virtual int height(const TextStyle &style) const = 0; // ascent + descent
};

// One run where it is drawn, in the view's pixels; `baseline` is the text's y.
struct HyperBox
{
    int left, top, width, height;
    int baseline;
    int link;
    std::string text;
};

// A hypertext view as both front-ends show it: the content laid out without wrapping
// from one pixel inside the client area, the hovered link, and what a press opens.
class HypertextModel
{
public:
    // `dpi` scales the sheet's sizes; `bordered` insets the client area by the thin
    // sunken border's one pixel.
    HypertextModel(const TextMeasure &measure, bool bordered, int dpi = 96);

    void set_style_sheet(std::string_view sheet);
    void set_content(std::string_view content);

    const HyperDocument &document() const { return doc; }
    const std::vector<HyperBox> &boxes() const { return laid_out; }
    // The style a box is drawn in, at the view's dpi.
    const TextStyle &style_of(const HyperBox &box) const;
    bool bordered() const { return border; }
    int hovered_link() const { return hovered; }

    // The link whose drawn label holds (x, y) in view pixels, or -1.
    int link_at(int x, int y) const;
    // The pointer moved to (x, y), or left the view: true when the view must repaint.
    bool pointer_moved(int x, int y);
    bool pointer_left();
    // Over a link with a non-empty target the pointer is a pointing hand.
    bool hand_at(int x, int y) const;
    // What a left press at (x, y) opens: the link's target, or empty for nothing.
    std::string target_at(int x, int y) const;

private:
    void lay_out();
    bool set_hovered(int link);

    const TextMeasure &measure;
    bool border;
    int dpi;
    HyperStyles styles;
    HyperDocument doc;
    std::vector<HyperBox> laid_out;
    int hovered = -1;
};

// A left press at (x, y) on a link with a non-empty target asks the shell to open it,
// with no parameters and no working folder; anywhere else it does nothing.
void press_link(const HypertextModel &view, Platform &platform, int x, int y);

} // namespace parvelo
