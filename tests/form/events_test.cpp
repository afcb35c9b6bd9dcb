#include "estimate.h"
#include "events.h"
#include "fake_window.h"
#include "links.h"
#include "presets.h"

#include <gtest/gtest.h>

using namespace parvelo;

namespace {

TEST(EventTable, EveryPresetButtonRunsItsEstimate)
{
    for (const BoardPreset &preset : board_presets()) {
        SCOPED_TRACE(preset.button);
        fakes::FakeWindow clicked, direct;
        clicked.texts = direct.texts = {{"长", "7.3"}, {"高", "2.9"}, {"报价", "1000"}};
        ASSERT_TRUE(raise_event(clicked, preset.button, Event::Clicked));
        compute_estimate(preset, direct);
        EXPECT_EQ(clicked.written.size(), 11u);
        EXPECT_EQ(clicked.texts, direct.texts); // its own preset, no other
    }
}

TEST(EventTable, WorkedExampleThroughTheTable)
{
    fakes::FakeWindow window;
    window.texts = {{"长", "5"},        {"高", "2"},        {"板单价", "60"},    {"控制卡", "300"},
                    {"电源单价", "80"}, {"边框单价", "10"}, {"其它费用", "200"}, {"报价", "3000"}};
    raise_event(window, "按钮1", Event::Clicked);
    EXPECT_EQ(window.read("整屏面积"), "9.76");
    EXPECT_EQ(window.read("成本"), "13234.4");
    EXPECT_EQ(window.read("总价"), "29280");
}

TEST(EventTable, LaunchesAndTicks)
{
    fakes::FakeWindow window;
    window.tag = shipped_link_list();

    ASSERT_TRUE(raise_event(window, {}, Event::Created));
    EXPECT_EQ(window.bar_rect.left, 910);
    EXPECT_EQ(window.bar_rect.width, 792);
    const std::vector<std::pair<std::string, int>> started = {{"时钟1", 180}, {"时钟2", 180}};
    EXPECT_EQ(window.periods, started);

    ASSERT_TRUE(raise_event(window, "时钟1", Event::Tick));
    EXPECT_EQ(window.bar_rect.left, 905);
    ASSERT_TRUE(raise_event(window, "时钟2", Event::Tick));
    EXPECT_EQ(window.periods.back(), (std::pair<std::string, int>{"时钟1", 180}));

    ASSERT_TRUE(raise_event(window, "按钮10", Event::Clicked));
    ASSERT_TRUE(raise_event(window, "按钮10", Event::Clicked));
    const std::vector<std::string> two(2, R"(c:\windows\system32\calc.exe)");
    EXPECT_EQ(window.desktop.processes, two); // one calculator per click

    ASSERT_TRUE(raise_event(window, "图片框1", Event::LeftPress));
    ASSERT_EQ(window.desktop.shell_calls.size(), 1u);
    EXPECT_EQ(window.desktop.shell_calls[0].file, "explorer.exe");
    EXPECT_EQ(window.desktop.shell_calls[0].parameters, banner_address);
    EXPECT_EQ(window.desktop.shell_calls[0].show, ShowState::ShowNormal);
}

TEST(EventTable, NothingElseHasAnOperation)
{
    struct Case
    {
        const char *control;
        Event event;
    };
    const Case cases[] = {
        {"按钮10", Event::LeftPress}, {"图片框1", Event::Clicked}, {"长", Event::Clicked},
        {"标签21", Event::LeftPress}, {"", Event::Tick},           {"时钟1", Event::Clicked},
        {"按钮0", Event::Clicked},    {"按钮17", Event::Clicked},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.control);
        fakes::FakeWindow window;
        EXPECT_FALSE(raise_event(window, c.control, c.event));
        EXPECT_TRUE(window.written.empty());
        EXPECT_TRUE(window.periods.empty());
        EXPECT_TRUE(window.desktop.processes.empty());
        EXPECT_TRUE(window.desktop.shell_calls.empty());
    }
}

TEST(EventTable, AFailedLaunchReportsNothing)
{
    fakes::FakeWindow window;
    window.desktop.succeed = false;
    raise_event(window, "按钮10", Event::Clicked);
    raise_event(window, "图片框1", Event::LeftPress);
    EXPECT_EQ(window.desktop.processes.size(), 1u);
    EXPECT_EQ(window.closes, 0);
    EXPECT_TRUE(window.written.empty());
}

} // namespace
