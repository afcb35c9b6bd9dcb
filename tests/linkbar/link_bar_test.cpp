#include "link_bar.h"
#include "links.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace parvelo;

namespace {

class FakeHost final : public LinkBarHost
{
public:
    int client_width() const override { return client.width; }
    int client_height() const override { return client.height; }
    BarRect window_outer() const override { return outer; }
    std::string tag_text() const override { return tag; }
    BarRect bar() const override { return bar_rect; }
    void set_bar_left(int left) override { bar_rect.left = left; }
    void set_bar_top(int top) override { bar_rect.top = top; }
    void set_bar_width(int width) override { bar_rect.width = width; }
    void set_bar_content(std::string_view html) override { content = html; }
    void set_timer_period(std::string_view timer, int ms) override
    {
        periods.emplace_back(std::string(timer), ms);
    }
    ScreenPoint pointer() const override { return cursor; }

    struct
    {
        int width = 910, height = 466;
    } client;
    BarRect outer{54, 138, 916, 491};
    std::string tag;
    BarRect bar_rect{487, 448, 33, 16};
    std::string content;
    std::vector<std::pair<std::string, int>> periods;
    ScreenPoint cursor{0, 0};
};

using Segments = std::vector<std::string_view>;

TEST(SplitText, SeparatorCases)
{
    struct Case
    {
        std::string text;
        Segments segments;
    };
    const Case cases[] = {
        {"", {}},
        {"A··B", {"A", "B"}},
        {"··B", {"", "B"}},
        {"A··", {"A"}}, // no empty last segment
        {"A··B··", {"A", "B"}},
        {"A····B", {"A", "", "B"}},
        {"AB", {"AB"}},
        {"··", {""}},
        {"A·B", {"A·B"}}, // one dot is no separator
        // In GBK these bytes hold A1 A4 A1 A4 across character boundaries (B0A1 A4A1 A4A3).
        {"啊ぁぃ", {"啊ぁぃ"}},
        {"A··\xe5", {"A", "\xe5"}}, // a cut-off character at the end stays in its segment
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(split_text(c.text, link_separator), c.segments);
    }
    EXPECT_EQ(split_text("a\r\nb\nc\r\n", line_separator), (Segments{"a", "b\nc"}));
}

TEST(BuildLinkBar, ShippedList)
{
    FakeHost host;
    host.tag = shipped_link_list();
    build_link_bar(host);
    EXPECT_EQ(host.bar_rect.left, 910);
    EXPECT_EQ(host.bar_rect.top, 446);
    EXPECT_EQ(host.bar_rect.width, 792);
    EXPECT_EQ(host.bar_rect.height, 16);

    const char *labels[] = {
        "官方主页",     "下载新版本",          "论坛反馈",           "淘宝旺旺咨询", "QQ客服在线  ",
        "QQ技术支持  ", "性价比第一的控制卡 ", "常用控制卡软件下载 "};
    std::size_t from = 0;
    for (const char *label : labels) {
        SCOPED_TRACE(label);
        const std::size_t at = host.content.find(std::string(">") + label + "</a>  ", from);
        ASSERT_NE(at, std::string::npos);
        EXPECT_EQ(host.content.compare(from, 10, "  <a href="), 0);
        from = at + 1 + std::string(label).size() + 6;
    }
    EXPECT_EQ(from, host.content.size());
    EXPECT_NE(host.content.find("<a href= tencent://message/?uin="), std::string::npos);
    EXPECT_NE(host.content.find(".htm >下载新版本</a>"), std::string::npos);

    const std::vector<std::pair<std::string, int>> timers = {{"时钟1", 180}, {"时钟2", 180}};
    EXPECT_EQ(host.periods, timers);
}

TEST(BuildLinkBar, LineCases)
{
    struct Case
    {
        const char *what;
        std::string list;
        std::string content;
        int width;
    };
    const Case cases[] = {
        {"empty list", "", "", 0},
        {"label only", "AB··\r\n", "", 0},
        {"target only", "··t\r\n", "  <a href=t></a>  ", 24},
        {"separator again at the end", "AB··t··\r\n", "  <a href=t>AB</a>  ", 36},
        {"two separators", "A··B··C\r\n", "", 0},
        {"no separator", "ABC\r\n", "", 0},
        {"empty line between", "A··a\r\n\r\nB··b\r\n", "  <a href=a>A</a>    <a href=b>B</a>  ",
         60},
        {"lone LF joins lines", "A··a\nB··b\r\n", "", 0},
        {"nothing escaped", "<&>··\"x\" y\r\n", "  <a href=\"x\" y><&></a>  ", 42},
        {"last line without CR LF", "中··z", "  <a href=z>中</a>  ", 36},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        FakeHost host;
        host.tag = c.list;
        build_link_bar(host);
        EXPECT_EQ(host.content, c.content);
        EXPECT_EQ(host.bar_rect.width, c.width);
        EXPECT_EQ(host.periods.size(), 2u); // the timers start all the same
    }
}

TEST(ScrollStep, FullCycleAndEmptyBar)
{
    for (const int width : {792, 0, 3}) {
        SCOPED_TRACE(width);
        FakeHost host;
        host.bar_rect = {910, 446, width, 16};
        std::vector<int> lefts;
        const int ticks = (910 + width) / 5 + 2; // a full pass
        for (int i = 0; i < ticks; ++i) {
            scroll_step(host);
            lefts.push_back(host.bar_rect.left);
        }
        for (int i = 0; i + 1 < ticks; ++i)
            ASSERT_EQ(lefts[i], 910 - 5 * (i + 1)) << i;
        EXPECT_LT(lefts[ticks - 2] + width, 0); // just passed the left edge
        EXPECT_GE(lefts[ticks - 2] + 5 + width, 0);
        EXPECT_EQ(lefts.back(), 910); // back at the right edge, not moved
    }

    // The reset reads the client width at that moment.
    FakeHost host;
    host.bar_rect = {-800, 446, 792, 16};
    host.client.width = 700;
    scroll_step(host);
    EXPECT_EQ(host.bar_rect.left, 700);
}

TEST(HoverCheck, BandEdgesAreOutside)
{
    // Window at (54, 138), 916 wide; bar top 446, height 16: B = 138 + 446 + 32 = 616.
    struct Case
    {
        ScreenPoint pointer;
        int period;
    };
    const Case cases[] = {
        {{500, 608}, 0},   // inside
        {{55, 601}, 0},    // first column and row inside
        {{969, 615}, 0},   // last column and row inside
        {{54, 608}, 180},  // x = WL
        {{970, 608}, 180}, // x = WL + WW
        {{500, 600}, 180}, // y = B - BH
        {{500, 616}, 180}, // y = B
        {{500, 590}, 180}, // over the bar's true rows on screen
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.pointer.x << "," << c.pointer.y);
        FakeHost host;
        host.bar_rect = {300, 446, 792, 16};
        host.cursor = c.pointer;
        hover_check(host);
        const std::vector<std::pair<std::string, int>> expected = {{"时钟1", c.period}};
        EXPECT_EQ(host.periods, expected);
    }
}

TEST(HoverCheck, ExtremeGeometryDoesNotOverflow)
{
    FakeHost host;
    host.outer = {2147483000, 2147483000, 2000, 491};
    host.bar_rect = {0, 2147483000, 792, 16};
    host.cursor = {2147483600, 100};
    hover_check(host);
    EXPECT_EQ(host.periods.back().second, 180);
}

} // namespace
