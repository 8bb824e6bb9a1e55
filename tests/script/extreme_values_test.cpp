// Scripts may write any number an int holds. Run under the sanitizers, these scenarios show that
// no such number overflows on its way through the commands and ticks, and where each one lands.
#include <gtest/gtest.h>

#include <climits>

#include "script/text_commands.h"
#include "stage_fixture.h"

namespace orvane {
namespace {

using testing::StageTest;
using Lines = std::vector<std::string>;

TEST_F(StageTest, TransitionsHoldTheirLimitAndStepToAChannel) {
    const struct {
        const char* line;
        uint32_t after;
    } cases[] = {
        {"set dissolve=out:1000:300", MakePixel(255, 255, 255)},  // no channel spills over
        {"set fade=out:1000:-20", MakePixel(0, 0, 0)},            // not wrapped round to grey
        {"set fade=out:2147483647:2147483647", MakePixel(100, 150, 200)},
        {"set dissolve=out:2147483647:-2147483648", MakePixel(100, 150, 200)},
    };
    for (const auto& c : cases) {
        state.slots.Get(kSlotBackBuffer)->Fill(MakePixel(100, 150, 200));
        Run({c.line});
        EXPECT_EQ(Pixel(500, 400), c.after) << c.line;
        EXPECT_EQ(state.ScriptPos, 1) << c.line;
    }
}

TEST_F(StageTest, VolumeCommandsKeepTheirLevelWithinZeroToTen) {
    Run({"set volume=+2147483647", "set volume=--2147483648", "set volume=+-2147483648",
         "set sfx volume=+2147483647", "set volume=+4", "set sfx volume=-2147483647"});
    EXPECT_EQ(hooks.calls,
              (Lines{"volume 1", "volume 10", "volume 0", "volume 0", "volume 5", "volume 0"}));
}

TEST_F(StageTest, StageCommandsAndTicksSaturateAtTheEndsOfTheIntRange) {
    // Far off every edge of the screen: stored as written and never drawn.
    Run({"set object level=2 align=:-2147483648:2147483647 object=obj_red",
         "set object level=2 align=:2147483647:-2147483648 object=obj_redder"});
    EXPECT_EQ(Item("obj_red")->x, INT_MIN);
    EXPECT_EQ(Item("obj_redder")->y, INT_MIN);
    EXPECT_EQ(Pixel(0, 0), MakePixel(0, 0, 0));

    // Each step of this move is as long as an int allows; the item saturates, then lands.
    Run({"clear all", "set object level=2 align=:100:0 object=obj_red",
         "move delay=-5 start= -2147483648:0 finish= 2147483647:0 time= 2:1 object=obj_red",
         "set journal"});
    EXPECT_EQ(state.stage.MoveList[0].Format(), "obj_red:0:2:1:2147483647:0:100:0:2147483647:0");
    Ticks(1);
    EXPECT_EQ(Item("obj_red")->x, INT_MAX);
    Ticks(3);
    EXPECT_EQ(Item("obj_red")->x, INT_MAX);
    EXPECT_EQ(hooks.calls, Lines{"journal"});  // a delay below 0 does not hold the move back

    // The quake's displacements are negated and added without wrapping round.
    hooks.calls.clear();
    Run({"clear all", "set object level=2 align=:0:0 object=obj_red",
         "quake:-2147483648:-2147483648:2147483647:2147483647:8:1:a:u", "set journal"});
    Ticks(10);
    EXPECT_EQ(Item("obj_red")->x, -1);  // INT_MAX, -1, INT_MAX - 1, -1, and again
    EXPECT_EQ(hooks.calls, Lines{"journal"});

    // Fades: a step beyond the int range saturates, and the opacity stays within 0..255.
    hooks.calls.clear();
    Run({"clear all", "set object level=2 object=f1", "set opacity:10:-2147483648:50 object=f1",
         "set journal"});
    EXPECT_EQ(state.stage.FadeEffects[0].Format(), "f1:-2147483648:-2147483648");
    Ticks(3);
    EXPECT_EQ(Item("f1")->opacity, 0);
    EXPECT_EQ(hooks.calls, Lines{"journal"});

    // A cycle whose period is the least int still turns.
    Run({"clear all", "set object level=0 object=f2", "set object level=0 object=f3",
         "set cycle spin:-2147483648:2147483647", "1 f2", "2 f3", "end cycle"});
    platform.AdvanceTo(router, platform.Now() + 150);
    EXPECT_EQ(Item("f3")->level, INT_MAX);

    // A letter-boxed move between the far corners of the int range.
    Run({"qmove start= 10:10 finish= -2147483648:2147483647 params= 1:0 object=obj_red",
         "qmove start= -2147483648:2147483647 finish= 0:0 params= 1:0 object=obj_red",
         "set pause"});
    EXPECT_TRUE(state.Paused);
}

TEST_F(StageTest, TextWithExtremePositionsSpacingsAndPageLengthsIsShown) {
    UseTextDefaults();
    const std::string speaker = "name=Ann:DejaVuSans:12::4:40:2147483647:-2147483648";
    Run({"set text speed=no align=-2147483648:2147483647 il=-2147483648 max_str=2147483647 " +
         speaker + " text=a line"});
    EXPECT_EQ(state.text.TextTop, INT_MAX);
    EXPECT_FALSE(platform.timers().Enabled(TimerId::Timer1));  // the page was shown at once
    Run({"set text speed=fast il=2147483647 max_str=2147483647 align=0:2147483647 text=typed"});
    for (int tick = 0; tick < 10; ++tick) TypewriterTick(state);
    EXPECT_TRUE(state.text.TextFinished);
}

}  // namespace
}  // namespace orvane
