#include <gtest/gtest.h>

#include <climits>

#include "platform/keycodes.h"
#include "script/text_commands.h"
#include "shell/input_dispatch.h"
#include "shell/screenshot.h"
#include "stage_fixture.h"

namespace orvane {
namespace {

using testing::StageTest;

class RecordingScreens : public ScreenHooks {
public:
    explicit RecordingScreens(GameState& game) : game_(game) {}
    void OpenGameMenu() override { calls.push_back("menu"); }
    void CloseGameMenu() override { calls.push_back("close"); }
    void MenuAction() override { calls.push_back("action"); }
    void JournalClick() override { calls.push_back("journal"); }
    bool LoadActionBarHover(int, int) override {
        calls.push_back("bar");
        game_.ScreenMode = 21;  // the pointer left the bar: back to the carousel
        return false;
    }
    void LoadCarouselHover(int, int) override { calls.push_back("carousel"); }
    std::vector<std::string> calls;

private:
    GameState& game_;
};

class InputTest : public StageTest {
protected:
    void SetUp() override { UseTextDefaults(); }
    void Click(MouseButton button = MouseButton::Left) { input.MouseDown(button, 10, 10); }
    RecordingScreens screens{state};
    InputDispatch input{state, interpreter, screens};
};

TEST_F(InputTest, AClickFinishesThePageThenShowsTheNextThenContinuesTheScript) {
    Run({"set text max_str=1 font=DejaVu:14::15:3 text=aa bb", "set bg bg=bg_blue", "end"});
    for (int i = 0; i < 3; ++i) TypewriterTick(state);
    Click();  // while typing: the page at once
    EXPECT_FALSE(platform.timers().Enabled(TimerId::Timer1));
    EXPECT_EQ(state.text.ShownText, "bb\r\n");
    EXPECT_EQ(state.ScriptPos, 1);
    Click();  // the next page starts typing
    EXPECT_TRUE(platform.timers().Enabled(TimerId::Timer1));
    for (int i = 0; i < 10; ++i) TypewriterTick(state);
    EXPECT_EQ(state.text.ShownText, "");
    Click();  // the panel is empty: the script goes on
    EXPECT_EQ(state.ScriptPos, 3);
    EXPECT_EQ(state.stage.StageItems.size(), 1u);
}

TEST_F(InputTest, ClickNoIgnoresClicksOnlyWhileTextIsShown) {
    Run({"set text click=no text=hello", "end", "set bg bg=bg_blue"});
    Click();
    EXPECT_TRUE(platform.timers().Enabled(TimerId::Timer1));
    state.text.ShownText.clear();
    Click();
    EXPECT_EQ(state.ScriptPos, 2);
}

TEST_F(InputTest, PausesTheRightButtonAndNameEntryComeInTheirOrder) {
    Run({"set pause", "set bg bg=bg_blue", "end"});
    Click(MouseButton::Right);  // the in-game menu comes before the pause
    EXPECT_EQ(screens.calls, std::vector<std::string>{"menu"});
    EXPECT_TRUE(state.Paused);
    state.stage.RightButtonAllowed = false;
    Click(MouseButton::Right);  // now it is a click like any other, and only ends the pause
    EXPECT_FALSE(state.Paused);
    EXPECT_EQ(state.ScriptPos, 3);
    state.ScreenMode = 14;
    state.Paused = true;
    Click();
    EXPECT_TRUE(state.Paused);  // clicks do nothing on the name-entry screen
    state.ScreenMode = 7;
    state.Animating = true;
    Click();
    EXPECT_EQ(screens.calls.size(), 1u);  // dropped while animating
}

TEST_F(InputTest, AModeChangedByAHandlerIsSeenByTheTestsThatFollow) {
    state.ScreenMode = 22;
    input.MouseMove(5, 5);
    EXPECT_EQ(screens.calls, (std::vector<std::string>{"bar", "carousel"}));
}

TEST_F(InputTest, TheClickLockDropsClicksFor750Milliseconds) {
    Run({"set pause", "end"});
    input.LockClicks();
    Click();
    EXPECT_TRUE(state.Paused);
    input.UnlockClicks();
    Click();
    EXPECT_FALSE(state.Paused);
}

TEST_F(InputTest, EscOpensTheMenuInPlayAndClosesItInTheMenu) {
    input.KeyDown(vk::Escape);
    state.ScreenMode = 40;
    input.KeyDown(vk::Escape);
    state.ScreenMode = 2;
    input.KeyDown(vk::Escape);  // on a section menu Esc does nothing
    EXPECT_EQ(screens.calls, (std::vector<std::string>{"menu", "close"}));
}

TEST_F(InputTest, NameEntryTypesRussianCapitalsUpToTwelveAndEnterStoresTheName) {
    state.lists.NameList = {"hero:Alex", "other:x"};
    Run({"set enter name=hero align=:100:100", "set journal"});
    for (int key : {int{'G'}, int{'H'}, int{'B'}, int{'D'}, int{'T'}, vk::Oem1}) input.KeyDown(key);
    EXPECT_EQ(state.nameEntry.typed, "\xCF\xD0\xC8\xC2\xC5\xC6");  // ПРИВЕЖ
    input.KeyDown(vk::Back);
    input.KeyDown(vk::F2);  // no letter, and no restart on this screen
    EXPECT_EQ(state.nameEntry.typed, "\xCF\xD0\xC8\xC2\xC5");
    for (int i = 0; i < 10; ++i) input.KeyDown('A');
    EXPECT_EQ(state.nameEntry.typed.size(), 12u);
    EXPECT_GT(state.nameEntry.penX, 100);
    input.KeyDown(vk::Return);
    EXPECT_EQ(state.lists.NameList[0], "hero:" + state.nameEntry.typed);
    EXPECT_EQ(state.ScreenMode, 1);
    EXPECT_FALSE(platform.timers().Enabled(TimerId::Timer4));
    EXPECT_EQ(screens.calls, std::vector<std::string>{});
    EXPECT_EQ(state.ScriptPos, 2);
}

TEST_F(InputTest, AnEmptyNameIsNotAccepted) {
    Run({"set enter name=hero", "set journal"});
    input.KeyDown(vk::Return);
    input.KeyDown(vk::Back);
    EXPECT_EQ(state.ScreenMode, 14);
}

TEST_F(InputTest, ScreenshotsAreNumberedAfterTheLargestPresent) {
    EXPECT_EQ(NextScreenshotNumber(game.path()), 0);
    game.Write("screenshot00.bmp", "x");
    game.Write("ScreenShot01.BMP", "x");
    game.Write("screenshot_notes.txt", "x");
    EXPECT_EQ(NextScreenshotNumber(game.path()), 2);
    game.Write("screenshot09.bmp", "x");
    EXPECT_EQ(ScreenshotName(*NextScreenshotNumber(game.path())), "screenshot10.bmp");
    game.Write("screenshot99.bmp", "x");
    EXPECT_EQ(ScreenshotName(*NextScreenshotNumber(game.path())), "screenshot100.bmp");
    EXPECT_FALSE(NextScreenshotNumber(game / "missing"));
    input.KeyDown('S');
    EXPECT_TRUE(std::filesystem::exists(game / "screenshot100.bmp"));
    EXPECT_EQ(testing::ReadWholeFile(game / "screenshot100.bmp").substr(0, 2), "BM");
}

TEST_F(InputTest, F2RestartsTheScriptAndArrowsScrollTheChosenKind) {
    Run({"set bg bg=bg_blue", "set character character=ch_ramp", "set scroll bg:10:5", "end"});
    input.KeyDown(vk::Left);
    input.KeyDown(vk::Down);
    EXPECT_EQ(Item("bg_blue")->x, -10);
    EXPECT_EQ(Item("bg_blue")->y, 5);
    EXPECT_EQ(Item("ch_ramp")->x, 0);
    input.KeyDown(vk::F2);
    EXPECT_EQ(state.ScriptPos, 4);
    EXPECT_EQ(state.stage.StageItems.size(), 4u);  // not cleared: the picture is added again
}

TEST_F(InputTest, ScrollingByTheLargestStepsStopsAtTheEndsOfTheIntRange) {
    Run({"set bg bg=bg_blue", "set scroll bg:-2147483648:2147483647", "end"});
    for (int key : {vk::Left, vk::Left, vk::Down, vk::Down, vk::Up}) input.KeyDown(key);
    EXPECT_EQ(Item("bg_blue")->x, INT_MAX);
    EXPECT_EQ(Item("bg_blue")->y, 0);  // INT_MAX twice over, then one step back
}

}  // namespace
}  // namespace orvane
