#include "platform/timers.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane {
namespace {

TEST(TimerSet, NothingIsDueUntilEnabled) {
    TimerSet timers;
    timers.SetInterval(TimerId::Timer1, 10, 0);
    EXPECT_FALSE(timers.NextDueTime().has_value());
    EXPECT_FALSE(timers.NextDue(UINT64_MAX).has_value());
}

TEST(TimerSet, EnablingStartsTheCountAtThatMoment) {
    TimerSet timers;
    timers.SetInterval(TimerId::Timer2, 100, 0);
    timers.SetEnabled(TimerId::Timer2, true, 250);
    EXPECT_EQ(timers.NextDueTime(), 350u);
    EXPECT_FALSE(timers.NextDue(349).has_value());
    EXPECT_EQ(timers.NextDue(350), TimerId::Timer2);

    // Off and on again restarts the count; on while already on does not.
    timers.SetEnabled(TimerId::Timer2, false, 300);
    EXPECT_FALSE(timers.NextDueTime().has_value());
    timers.SetEnabled(TimerId::Timer2, true, 320);
    EXPECT_EQ(timers.NextDueTime(), 420u);
    timers.SetEnabled(TimerId::Timer2, true, 400);
    EXPECT_EQ(timers.NextDueTime(), 420u);
}

TEST(TimerSet, NewIntervalRestartsARunningTimer) {
    TimerSet timers;
    timers.SetEnabled(TimerId::Timer4, true, 0);  // 1000 by default
    EXPECT_EQ(timers.NextDueTime(), 1000u);
    timers.SetInterval(TimerId::Timer4, 300, 900);
    EXPECT_EQ(timers.NextDueTime(), 1200u);
}

TEST(TimerSet, LateTimerFiresOnceThenKeepsItsInterval) {
    TimerSet timers;
    timers.SetInterval(TimerId::Timer1, 100, 0);
    timers.SetEnabled(TimerId::Timer1, true, 0);

    // Ten intervals went by while the engine was busy: one tick, not ten.
    EXPECT_EQ(timers.NextDue(1000), TimerId::Timer1);
    timers.MarkFired(TimerId::Timer1, 1000);
    EXPECT_FALSE(timers.NextDue(1000).has_value());
    EXPECT_EQ(timers.NextDueTime(), 1100u);

    // On time, the next turn is one interval after the due time.
    timers.MarkFired(TimerId::Timer1, 1100);
    EXPECT_EQ(timers.NextDueTime(), 1200u);
}

TEST(TimerSet, EarliestDueComesFirstAndTiesGoInTimerOrder) {
    TimerSet timers;
    timers.SetInterval(TimerId::MusicTimer, 30, 0);
    timers.SetInterval(TimerId::Timer3, 60, 0);
    timers.SetInterval(TimerId::Timer1, 60, 0);
    for (TimerId id : {TimerId::MusicTimer, TimerId::Timer3, TimerId::Timer1}) {
        timers.SetEnabled(id, true, 0);
    }

    std::vector<TimerId> order;
    while (auto id = timers.NextDue(100)) {
        order.push_back(*id);
        timers.MarkFired(*id, 100);
    }
    EXPECT_EQ(order, (std::vector<TimerId>{TimerId::MusicTimer, TimerId::Timer1, TimerId::Timer3}));
    EXPECT_EQ(timers.NextDueTime(), 130u);
}

TEST(TimerSet, ZeroIntervalNeverFires) {
    TimerSet timers;
    timers.SetInterval(TimerId::Timer3, 0, 0);
    timers.SetEnabled(TimerId::Timer3, true, 0);
    EXPECT_TRUE(timers.Enabled(TimerId::Timer3));
    EXPECT_FALSE(timers.NextDue(UINT64_MAX).has_value());
    EXPECT_FALSE(timers.NextDueTime().has_value());
}

}  // namespace
}  // namespace orvane
