#include <gtest/gtest.h>

#include "script/text_commands.h"
#include "stage_fixture.h"

namespace orvane {
namespace {

using testing::StageTest;

class TextTest : public StageTest {
protected:
    void SetUp() override {
        UseTextDefaults();
        state.lists.NameList = {"hero:Anna", "heroine:Olga"};
    }
    void TypeTicks(int ticks) {
        for (int i = 0; i < ticks; ++i) TypewriterTick(state);
    }
};

TEST_F(TextTest, TheDefaultsAreReadPastTheirKeys) {
    EXPECT_EQ(state.text.TextX, 20);
    EXPECT_EQ(state.text.TextY, 600);
    EXPECT_EQ(state.text.TextFontFace, "DejaVu Sans");
    EXPECT_EQ(state.text.TextWrapWidth, 40);
    EXPECT_EQ(state.text.TextSpeed, "fast");
    EXPECT_EQ(platform.timers().Interval(TimerId::Timer1), 10);
    EXPECT_EQ(state.text.TextLineSpacing, 22);
    EXPECT_EQ(state.text.TextMaxLines, 3);
    EXPECT_EQ(state.text.NameFontStyle, "bold");
    EXPECT_EQ(state.text.NameY, 580);
}

TEST_F(TextTest, SpeakerNamesAndNameVariablesAreFilledIn) {
    Run({"set text name=Old%Man text=Hi /vhero/! /vnobody/Bye", "set journal"});
    EXPECT_EQ(state.text.SpeakerName, "Old Man");
    EXPECT_EQ(state.text.ShownText, "Hi Anna! Bye\r\n");
    EXPECT_TRUE(platform.timers().Enabled(TimerId::Timer1));
    EXPECT_EQ(state.ScriptPos, 1);  // the script waits for a click
    Run({"set text name=/vheroine/:Arial:20:italic:2:30:100:200 text=x"});
    EXPECT_EQ(state.text.SpeakerName, "Olga");
    EXPECT_EQ(state.text.NameFontFace, "Arial");
    EXPECT_EQ(state.text.NameX, 100);
    EXPECT_EQ(state.text.TextWrapWidth, 30);
    Run({"set text text=no speaker"});
    EXPECT_EQ(state.text.SpeakerName, "");
}

TEST_F(TextTest, OnlyWhatStandsBeforeTextIsASetting) {
    Run({"set text speed=slow align=:100:200 voice=hello.wav text=my name=Bob speed=no"});
    EXPECT_EQ(state.text.SpeakerName, "");
    EXPECT_EQ(state.text.TextSpeed, "slow");
    EXPECT_EQ(state.text.TextX, 100);
    EXPECT_EQ(hooks.calls, std::vector<std::string>{"voice hello.wav"});
    Run({"set text default text=back"});
    EXPECT_EQ(state.text.TextSpeed, "fast");
    EXPECT_EQ(state.text.TextX, 20);
}

TEST_F(TextTest, TheTypewriterRevealsACharacterATickAndEndsWithoutMovingTheScript) {
    Run({"set text text=ab", "set journal"});
    TypeTicks(2);
    // A line is drawn without the character just reached: nothing shows yet.
    EXPECT_FALSE(InkIn(20, 560, 200, 610, Pixel(5, 5)));
    TypeTicks(3);
    EXPECT_TRUE(InkIn(20, 560, 200, 610, Pixel(5, 5)));
    EXPECT_EQ(state.text.ShownText, "ab\r\n");
    TypeTicks(1);
    EXPECT_EQ(state.text.ShownText, "");
    EXPECT_TRUE(state.text.TextFinished);
    EXPECT_FALSE(platform.timers().Enabled(TimerId::Timer1));
    EXPECT_EQ(state.ScriptPos, 1);
}

TEST_F(TextTest, AFullPageStopsTheTypewriterAndKeepsTheRestForTheNextClick) {
    Run({"set text max_str=1 font=DejaVu:14::15:3 text=aa bb"});
    EXPECT_EQ(state.text.ShownText, "aa \r\nbb\r\n");
    TypeTicks(6);
    EXPECT_FALSE(platform.timers().Enabled(TimerId::Timer1));
    EXPECT_EQ(state.text.ShownText, "bb\r\n");
    EXPECT_FALSE(state.text.TextFinished);
}

TEST_F(TextTest, SpeedNoShowsThePageAtOnce) {
    const uint64_t before = platform.presents();
    Run({"set text speed=no max_str=1 font=DejaVu:14::15:3 text=aa bb cc"});
    EXPECT_EQ(platform.presents(), before + 1);
    EXPECT_TRUE(InkIn(20, 560, 200, 610, Pixel(5, 5)));
    EXPECT_FALSE(platform.timers().Enabled(TimerId::Timer1));
    EXPECT_EQ(state.text.ShownText, "bb \r\ncc\r\n");
}

TEST_F(TextTest, ALineThatStartsWithATagStillStartsOnItsOwnRow) {
    Run({"set text font=DejaVu:14::15:5 text=aaaa /b/bbbb"});
    EXPECT_EQ(state.text.ShownText, "aaaa \r\n/b/bbbb\r\n");
    const uint32_t ground = Pixel(5, 5);
    while (platform.timers().Enabled(TimerId::Timer1)) TypewriterTick(state);
    EXPECT_TRUE(state.text.TextFinished);
    // Line 2 stands one spacing below line 1 (TextY 600, spacing 22), and nothing runs on to
    // the right of line 1.
    EXPECT_TRUE(InkIn(20, 605, 120, 622, ground));
    EXPECT_FALSE(InkIn(120, 580, 400, 600, ground));
}

TEST_F(TextTest, ACharacterIsDrawnOnceHoweverManyTicksShowIt) {
    Surface& back = *state.slots.Get(kSlotBackBuffer);
    back.Fill(0);
    Run({"set text speed=no name=Anna text=abc"});
    const std::vector<uint32_t> atOnce = back.pixels;
    back.Fill(0);
    Run({"set text speed=fast name=Anna text=abc"});
    while (platform.timers().Enabled(TimerId::Timer1)) TypewriterTick(state);
    EXPECT_TRUE(back.pixels == atOnce);
}

TEST_F(TextTest, TagsChangeTheFontAndCarryOverToTheNextLine) {
    Run({"set text font=DejaVu:14::15:8 text=aaaa /b/bbbb cccc"});
    TypeTicks(30);
    EXPECT_EQ(state.text.TextFontStyle, "bold");
}

TEST_F(TextTest, SelectionTextOpensTheChoiceAndNameEntryItsScreen) {
    Run({"set selection text", "set journal"});
    EXPECT_EQ(state.ScreenMode, 2);
    EXPECT_EQ(state.MenuKind, 3);
    EXPECT_EQ(state.ScriptPos, 1);
    Run({"set bg bg=bg_blue", "set enter name=hero font=default bg=bg_blue align=:300:400 .",
         "set journal"});
    EXPECT_EQ(state.ScreenMode, 14);
    EXPECT_TRUE(state.stage.StageItems.empty());
    EXPECT_EQ(state.nameEntry.variable, "hero");
    EXPECT_EQ(state.nameEntry.originX, 300);
    EXPECT_TRUE(platform.timers().Enabled(TimerId::Timer4));
    EXPECT_EQ(Pixel(5, 5), kBlue);
}

}  // namespace
}  // namespace orvane
