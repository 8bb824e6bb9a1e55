#include <gtest/gtest.h>

#include "stage_fixture.h"

namespace orvane {
namespace {

using testing::StageTest;

TEST_F(StageTest, QmoveDrawsEachStepInTheBandAtItsPaceThenClearsTheStage) {
    Run({"set bg level=1 bg=bg_blue",
         "qmove delay=100 start= 0:150 finish= 100:150 params= 4:30 object=obj_red",
         "set journal"});
    const uint64_t presents = platform.presents();
    EXPECT_EQ(platform.Now(), 100u + 4 * 30);
    EXPECT_EQ(presents, 1u + 1 + 4);  // set bg, the start, four steps
    EXPECT_EQ(platform.lastFrame().at(100, 150), kRed);
    EXPECT_EQ(platform.lastFrame().at(199, 249), kRed);
    EXPECT_TRUE(state.stage.StageItems.empty());
    EXPECT_FALSE(state.Animating);
    EXPECT_EQ(hooks.calls.size(), 1u);  // it goes straight on
}

TEST_F(StageTest, QmoveOfAPictureOutsideTheScreenEndsAtOnce) {
    Run({"qmove start= 2000:150 finish= 0:150 params= 4:30 object=obj_red", "set journal"});
    EXPECT_EQ(platform.Now(), 0u);
    EXPECT_FALSE(state.Animating);
    EXPECT_EQ(hooks.calls.size(), 1u);
}

TEST_F(StageTest, QmoveThatCannotReachItsFinishIsBounded) {
    // Two steps of 3 never land on 7 exactly; the last step lands on the finish instead.
    Run({"qmove start= 0:150 finish= 7:150 params= 2:0 object=obj_red", "end"});
    EXPECT_LT(platform.presents(), 10u);
    EXPECT_EQ(state.ScriptPos, 2);
}

TEST_F(StageTest, TheThreeStripOpeningTakesItsStepsAtOneRefreshEach) {
    Run({"set spacing:f1.bmp:f1.bmp:f1.bmp:0", "set journal"});
    // 113 steps of 1/60 s each, and the first picture before them.
    EXPECT_EQ(platform.presents(), 1u + 113);
    EXPECT_NEAR(static_cast<double>(platform.Now()), 113 * 1000.0 / 60, 1.0);
    EXPECT_TRUE(state.stage.StageItems.empty());
    EXPECT_FALSE(state.Animating);
    EXPECT_EQ(hooks.calls.size(), 1u);
}

TEST_F(StageTest, ABlockingFadeInBuildsThePictureUpWhereTheItemStands) {
    Run({"set bg level=1 bg=bg_blue", "set object level=2 opacity=0 align=:300:200 object=obj_red",
         "set opacity:0:255:500 object=obj_red", "set journal"});
    EXPECT_EQ(platform.presents(), 2u + 30);  // ten ticks' worth plus twenty more passes
    EXPECT_NEAR(static_cast<double>(platform.Now()), 30 * 1000.0 / 60, 1.0);
    EXPECT_GT(PixelRed(platform.lastFrame().at(350, 250)), 180);  // nearly built up
    EXPECT_EQ(platform.lastFrame().at(250, 250), kBlue);
    EXPECT_EQ(Item("obj_red")->opacity, 0);  // the record does not change
    EXPECT_TRUE(hooks.calls.empty());        // and the script waits for a click
    EXPECT_EQ(state.ScriptPos, 3);
}

TEST_F(StageTest, TheNextSceneIsNotShownBetweenAFadeOutAndItsFadeIn) {
    // The fade out takes one pass (a step of 200) and the fade in one pass, each followed by the
    // finished frame. Between them the scene is composed and the script waits a moment, and
    // nothing of it may reach the screen until the wait.
    Run({"set bg level=1 bg=bg_blue", "set fade=out:10000:0", "set bg level=1 bg=bg_blue",
         "set object level=2 align=:300:200 object=obj_red", "set fade=in:10000:0",
         "set object level=2 align=:500:200 object=obj_redder", "set fade=out:10000:0",
         "set object level=2 align=:700:200 object=obj_red", "set delay=10", "end"});
    // set bg; the fade out's pass and end; the fade in's pass and end; the second object; the
    // second fade out; and once more when the delay waits, with the third object on it.
    EXPECT_EQ(platform.presents(), 1u + 2 + 2 + 1 + 2 + 1);
    EXPECT_EQ(platform.lastFrame().at(750, 250), kRed);
    EXPECT_EQ(platform.lastFrame().at(350, 250), kRed);
    EXPECT_EQ(platform.lastFrame().at(100, 100), kBlue);
}

TEST_F(StageTest, AScriptThatStopsWhileFadedOutShowsWhatItDrew) {
    Run({"set bg level=1 bg=bg_blue", "set fade=out:10000:0", "set bg level=1 bg=bg_blue", "end"});
    EXPECT_EQ(platform.presents(), 1u + 2 + 1);
    EXPECT_EQ(platform.lastFrame().at(100, 100), kBlue);
    EXPECT_FALSE(state.slots.presentsHeld);
}

}  // namespace
}  // namespace orvane
