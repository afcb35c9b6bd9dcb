#include "hypertext_view.h"
#include "layout.h"
#include "recording_platform.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

using namespace parvelo;
using namespace Qt::StringLiterals;

namespace {

TEST(QtTextMeasure, SongFaceHasSimSunWidths)
{
    QtTextMeasure measure;
    TextStyle body;
    body.families = {"宋体", "Verdana"};
    EXPECT_EQ(measure.width("QQ客服在线  ", body), 72);
    EXPECT_EQ(measure.width("     ", body), 30);
}

// Both kinds of view: drawn straight to the screen, and kept as a picture (the link bar).
class ViewTest : public ::testing::TestWithParam<bool>
{
protected:
    void SetUp() override
    {
        host.resize(300, 40);
        view = new HypertextView(&host, false, desktop, GetParam());
        view->setGeometry(0, 0, 300, 20);
        view->set_style_sheet(default_style_sheet);
        // Labels at x 13..25 and 49..61 (6 px per byte, drawn from x 1).
        view->set_content("  <a href=http://a.example/?x=1&Site=y >AB</a>    <a href=b>CD</a>");
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

    std::vector<std::string> opened() const
    {
        std::vector<std::string> files;
        for (const auto &call : desktop.shell_calls)
            files.push_back(call.file);
        return files;
    }

    fakes::RecordingPlatform desktop;
    QWidget host;
    HypertextView *view = nullptr;
};

TEST_P(ViewTest, HoverUnderlinesAndShowsTheHand)
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

TEST_P(ViewTest, PressOpensOnlyALinksTarget)
{
    struct Case
    {
        QPoint pos;
        Qt::MouseButton button;
        std::vector<std::string> opened;
    };
    const Case cases[] = {
        {{18, 8}, Qt::LeftButton, {"http://a.example/?x=1&site=y"}}, // & and = kept
        {{30, 8}, Qt::LeftButton, {}},                               // blank between links
        {{5, 8}, Qt::LeftButton, {}},
        {{55, 8}, Qt::RightButton, {}},
        {{55, 8}, Qt::LeftButton, {"b"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.pos.x());
        desktop.shell_calls.clear();
        press(c.pos, c.button);
        EXPECT_EQ(opened(), c.opened);
    }
}

TEST_P(ViewTest, OpensOnThePressNotTheRelease)
{
    QTest::mousePress(view, Qt::LeftButton, {}, {18, 8});
    EXPECT_EQ(opened().size(), 1u);
    QTest::mouseRelease(view, Qt::LeftButton, {}, {18, 8});
    EXPECT_EQ(opened().size(), 1u);
}

// Whether the label AB is drawn blue, and underlined.
std::pair<bool, bool> label_look(const QImage &image)
{
    bool blue = false;
    for (int x = 13; x < 25; ++x)
        for (int y = 1; y < 16; ++y)
            blue = blue || image.pixelColor(x, y) == QColor(Qt::blue);
    bool underline_row = false;
    for (int y = 10; y < 17 && !underline_row; ++y) {
        int run = 0;
        for (int x = 13; x < 25; ++x)
            run += image.pixelColor(x, y) == QColor(Qt::blue);
        underline_row = run >= 10;
    }
    return {blue, underline_row};
}

TEST_P(ViewTest, DrawsLinksBlueAndTheHoveredOneUnderlined)
{
    move({18, 8});
    const QImage image = view->grab().toImage();
    EXPECT_EQ(label_look(image), std::make_pair(true, true));
    // No other pixel of the blank before the label is drawn.
    for (int x = 0; x < 12; ++x)
        EXPECT_EQ(image.pixelColor(x, 8), view->palette().color(QPalette::Window)) << x;
    move({30, 8}); // off the link: the underline goes
    EXPECT_EQ(label_look(view->grab().toImage()), std::make_pair(true, false));
}

INSTANTIATE_TEST_SUITE_P(Kinds, ViewTest, ::testing::Values(false, true),
                         [](const auto &info) { return info.param ? "Kept" : "Direct"; });

} // namespace
