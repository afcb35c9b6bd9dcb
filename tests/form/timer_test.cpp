#include "interval_timer.h"

#include <gtest/gtest.h>

using namespace parvelo;

namespace {

TEST(TimerPeriod, WhatEachSettingDoes)
{
    using Change = TimerPeriod::Change;
    struct Case
    {
        int set;
        Change change;
        int period;
    };
    // One timer through a sequence of settings.
    const Case cases[] = {
        {0, Change::None, 0},  // stopped already
        {-5, Change::None, 0}, // a negative period counts as 0
        {180, Change::Start, 180},
        {180, Change::None, 180}, // the same period keeps the next tick
                                  // where it was
        {40, Change::Start, 40},  // a new period starts over
        {0, Change::Stop, 0},
        {-1, Change::None, 0},
        {180, Change::Start, 180},
        {-3, Change::Stop, 0},
    };
    TimerPeriod timer;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.set);
        EXPECT_EQ(timer.set(c.set), c.change);
        EXPECT_EQ(timer.period(), c.period);
    }
}

} // namespace
