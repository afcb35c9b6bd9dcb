#include "interval_timer.h"
#include "launch_table.h"
#include "platform.h"

#include <QCursor>

#include <QElapsedTimer>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace parvelo;

namespace {

TEST(LaunchTable, CalculatorCommandLineMapsToDesktopCalculators)
{
    const auto programs = programs_for_command_line(R"(c:\windows\system32\calc.exe)");
    ASSERT_EQ(programs.size(), 6u);
    EXPECT_EQ(programs.front(), "gnome-calculator");
    EXPECT_EQ(programs.back(), "xcalc");
    // Nothing else is interpreted: no other command line starts anything.
    EXPECT_TRUE(programs_for_command_line("calc.exe").empty());
    EXPECT_TRUE(programs_for_command_line(R"(c:\windows\system32\calc.exe & rm -rf ~)").empty());
}

TEST(IntervalTimer, PeriodSemantics)
{
    IntervalTimer timer;
    EXPECT_EQ(timer.period(), 0);
    timer.set_period(-5); // counts as 0
    EXPECT_EQ(timer.period(), 0);
    timer.set_period(40);
    EXPECT_EQ(timer.period(), 40);
    timer.set_period(0);
    EXPECT_EQ(timer.period(), 0);
}

TEST(IntervalTimer, SamePeriodDoesNotDelayTheNextTick)
{
    IntervalTimer timer;
    QSignalSpy ticks(&timer, &IntervalTimer::ticked);
    timer.set_period(100);
    // Re-set the same period far more often than it ticks, as the hover check does.
    IntervalTimer resetter;
    QObject::connect(&resetter, &IntervalTimer::ticked, &timer, [&] { timer.set_period(100); });
    resetter.set_period(20);
    EXPECT_TRUE(ticks.wait(1000));
    EXPECT_TRUE(ticks.wait(1000));
}

TEST(DesktopPlatform, ReadsThePointerWhereTheWindowSystemPutsIt)
{
    const auto desktop = make_desktop_platform();
    for (const QPoint p : {QPoint(120, 608), QPoint(3, 4)}) {
        QCursor::setPos(p);
        EXPECT_EQ(desktop->cursor_position(), p);
    }
}

} // namespace
