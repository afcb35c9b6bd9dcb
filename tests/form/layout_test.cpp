#include "layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace parvelo;

namespace {

TEST(Layout, ContainersAndTabStopsNameRealControls)
{
    std::set<std::string> seen;
    for (const ControlSpec &row : window_layout()) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(seen.insert(row.name).second) << "named twice";
        if (row.container) {
            // A container is a group box made before the controls it holds.
            ASSERT_TRUE(seen.contains(row.container));
            EXPECT_EQ(find_control(row.container)->kind, Kind::GroupBox);
        }
    }
    EXPECT_EQ(seen.size(), 71u);
    for (const char *name : tab_order()) {
        SCOPED_TRACE(name);
        const ControlSpec *row = find_control(name);
        ASSERT_NE(row, nullptr);
        EXPECT_TRUE(row->kind == Kind::Edit || row->kind == Kind::Button
                    || row->kind == Kind::Hypertext);
    }
    EXPECT_EQ(find_control("按钮0"), nullptr);
}

TEST(Centring, TruncatesAndMayOverflowTheScreen)
{
    struct Case
    {
        int width, height;
        ScreenPosition expected;
    };
    const Case cases[] = {
        {1024, 768, {54, 138}},
        {800, 600, {-58, 54}},
        {915, 490, {0, 0}}, // -0.5 truncates toward zero
        {1920, 1080, {502, 294}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.width);
        const ScreenPosition at = centred_position(c.width, c.height);
        EXPECT_EQ(at.left, c.expected.left);
        EXPECT_EQ(at.top, c.expected.top);
    }
    // At 144 dpi the window is 1374 x 737.
    const ScreenPosition large = centred_position(1920, 1080, scaled(916, 144), scaled(491, 144));
    EXPECT_EQ(large.left, 273);
    EXPECT_EQ(large.top, 171);
}

TEST(Scaled, RoundsToNearest)
{
    struct Case
    {
        int pixels, dpi, expected;
    };
    const Case cases[] = {
        {916, 96, 916}, {916, 144, 1374}, {491, 144, 737}, // 736.5 rounds up
        {5, 144, 8},    {12, 120, 15},    {-58, 144, -87}, {0, 192, 0}, {33, 192, 66},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.pixels << " at " << c.dpi);
        EXPECT_EQ(scaled(c.pixels, c.dpi), c.expected);
    }
}

} // namespace
