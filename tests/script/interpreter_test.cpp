#include <gtest/gtest.h>

#include "stage_fixture.h"

namespace orvane {
namespace {

using testing::StageTest;
using Lines = std::vector<std::string>;

TEST_F(StageTest, TheFirstMatchingCommandInTableOrderWins) {
    Run({"set text speaker=x if they=1 text=hello",  // "if " is tested before "set text"
         "  -- a comment after blanks",
         "set journal ",                                // trimmed to the bare keyword
         "set text after the journal"});
    EXPECT_EQ(hooks.calls, (Lines{"journal"}));
    EXPECT_EQ(state.text.ShownText, "");  // the first line was a condition, not a text
    EXPECT_EQ(state.ScriptPos, 3);
    hooks.calls.clear();
    Run({"set journal now", "set text text=x"});  // not the journal: ignored
    EXPECT_TRUE(hooks.calls.empty());
    EXPECT_EQ(state.text.ShownText, "x\r\n");
}

TEST_F(StageTest, JumpsCompareLabelsLowerCasedButTargetsAsWritten) {
    Run({"goto intro", "set text text=skipped", "Scene Intro", "set text text=found"});
    EXPECT_EQ(state.text.ShownText, "found\r\n");
    EXPECT_EQ(state.SceneName, "");  // "Scene" with a capital is not run as a scene line
    hooks.calls.clear();
    Run({"goto Intro", "set text text=the next line", "scene intro"});
    EXPECT_EQ(state.text.ShownText, "the next line\r\n");
    EXPECT_EQ(interpreter.FindScene("intro"), 2);
    EXPECT_FALSE(interpreter.FindScene("Intro"));
}

TEST_F(StageTest, EndStopsAndTheNextRunGoesOnAfterIt) {
    Run({"scene a", "set bg bg=bg_blue", "end", "scene b", "set pause", "set text never"});
    EXPECT_EQ(state.ScriptPos, 3);
    EXPECT_EQ(state.stage.StageItems.size(), 1u);
    interpreter.RunScript();  // "scene b" clears the stage, then the pause waits
    EXPECT_TRUE(state.stage.StageItems.empty());
    EXPECT_EQ(state.SceneName, "b");
    EXPECT_TRUE(state.Paused);
    EXPECT_EQ(state.ScriptPos, 5);
    state.ScriptPos = 99;
    interpreter.RunScript();  // past the end: nothing
    EXPECT_TRUE(hooks.calls.empty());
}

TEST_F(StageTest, DelaysBlockForTheirTimeAndSectionMenusComeBackToTheirLine) {
    Run({"set delay=1500", "set section menu=chapters"});
    EXPECT_EQ(platform.Now(), 1500u);
    EXPECT_EQ(state.ScriptPos, 1);
    EXPECT_EQ(hooks.calls, Lines{"menu"});
}

TEST_F(StageTest, LevelAndOpacityAreRememberedWithinOneRunOnly) {
    Run({"set object level=2 opacity=128 align=:5:5 object=obj_red",
         "set object object=obj_redder"});
    EXPECT_EQ(Item("obj_redder")->level, 2);
    EXPECT_EQ(Item("obj_redder")->opacity, 128);
    EXPECT_EQ(Item("obj_redder")->x, 0);  // no align=: the top-left corner
    state.lists.ScriptLines.push_back("set object object=f1");
    interpreter.RunScript();  // a new run: level 1 and full opacity again
    EXPECT_EQ(Item("f1")->level, 1);
    EXPECT_EQ(Item("f1")->opacity, 255);
}

TEST_F(StageTest, ConsecutiveSetLinesAreDrawnOnce) {
    const uint64_t before = platform.presents();
    Run({"set bg level=1 bg=bg_blue", "set character level=2 character=ch_ramp",
         "set object level=3 object=obj_red", "set delay=10"});
    EXPECT_EQ(platform.presents(), before + 2);  // by set bg, and after the object
}

TEST_F(StageTest, ANumberThatIsNotANumberSkipsTheLineWithOneMessage) {
    ::testing::internal::CaptureStderr();
    Run({"set object level=2x opacity=zz object=obj_red", "set delay=abc",
         "set object level=3 object=f1"});
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(Item("obj_red"), nullptr);
    ASSERT_NE(Item("f1"), nullptr);
    EXPECT_NE(err.find("master.scn:1:"), std::string::npos) << err;
    EXPECT_NE(err.find("master.scn:2:"), std::string::npos) << err;
    size_t messages = 0;
    for (size_t at = err.find("is not a number"); at != std::string::npos;
         at = err.find("is not a number", at + 1)) {
        ++messages;
    }
    EXPECT_EQ(messages, 2u) << "one message per line: " << err;
}

TEST_F(StageTest, DeleteRemovesTheExactNameAndClearLevelAWholeLayer) {
    Run({"set object level=2 object=obj_redder", "set object level=2 object=obj_red",
         "set object level=5 object=f1", "delete obj_red", "clear level=5", "end"});
    ASSERT_EQ(state.stage.StageItems.size(), 1u);
    EXPECT_EQ(state.stage.StageItems[0].name, "obj_redder");
}

TEST_F(StageTest, CyclesAreReadAsBlocksAndAnUnclosedBlockEndsWithTheScript) {
    Run({"set object level=0 object=f1", "set object level=0 object=f2",
         "set cycle run:4:5", "1 f1", "2 f2", "end cycle", "set pause"});
    ASSERT_EQ(state.stage.Cycles.size(), 1u);
    EXPECT_EQ(state.stage.Cycles[0].Format(), "run:0:4:1:2:5:f1;f2;");
    EXPECT_EQ(Item("f1")->level, 5);
    EXPECT_TRUE(platform.timers().Enabled(TimerId::Timer3));
    EXPECT_TRUE(state.Paused);
    Run({"set cycle open:4:5", "1 f1", "set text inside the unclosed block"});
    EXPECT_TRUE(hooks.calls.empty());
    EXPECT_EQ(state.ScriptPos, 3);
}

TEST_F(StageTest, PlaylistBlocksReplaceThePlaylist) {
    Run({"set playlist", " Track1.WAV ", "track2.wav", "END", "set pause"});
    EXPECT_EQ(state.lists.Playlist, (Lines{"track1.wav", "track2.wav"}));
    EXPECT_EQ(hooks.calls, Lines{"playlist"});
    EXPECT_TRUE(state.Paused);
}

TEST_F(StageTest, ScrollSettingsAndTheRightButtonAreRecorded) {
    Run({"set scroll bg:10:5", "rightbutton=no"});
    EXPECT_EQ(state.stage.ScrollKind, "bg");
    EXPECT_EQ(state.stage.ScrollStepX, 10);
    EXPECT_EQ(state.stage.ScrollStepY, 5);
    EXPECT_FALSE(state.stage.RightButtonAllowed);
    Run({"clear keys"});
    EXPECT_EQ(state.stage.ScrollKind, "0");
}

TEST_F(StageTest, AScriptThatOnlyJumpsIsStoppedInsteadOfHanging) {
    ::testing::internal::CaptureStderr();
    Run({"scene loop", "goto loop"});
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("jumping"), std::string::npos);
}

}  // namespace
}  // namespace orvane
