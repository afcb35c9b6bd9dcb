#include "hypertext.h"
#include "hypertext_view.h"
#include "layout.h"

#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

using namespace parvelo;
using namespace Qt::StringLiterals;

namespace {

QString runs_of(const HyperDocument &doc)
{
    // Lines joined by '|', link runs in brackets.
    QStringList lines;
    for (const auto &line : doc.lines) {
        QString text;
        for (const HyperRun &run : line)
            text += run.link < 0 ? run.text : u"[%1]"_s.arg(run.text);
        lines += text;
    }
    return lines.join(u'|');
}

TEST(ParseHypertext, LinesBlanksAndLinks)
{
    struct Case
    {
        QString content;
        QString runs;
        QStringList targets;
    };
    const Case cases[] = {
        {u""_s, u""_s, {}},
        {u"a\r\nb"_s, u"a|b"_s, {}},
        {u"a\rb"_s, u"ab"_s, {}}, // CR alone does nothing
        {u"     x"_s, u"     x"_s, {}},
        {u"  <a href=http://x.example/ >AB</a>  "_s, u"  [AB]  "_s, {u"http://x.example/"_s}},
        {u"<A HREF=  Http://X.example/Q?a=1&Site=b>L</A>"_s,
         u"[L]"_s,
         {u"http://x.example/q?a=1&site=b"_s}}, // tags in any case, target lower-cased
        {u"<a href=>empty</a>"_s, u"[empty]"_s, {u""_s}},
        {u"<b>x</b>"_s, u"<b>x</b>"_s, {}}, // other markup is text
        {u"<a href=a>1</a><a href=b>2</a>"_s, u"[1][2]"_s, {u"a"_s, u"b"_s}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.content.toStdString());
        const HyperDocument doc = parse_hypertext(c.content);
        EXPECT_EQ(runs_of(doc), c.runs);
        EXPECT_EQ(doc.targets, c.targets);
    }
}

TEST(ParseHypertext, UsageNotesKeepSevenLines)
{
    const HyperDocument doc = parse_hypertext(QString::fromUtf8(usage_notes));
    ASSERT_EQ(doc.lines.size(), 7);
    EXPECT_TRUE(doc.lines[5].isEmpty());
    EXPECT_TRUE(
        doc.lines[6][0].text.startsWith(u"     电源按5V40A来计算，单元板按每张5A来计算,实际"_s));
}

TEST(StyleSheet, BodyAndLinkRules)
{
    const HyperStyles styles = read_style_sheet(QString::fromUtf8(default_style_sheet));
    EXPECT_EQ(styles.body.font.pixelSize(), 12); // 9 pt at 96 dpi
    EXPECT_EQ(styles.body.colour, QColor(Qt::black));
    EXPECT_EQ(styles.link.colour, QColor(Qt::blue));
    EXPECT_FALSE(styles.link.underline);
    EXPECT_TRUE(styles.hover.underline);
    EXPECT_EQ(styles.hover.font.pixelSize(), 12);
    EXPECT_EQ(QFontMetrics(styles.body.font).horizontalAdvance(u"QQ客服在线  "_s), 72);
}

class ViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host.resize(300, 40);
        view = new HypertextView(&host, HypertextView::Border::None,
                                 [this](const QString &t) { opened += t; });
        view->setGeometry(0, 0, 300, 20);
        view->set_style_sheet(QString::fromUtf8(default_style_sheet));
        // Labels at x 13..25 and 49..61 (6 px per byte, drawn from x 1).
        view->set_content(u"  <a href=http://a.example/?x=1&Site=y >AB</a>    <a href=b>CD</a>"_s);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    }

    void press(QPoint pos, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(view, button, {}, pos);
        QTest::mouseRelease(view, button, {}, pos);
    }
    void move(QPoint pos)
    {
        QMouseEvent event(QEvent::MouseMove, pos, view->mapToGlobal(pos), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    }

    QWidget host;
    HypertextView *view = nullptr;
    QStringList opened;
};

TEST_F(ViewTest, HoverUnderlinesAndShowsTheHand)
{
    move({18, 8});
    EXPECT_EQ(view->hovered_link(), 0);
    EXPECT_EQ(view->cursor().shape(), Qt::PointingHandCursor);
    move({30, 8}); // the blanks between the links
    EXPECT_EQ(view->hovered_link(), -1);
    EXPECT_EQ(view->cursor().shape(), Qt::ArrowCursor);
    move({55, 8});
    EXPECT_EQ(view->hovered_link(), 1);
}

TEST_F(ViewTest, PressOpensOnlyALinksTarget)
{
    struct Case
    {
        QPoint pos;
        Qt::MouseButton button;
        QStringList opened;
    };
    const Case cases[] = {
        {{18, 8}, Qt::LeftButton, {u"http://a.example/?x=1&site=y"_s}}, // & and = kept
        {{30, 8}, Qt::LeftButton, {}},                                  // blank between links
        {{5, 8}, Qt::LeftButton, {}},
        {{55, 8}, Qt::RightButton, {}},
        {{55, 8}, Qt::LeftButton, {u"b"_s}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.pos.x());
        opened.clear();
        press(c.pos, c.button);
        EXPECT_EQ(opened, c.opened);
    }
}

TEST_F(ViewTest, OpensOnThePressNotTheRelease)
{
    QTest::mousePress(view, Qt::LeftButton, {}, {18, 8});
    EXPECT_EQ(opened.size(), 1);
    QTest::mouseRelease(view, Qt::LeftButton, {}, {18, 8});
    EXPECT_EQ(opened.size(), 1);
}

TEST_F(ViewTest, DrawsLinksBlueAndTheHoveredOneUnderlined)
{
    move({18, 8});
    const QImage image = view->grab().toImage();
    // Some pixel of the label is blue; under it, the underline row is blue too.
    bool blue = false;
    for (int x = 13; x < 25; ++x)
        for (int y = 1; y < 16; ++y)
            blue = blue || image.pixelColor(x, y) == QColor(Qt::blue);
    EXPECT_TRUE(blue);
    bool underline_row = false;
    for (int y = 10; y < 17 && !underline_row; ++y) {
        int run = 0;
        for (int x = 13; x < 25; ++x)
            run += image.pixelColor(x, y) == QColor(Qt::blue);
        underline_row = run >= 10;
    }
    EXPECT_TRUE(underline_row);
    // No other pixel of the blank before the label is drawn.
    for (int x = 0; x < 12; ++x)
        EXPECT_EQ(image.pixelColor(x, 8), view->palette().color(QPalette::Window)) << x;
}

} // namespace
