#include <gtest/gtest.h>

#include "stage_fixture.h"

namespace orvane {
namespace {

using testing::StageTest;
using Ints = std::vector<int>;

TEST_F(StageTest, AnOpacityEffectRisesEveryTickThenResumesTheScriptOnce) {
    Run({"set character level=2 effect=opacity:5:255:500 character=ch_ramp", "set journal"});
    EXPECT_TRUE(state.Animating);
    EXPECT_EQ(state.stage.FadeEffects[0].Format(), "ch_ramp:25:255");
    Ints seen;
    router.onTick = [&](TimerId) { seen.push_back(Item("ch_ramp")->opacity); };
    Ticks(12);
    EXPECT_EQ(seen, (Ints{30, 55, 80, 105, 130, 155, 180, 205, 230, 255, 255}));
    EXPECT_EQ(hooks.calls, std::vector<std::string>{"journal"});
    EXPECT_FALSE(state.Animating);
    EXPECT_FALSE(platform.timers().Enabled(TimerId::Timer2));
}

TEST_F(StageTest, AFadeFromZeroEndsOnItsFirstTickAsScriptsExpect) {
    Run({"set character level=2 effect=opacity:0:255:500 character=ch_ramp", "set journal"});
    Ticks(1);
    EXPECT_EQ(Item("ch_ramp")->opacity, 0);
    EXPECT_EQ(hooks.calls.size(), 1u);
}

TEST_F(StageTest, AFadeDownRunsPastItsTargetAndIsClampedAtZero) {
    Run({"set character level=2 character=ch_ramp", "set opacity:255:100:750 object=ch_ramp",
         "set journal"});
    EXPECT_EQ(state.stage.FadeEffects[0].Format(), "ch_ramp:-10:100");
    Ints seen;
    router.onTick = [&](TimerId) {
        if (const StageItem* item = Item("ch_ramp")) seen.push_back(item->opacity);
    };
    Ticks(40);
    ASSERT_GE(seen.size(), 27u);
    EXPECT_EQ(seen[0], 245);
    EXPECT_EQ(seen[15], 95);   // 100 is never met exactly, so the fade goes on
    EXPECT_EQ(seen[25], 0);    // -5 is clamped
    EXPECT_EQ(hooks.calls.size(), 1u);
}

TEST_F(StageTest, MovesStepEveryIntervalMinusOneTicksAndSnapToTheFinish) {
    Run({"set object level=2 align=:0:0 object=obj_red",
         "move delay=0 start= 0:0 finish= 100:7 time= 12:3 object=obj_red", "set journal"});
    EXPECT_EQ(state.stage.MoveList[0].Format(), "obj_red:0:4:3:25:1:0:0:100:7");
    Ints xs;
    router.onTick = [&](TimerId) { xs.push_back(Item("obj_red")->x); };
    Ticks(12);
    // A step on the first tick, then every 2 ticks; the ninth tick snaps to 100:7 and the tenth
    // finds nothing left and resumes the script.
    EXPECT_EQ(xs, (Ints{25, 25, 50, 50, 75, 75, 100, 100, 100, 100}));
    EXPECT_EQ(Item("obj_red")->y, 7);
    EXPECT_EQ(hooks.calls.size(), 1u);
}

TEST_F(StageTest, TwoMovesStartTogetherAndTheNextLineWaitsForBoth) {
    Run({"set object level=2 object=obj_red", "set object level=2 object=f1",
         "move delay=0 start= 0:0 finish= 10:0 time= 1:1 object=obj_red",
         "move delay=2 start= 0:0 finish= 0:10 time= 2:1 object=f1", "set journal"});
    EXPECT_EQ(state.stage.MoveList.size(), 2u);
    Ticks(3);
    EXPECT_TRUE(hooks.calls.empty());
    Ticks(5);
    EXPECT_EQ(hooks.calls.size(), 1u);
    EXPECT_EQ(Item("obj_red")->x, 10);
    EXPECT_EQ(Item("f1")->y, 10);
}

TEST_F(StageTest, AMoveWhoseItemIsMissingIsDroppedInsteadOfWaitingForEver) {
    Run({"move delay=0 start= 0:0 finish= 10:0 time= 1:1 object=nobody", "set journal"});
    EXPECT_EQ(hooks.calls.size(), 1u);
    Run({"set object level=2 object=obj_red",
         "move delay=0 start= 0:0 finish= 10:0 time= 10:1 object=obj_red", "set journal"});
    Ticks(2);
    ClearStage(state, ClearKind::Objects);  // the item leaves while it moves
    platform.SetTimerEnabled(TimerId::Timer2, true);
    Ticks(3);
    EXPECT_EQ(hooks.calls.size(), 2u);
}

TEST_F(StageTest, ACycleOfThreeFramesWithPeriodFourChangesEveryThreeTicks) {
    Run({"set object level=0 object=f1", "set object level=0 object=f2",
         "set object level=0 object=f3", "set cycle c:4:5", "1 f1", "2 f2", "3 f3",
         "end cycle", "end"});
    std::vector<std::string> shown;
    router.onTick = [&](TimerId id) {
        if (id != TimerId::Timer3) return;
        for (const StageItem& item : state.stage.StageItems) {
            if (item.level == 5) shown.push_back(item.name);
        }
    };
    Ticks(8);
    EXPECT_EQ(shown, (std::vector<std::string>{"f2", "f2", "f2", "f3", "f3", "f3", "f1", "f1"}));
    Run({"delete cycle c"});
    EXPECT_TRUE(state.stage.Cycles.empty());
    EXPECT_FALSE(platform.timers().Enabled(TimerId::Timer3));
    EXPECT_EQ(Item("f1")->level, 0);
}

TEST_F(StageTest, AQuakeShakesOnlyItsKindInFourPhases) {
    Run({"set bg level=1 bg=bg_blue", "set character level=2 align=:100:0 character=ch_ramp",
         "quake:5:0:3:1:16:2:c:u", "set journal"});
    EXPECT_EQ(state.stage.Quake->Format(), "8:0:2:5:0:3:1:c:nu");
    std::vector<std::pair<int, int>> at;
    router.onTick = [&](TimerId) { at.emplace_back(Item("ch_ramp")->x, Item("ch_ramp")->y); };
    Ticks(18);
    ASSERT_GE(at.size(), 17u);
    EXPECT_EQ(at[0], std::make_pair(95, 0));   // nu: -AX
    EXPECT_EQ(at[1], std::make_pair(95, 0));   // waiting
    EXPECT_EQ(at[2], std::make_pair(100, 0));  // u: +AX
    EXPECT_EQ(at[4], std::make_pair(103, 1));  // nd: +CX
    EXPECT_EQ(at[6], std::make_pair(100, 0));  // d: -CX
    EXPECT_EQ(Item("bg_blue")->x, 0);          // backgrounds stay for kind c
    EXPECT_EQ(hooks.calls.size(), 1u);
    EXPECT_FALSE(state.Animating);
}

}  // namespace
}  // namespace orvane
