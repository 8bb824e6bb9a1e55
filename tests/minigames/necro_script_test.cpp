// The rules for reading the phone story's lines.
#include <gtest/gtest.h>

#include "minigames/necro_script.h"
#include "script/triggers.h"

namespace orvane {
namespace {

TEST(NecroScript, TriggerLinesRunOnceUpToTheScreenAndAreTakenOut) {
    StringList triggers{"11_necro=0", "door=closed", "12_necro=0"};
    StringList lines{
        "title",
        "title",
        "Set Trigger 11_NECRO=1",      // any case; name and value are lower-cased
        "x SET TRIGGER door = Open ",  // blanks round the name and value go
        "//a",                         // a label between is passed over
        "SET TRIGGER nothing",         // no value: no trigger, but the line is used up
        "//screen bell.wav",
        "SET TRIGGER 12_necro=1",  // after the screen: not yet
    };
    EXPECT_EQ(RunNecroTriggerLines(lines, 2, triggers), 3u);
    EXPECT_EQ(lines,
              (StringList{"title", "title", "//a", "//screen bell.wav", "SET TRIGGER 12_necro=1"}));
    EXPECT_EQ(triggers, (StringList{"11_necro=1", "door=open", "12_necro=0"}));
    // Shown again, the screen finds nothing left to run; past the last screen the end is told.
    EXPECT_EQ(RunNecroTriggerLines(lines, 2, triggers), 3u);
    EXPECT_EQ(RunNecroTriggerLines(lines, 4, triggers), 4u);
    EXPECT_EQ(lines.size(), 4u);
    EXPECT_EQ(GetTrigger(triggers, "12_necro"), "1");
}

TEST(NecroScript, LinesOfAScreenAndItsChoices) {
    EXPECT_TRUE(IsNecroScreenLine("//SCREEN a.wav"));
    EXPECT_TRUE(IsNecroScreenLine("//Screen"));
    EXPECT_FALSE(IsNecroScreenLine(" //SCREEN"));
    EXPECT_EQ(NecroSoundName("//SCREEN ring.wav "), "ring.wav");
    EXPECT_EQ(NecroSoundName("//SCREEN"), "");
    EXPECT_EQ(NecroFirstPicture("image=room.bmp"), "room.bmp");
    EXPECT_EQ(NecroSecondPicture("secondpic=dot.bmp"), "dot.bmp");
    EXPECT_EQ(NecroSecondPicture("short"), "");
    EXPECT_TRUE(IsNoPicture("DOT.BMP"));
    EXPECT_EQ(NecroTextOf("//TEXT//Hello"), "Hello");
    const std::string choice = NecroChoiceOf("//IF//Go left//left_way");
    EXPECT_EQ(NecroChoiceText(choice), "Go left");
    EXPECT_EQ(NecroChoiceTarget(choice), "//left_way");
    EXPECT_EQ(NecroChoiceTarget("no target"), "");

    const StringList lines{"//IF//x//a", "  //a  ", "//b"};
    EXPECT_EQ(FindNecroLabel(lines, "//a"), 1u);
    EXPECT_EQ(FindNecroLabel(lines, "//b "), 2u);
    EXPECT_EQ(FindNecroLabel(lines, "//c"), std::nullopt);
    EXPECT_EQ(FindNecroLabel(lines, ""), std::nullopt);
}

TEST(NecroScript, AfterATextTheNextScreenIsSoughtTwoLinesOnUnlessOneIsCloser) {
    const StringList spaced{"//TEXT//a", "//label", "", "//SCREEN"};
    EXPECT_EQ(NextNecroScreenSearch(spaced, 0), 3u);
    const StringList close{"//TEXT//a", "//SCREEN", "p1", "p2"};
    EXPECT_EQ(NextNecroScreenSearch(close, 0), 1u);
    const StringList trigger{"//TEXT//a", "SET TRIGGER x=1", "//SCREEN"};
    EXPECT_EQ(NextNecroScreenSearch(trigger, 0), 1u);
    EXPECT_EQ(NextNecroScreenSearch(StringList{"//TEXT//a"}, 0), 3u);
}

TEST(NecroScript, TheLastEndingTriggerSetChoosesTheScene) {
    struct Case {
        StringList triggers;
        const char* end;
        const char* off;
    } cases[] = {
        {{}, "", ""},
        {{"11_necro=0", "21_necro=2"}, "", ""},
        {{"12_necro=1"}, "12xx_necro_end", "12xx_necro_off"},
        {{"23_necro=1", "11_necro=1", "13_necro=1"}, "23xx_necro_end", "23xx_necro_off"},
        {{"11_necro=1", "22_necro=1", "21_necro=1"}, "22xx_necro_end", "22xx_necro_off"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NecroEndingLabel(c.triggers, "_end"), c.end);
        EXPECT_EQ(NecroEndingLabel(c.triggers, "_off"), c.off);
    }
}

}  // namespace
}  // namespace orvane
