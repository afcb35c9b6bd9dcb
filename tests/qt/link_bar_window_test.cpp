#include "hypertext_view.h"
#include "main_window.h"
#include "qt_timer.h"
#include "recording_platform.h"
#include "startup.h"

#include <QElapsedTimer>

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace parvelo;
using namespace Qt::StringLiterals;

namespace {

class LinkBarWindowTest : public ::testing::Test
{
protected:
    void SetUp() override { window = create_main_window(desktop); }

    QWidget *bar() const { return window->control(u"简单超文本框1"_s); }
    IntervalTimer *scroll() const { return window->timer(u"时钟1"_s); }
    IntervalTimer *hover() const { return window->timer(u"时钟2"_s); }

    // Left edges of the bar after each of the next `n` scroll ticks.
    std::vector<int> lefts_after_ticks(int n)
    {
        std::vector<int> lefts;
        QSignalSpy spy(scroll(), &IntervalTimer::ticked);
        const auto c = QObject::connect(scroll(), &IntervalTimer::ticked, window.get(),
                                        [&] { lefts.push_back(bar()->x()); });
        while (static_cast<int>(lefts.size()) < n && spy.wait(2000)) {
        }
        QObject::disconnect(c);
        return lefts;
    }

    fakes::RecordingPlatform desktop;
    std::unique_ptr<MainWindow> window;
};

TEST_F(LinkBarWindowTest, BuiltBeforeTheWindowShows)
{
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(bar()->geometry(), QRect(window->width(), window->height() - 20, 792, 16));
    EXPECT_EQ(scroll()->period(), 180);
    EXPECT_EQ(hover()->period(), 180);
    const HyperDocument &doc = window->hypertext("简单超文本框1")->document();
    ASSERT_EQ(doc.targets.size(), 8u);
    EXPECT_TRUE(doc.targets[4].starts_with("tencent://message/?uin="));
}

TEST_F(LinkBarWindowTest, ScrollsFivePixelsPerTick)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const std::vector<int> lefts = lefts_after_ticks(4);
    ASSERT_EQ(lefts.size(), 4u);
    EXPECT_LT(lefts[0], window->width());
    for (std::size_t i = 1; i < lefts.size(); ++i)
        EXPECT_EQ(lefts[i], lefts[i - 1] - 5);
}

TEST_F(LinkBarWindowTest, TicksNeverComeEarly)
{
    // A coarse timer may wake up to 5 % early: 171 ms instead of 180.
    QSignalSpy ticks(scroll(), &IntervalTimer::ticked);
    QElapsedTimer clock;
    std::vector<qint64> at;
    const auto c = QObject::connect(scroll(), &IntervalTimer::ticked, window.get(),
                                    [&] { at.push_back(clock.elapsed()); });
    scroll()->set_period(0);
    clock.start();
    scroll()->set_period(180);
    while (at.size() < 4 && ticks.wait(2000)) {
    }
    QObject::disconnect(c);
    ASSERT_EQ(at.size(), 4u);
    // Each tick on its 180 ms grid or later (a late one does not move the grid).
    for (std::size_t i = 0; i < at.size(); ++i)
        EXPECT_GE(at[i], 180 * static_cast<qint64>(i + 1)) << "tick " << i;
}

TEST_F(LinkBarWindowTest, PausesWhileThePointerIsInTheBand)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QRect frame = window->frameGeometry();
    const int band_bottom = frame.top() + bar()->y() + 2 * bar()->height();
    desktop.cursor = {frame.left() + 100, band_bottom - 8};
    QSignalSpy hover_ticks(hover(), &IntervalTimer::ticked);
    ASSERT_TRUE(hover_ticks.wait(2000));
    EXPECT_EQ(scroll()->period(), 0);
    const int paused_at = bar()->x();
    ASSERT_TRUE(hover_ticks.wait(2000));
    ASSERT_TRUE(hover_ticks.wait(2000));
    EXPECT_EQ(bar()->x(), paused_at);

    desktop.cursor = {frame.left() + 100, band_bottom}; // the row B is outside
    ASSERT_TRUE(hover_ticks.wait(2000));
    EXPECT_EQ(scroll()->period(), 180);
    const std::vector<int> lefts = lefts_after_ticks(2);
    ASSERT_EQ(lefts.size(), 2u);
    EXPECT_EQ(lefts[0], paused_at - 5); // the cycle goes on from where it stood
}

TEST_F(LinkBarWindowTest, TicksRepaintOnlyTheBar)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    lefts_after_ticks(1);
    struct PaintCounter : QObject
    {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *e) override
        {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } others, bar_paints;
    for (const char *name : {"分组框1", "分组框2", "简单超文本框2", "按钮1"})
        window->control(QString::fromUtf8(name))->installEventFilter(&others);
    bar()->installEventFilter(&bar_paints);
    lefts_after_ticks(3);
    EXPECT_EQ(others.paints, 0);
    EXPECT_GE(bar_paints.paints, 1);
}

} // namespace
