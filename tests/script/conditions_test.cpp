#include <gtest/gtest.h>

#include "script/conditions.h"
#include "stage_fixture.h"

namespace orvane {
namespace {

using testing::StageTest;
using Lines = std::vector<std::string>;

TEST(Conditions, CombineTermsWithOrByDefaultAndWithAndInParentheses) {
    const StringList triggers{"a=1", "b=3", "name=anna", "count=12"};
    EXPECT_FALSE(EvaluateCondition("(a=1 and b=2)", triggers));
    EXPECT_TRUE(EvaluateCondition("(a=1 and b=3)", triggers));
    EXPECT_TRUE(EvaluateCondition("a=1 or b=2", triggers));
    EXPECT_TRUE(EvaluateCondition("a=5 or b=3", triggers));
    EXPECT_FALSE(EvaluateCondition("a=5 or b=5", triggers));
    EXPECT_TRUE(EvaluateCondition("count=1", triggers));     // a prefix of the stored value
    EXPECT_TRUE(EvaluateCondition("NAME=Anna", triggers));   // compared lower-cased
    EXPECT_FALSE(EvaluateCondition("ghost=1", triggers));    // undeclared: stays false under or
    EXPECT_TRUE(EvaluateCondition("(ghost=1 and a=1)", triggers));  // ... and true under and
}

TEST(Conditions, ActionsSetTriggersOrNameTheSceneToJumpTo) {
    StringList triggers{"a=1", "b=3", "key=1", "door=closed"};
    EXPECT_EQ(ApplyIf("if (a=1 and b=2) goto s2 else goto s3", triggers), "s3");
    EXPECT_EQ(ApplyIf("if a=1 or b=2 goto s2", triggers), "s2");
    EXPECT_EQ(ApplyIf("if a=2 goto s2", triggers), std::nullopt);
    EXPECT_EQ(ApplyIf("if key=1 set trigger door=open", triggers), std::nullopt);
    EXPECT_EQ(triggers[3], "door=open");
    EXPECT_EQ(ApplyIf("if key=2 set trigger a=9 else set trigger b=7", triggers), std::nullopt);
    EXPECT_EQ(triggers[0], "a=1");
    EXPECT_EQ(triggers[1], "b=7");
    SetTriggerLine(triggers, "set trigger a=Value With Case");
    SetTriggerLine(triggers, "set trigger ghost=1");
    EXPECT_EQ(triggers[0], "a=Value With Case");
    EXPECT_EQ(triggers.size(), 4u);
}

TEST_F(StageTest, ConditionalJumpsAndTriggersRunInTheScript) {
    state.Triggers = {"met=0", "gal_trg51=0"};
    Run({"set trigger met=1", "if met=1 goto yes else goto no", "set journal", "scene no",
         "set journal", "scene yes", "set trigger gal_trg51=1", "if met=1 goto nowhere",
         "set pause"});
    EXPECT_EQ(state.SceneName, "yes");
    EXPECT_EQ(state.Triggers, (StringList{"met=1", "gal_trg51=1"}));
    EXPECT_TRUE(state.Paused);  // a jump to a missing scene goes on with the next line
}

TEST_F(StageTest, VolumeCommandsMoveTheirLevelWithinZeroToTen) {
    Run({"set sfx volume=+3", "set volume=+4", "set volume=-1", "set volume=+10",
         "set sfx volume=-2"});
    EXPECT_EQ(hooks.calls, (Lines{"volume 0", "volume 5", "volume 0", "volume 1", "volume 0"}));
    EXPECT_EQ(state.SfxVolumeLevel, 0);
    EXPECT_EQ(state.VolumeLevel, 1);
}

}  // namespace
}  // namespace orvane
