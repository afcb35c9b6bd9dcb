#include "hypertext.h"
#include "layout.h"
#include "recording_platform.h"
#include "text.h"

#include <gtest/gtest.h>

using namespace parvelo;

namespace {

std::string runs_of(const HyperDocument &doc)
{
    // Lines joined by '|', link runs in brackets.
    std::string out;
    for (std::size_t i = 0; i < doc.lines.size(); ++i) {
        if (i > 0)
            out += '|';
        for (const HyperRun &run : doc.lines[i])
            out += run.link < 0 ? run.text : "[" + run.text + "]";
    }
    return out;
}

TEST(ParseHypertext, LinesBlanksAndLinks)
{
    struct Case
    {
        std::string content;
        std::string runs;
        std::vector<std::string> targets;
    };
    const Case cases[] = {
        {"", "", {}},
        {"a\r\nb", "a|b", {}},
        {"a\rb", "ab", {}}, // CR alone does nothing
        {"     x", "     x", {}},
        {"  <a href=http://x.example/ >AB</a>  ", "  [AB]  ", {"http://x.example/"}},
        {"<A HREF=  Http://X.example/Q?a=1&Site=b>L</A>",
         "[L]",
         {"http://x.example/q?a=1&site=b"}}, // tags in any case, target lower-cased
        {"<a href=>empty</a>", "[empty]", {""}},
        {"<a name=x>no href</a>", "[no href]", {""}},
        {"<b>x</b>", "<b>x</b>", {}}, // other markup is text
        {"<a href=a>1</a><a href=b>2</a>", "[1][2]", {"a", "b"}},
        {"<a href=链接>中文</a>", "[中文]", {"链接"}}, // only ASCII letters change case
        {"x <a href=y", "x <a href=y", {}},            // a tag that never closes is text
        {"<a href=a>1\n2</a>", "[1]|[2]", {"a"}},      // a link may run over a line break
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.content);
        const HyperDocument doc = parse_hypertext(c.content);
        EXPECT_EQ(runs_of(doc), c.runs);
        EXPECT_EQ(doc.targets, c.targets);
    }
}

TEST(ParseHypertext, UsageNotesKeepSevenLines)
{
    const HyperDocument doc = parse_hypertext(usage_notes);
    ASSERT_EQ(doc.lines.size(), 7u);
    EXPECT_TRUE(doc.lines[5].empty());
    EXPECT_TRUE(
        doc.lines[6][0].text.starts_with("     电源按5V40A来计算，单元板按每张5A来计算,实际"));
}

TEST(StyleSheet, BodyAndLinkRules)
{
    const HyperStyles styles = read_style_sheet(default_style_sheet);
    EXPECT_EQ(styles.body.pixels, 12); // 9 pt at 96 dpi
    EXPECT_EQ(styles.body.colour, 0x000000u);
    EXPECT_EQ(styles.body.families, (std::vector<std::string>{"宋体", "Verdana"}));
    EXPECT_FALSE(styles.body.bold);
    EXPECT_EQ(styles.link.colour, 0x0000FFu);
    EXPECT_FALSE(styles.link.underline);
    EXPECT_TRUE(styles.hover.underline);
    EXPECT_EQ(styles.hover.colour, 0x0000FFu);
    EXPECT_EQ(styles.hover.pixels, 12); // inherited from the body
    EXPECT_EQ(styles.hover.families, styles.body.families);
}

TEST(StyleSheet, ValuesAndOddRules)
{
    struct Case
    {
        std::string sheet;
        std::uint32_t colour;
        int pixels;
        bool bold;
    };
    const Case cases[] = {
        {"body {color:#ff9900}", 0xFF9900, 12, false},
        {"BODY {color:#f90; font-size:12pt; font-weight:bold}", 0xFF9900, 16, true},
        {"body {color:green}", 0x008000, 12, false},
        {"body {color:nonsense; font-size:large}", 0x000000, 12, false},
        {"body {color:#12345}", 0x000000, 12, false}, // neither 3 nor 6 digits
        {"p {color:red}", 0x000000, 12, false},       // other selectors don't reach the body
        {"body color:red}", 0x000000, 12, false},     // no opening brace
        {"body {font-size:-3pt}", 0x000000, 12, false},
        {"body {font-size:.12pt}", 0x000000, 12, false}, // rounds to no pixel: no size
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.sheet);
        const HyperStyles styles = read_style_sheet(c.sheet);
        EXPECT_EQ(styles.body.colour, c.colour);
        EXPECT_EQ(styles.body.pixels, c.pixels);
        EXPECT_EQ(styles.body.bold, c.bold);
    }
}

// SimSun's widths: half the character height per GBK byte.
class GbkMeasure final : public TextMeasure
{
public:
    int width(std::string_view text, const TextStyle &style) const override
    {
        return text_length(text) * style.pixels / 2;
    }
    int ascent(const TextStyle &style) const override { return style.pixels - 2; }
    int height(const TextStyle &style) const override { return style.pixels; }
};

class ModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        model.set_style_sheet(default_style_sheet);
        // Labels at x 13..24 and 49..60 (6 px per byte, drawn from x 1).
        model.set_content("  <a href=http://a.example/?x=1&Site=y >AB</a>    <a href=b>CD</a>"
                          "<a href=>EF</a>");
    }

    GbkMeasure measure;
    HypertextModel model{measure, false};
    fakes::RecordingPlatform desktop;
};

TEST_F(ModelTest, LaysOutRunsFromOnePixelInside)
{
    const std::vector<HyperBox> &boxes = model.boxes();
    ASSERT_EQ(boxes.size(), 5u);
    EXPECT_EQ(boxes[0].left, 1);
    EXPECT_EQ(boxes[0].top, 1);
    EXPECT_EQ(boxes[1].left, 13);
    EXPECT_EQ(boxes[1].width, 12);
    EXPECT_EQ(boxes[1].height, 15); // 1.25 lines of 12 px
    EXPECT_EQ(boxes[1].baseline, 1 + 1 + 10);
    EXPECT_EQ(boxes[3].left, 49);
    EXPECT_EQ(model.style_of(boxes[0]).colour, 0x000000u);
    EXPECT_EQ(model.style_of(boxes[1]).colour, 0x0000FFu);
}

TEST_F(ModelTest, HoverAndHand)
{
    struct Case
    {
        int x, y;
        int link;
        bool repaint;
        bool hand;
    };
    // One pointer moving along the bar.
    const Case cases[] = {
        {5, 8, -1, false, false}, {13, 8, 0, true, true},    // first column of AB
        {24, 8, 0, false, true},  {25, 8, -1, true, false},  // the blanks between the links
        {55, 8, 1, true, true},   {55, 16, -1, true, false}, // below the line
        {65, 8, 2, true, false}, // a link without a target shows the arrow
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        EXPECT_EQ(model.pointer_moved(c.x, c.y), c.repaint);
        EXPECT_EQ(model.hovered_link(), c.link);
        EXPECT_EQ(model.hand_at(c.x, c.y), c.hand);
    }
    const HyperBox &ef = model.boxes()[4];
    EXPECT_TRUE(model.style_of(ef).underline);
    EXPECT_TRUE(model.pointer_left());
    EXPECT_FALSE(model.style_of(ef).underline);
    EXPECT_FALSE(model.pointer_left());
}

TEST_F(ModelTest, PressOpensOnlyALinksTarget)
{
    struct Case
    {
        int x;
        std::vector<std::string> opened;
    };
    const Case cases[] = {
        {18, {"http://a.example/?x=1&site=y"}}, // & and = kept, no trailing blank
        {30, {}},                               // blank between links
        {5, {}},
        {55, {"b"}},
        {67, {}}, // an empty target opens nothing
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.x);
        desktop.shell_calls.clear();
        press_link(model, desktop, c.x, 8);
        std::vector<std::string> opened;
        for (const auto &call : desktop.shell_calls) {
            opened.push_back(call.file);
            EXPECT_EQ(call.parameters, "");
            EXPECT_EQ(call.show, ShowState::Show);
        }
        EXPECT_EQ(opened, c.opened);
    }
}

TEST_F(ModelTest, NewContentForgetsTheHoveredLink)
{
    model.pointer_moved(18, 8);
    model.set_content("");
    EXPECT_EQ(model.hovered_link(), -1);
    EXPECT_TRUE(model.boxes().empty());
    EXPECT_EQ(model.link_at(18, 8), -1);
}

TEST(HypertextModel, UsageNotesIndentedAndBordered)
{
    GbkMeasure measure;
    HypertextModel notes(measure, true);
    notes.set_style_sheet(default_style_sheet);
    notes.set_content(usage_notes);
    const std::vector<HyperBox> &boxes = notes.boxes();
    ASSERT_EQ(boxes.size(), 6u); // the sixth line is empty
    EXPECT_EQ(boxes[0].left, 2); // one pixel inside the one-pixel border
    EXPECT_EQ(boxes[0].top, 2);
    EXPECT_EQ(boxes[5].top, 2 + 6 * 15);
    EXPECT_EQ(boxes[1].text.substr(0, 6), "     1");
}

TEST(HypertextModel, ScalesWithTheDpi)
{
    GbkMeasure measure;
    HypertextModel large(measure, false, 144);
    large.set_style_sheet(default_style_sheet);
    large.set_content("  <a href=x>AB</a>");
    ASSERT_EQ(large.boxes().size(), 2u);
    EXPECT_EQ(large.style_of(large.boxes()[0]).pixels, 18);
    EXPECT_EQ(large.boxes()[1].left, 1 + 18);
    EXPECT_EQ(large.boxes()[1].height, 23);
}

} // namespace
