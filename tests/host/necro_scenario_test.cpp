// The phone game played on the whole engine: a small story made here, with its pictures and
// fonts, played through its menus, pages and choices to its endings and back to the script.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "archive/bmp_writer.h"
#include "base/text.h"
#include "host/engine.h"
#include "platform/headless_platform.h"
#include "platform/wave_format.h"
#include "script/triggers.h"
#include "support/game_folder.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

using testing::GameArchive;
using testing::TempDir;

constexpr uint32_t kScene = MakePixel(0, 0, 120);
constexpr uint32_t kPhone = MakePixel(60, 60, 60);
constexpr uint32_t kPressed = MakePixel(200, 30, 30);
constexpr uint32_t kMenu = MakePixel(20, 90, 20);
constexpr uint32_t kStrip = MakePixel(240, 240, 0);
constexpr uint32_t kPanel = MakePixel(10, 10, 90);
constexpr uint32_t kPauseMenu = MakePixel(90, 0, 90);
constexpr uint32_t kFrame = MakePixel(150, 150, 150);
constexpr uint32_t kTitle = MakePixel(0, 200, 200);
constexpr uint32_t kPictureA = MakePixel(200, 100, 0);
constexpr uint32_t kPictureB = MakePixel(0, 100, 200);
constexpr uint32_t kPlainInk = MakePixel(255, 255, 255);
constexpr uint32_t kBrightInk = MakePixel(255, 128, 0);
constexpr uint32_t kBlack = MakePixel(0, 0, 0);
constexpr uint32_t kClear = MakePixel(0, 0, 0, 255);

// Glyphs three columns wide, two apart; each style's ink in rows 2..8 of its band.
std::string FontBmp(int glyphs) {
    Image font(glyphs * 5, 22);
    std::fill(font.pixels.begin(), font.pixels.end(), kClear);
    for (int g = 0; g < glyphs; ++g) {
        for (int x = g * 5; x < g * 5 + 3; ++x) {
            for (int y = 2; y < 9; ++y) {
                font.at(x, y) = kPlainInk;
                font.at(x, y + 11) = kBrightInk;
            }
        }
    }
    return EncodeBmp32(font);
}

// The strips picture: the five menu strips, the display's lower panel, the pause menu.
std::string StripsBmp() {
    Image strips(176, 253);
    for (int y = 0; y < strips.height; ++y) {
        const uint32_t pixel = y < 50 ? kStrip : y < 104 ? kPanel : kPauseMenu;
        for (int x = 0; x < strips.width; ++x) strips.at(x, y) = pixel;
    }
    return EncodeBmp32(strips);
}

// A frame two pixels wide round a see-through middle.
std::string ForegroundBmp() {
    Image frame(176, 218);
    for (int y = 0; y < frame.height; ++y) {
        for (int x = 0; x < frame.width; ++x) {
            const bool edge = x < 2 || y < 2 || x >= frame.width - 2 || y >= frame.height - 2;
            frame.at(x, y) = edge ? kFrame : kClear;
        }
    }
    return EncodeBmp32(frame);
}

std::string Wave() {
    return EncodeWave({1, 11025, 8}, std::string(2000, '\x80'));
}

const char* const kStory =
    "the phone story\r\n"
    "(not read)\r\n"
    "//SCREEN ring.wav\r\n"
    "image=a.bmp\r\n"
    "secondpic=b.bmp\r\n"
    "//TEXT//ОДИН ДВА ТРИ ЧЕТЫРЕ ПЯТЬ ШЕСТЬ СЕМЬ ВОСЕМЬ ДЕВЯТЬ ДЕСЯТЬ ОДИННАДЦАТЬ ДВЕНАДЦАТЬ "
    "ТРИНАДЦАТЬ\r\n"
    "//IF//ВЛЕВО//left\r\n"
    "//IF//ВПРАВО//right\r\n"
    "//IF//НИКУДА//nowhere\r\n"
    "//left\r\n"
    "SET TRIGGER 12_necro=1\r\n"
    "//SCREEN ring.wav\r\n"
    "image=b.bmp\r\n"
    "secondpic=dot.bmp\r\n"
    "//TEXT//КОРОТКО\r\n"
    "//END//\r\n"
    "//right\r\n"
    "//SCREEN silent.wav\r\n"
    "image=missing.bmp\r\n"
    "secondpic=dot.bmp\r\n"
    "//TEXT//КОНЕЦ";

void WriteGame(const TempDir& game, const std::string& before) {
    game.Write("ring.wav", Wave());
    GameArchive()
        .FixedPictures()
        .Entry("phone.bmp", testing::Bmp32Of(400, 740, kPhone))
        .Entry("phone_pressed.bmp", testing::Bmp32Of(400, 740, kPressed))
        .Entry("main_menu_necro.bmp", testing::Bmp32Of(176, 253, kMenu))
        .Entry("necro_if.bmp", StripsBmp())
        .Entry("foreground.bmp", ForegroundBmp())
        .Entry("title1.bmp", testing::Bmp32Of(95, 108, kTitle))
        .Entry("title2.bmp", testing::Bmp32Of(176, 220, kTitle))
        .Entry("a.bmp", testing::Bmp32Of(100, 80, kPictureA))
        .Entry("b.bmp", testing::Bmp32Of(40, 40, kPictureB))
        .Entry("necrofont1.bmp", FontBmp(31))
        .Entry("necrofont2.bmp", FontBmp(32))
        .Entry("necrofont3.bmp", FontBmp(32))
        .Entry("bg.bmp", testing::Bmp32Of(1024, 768, kScene))
        .Script("default.scn", Utf8ToCp1251(kStory).value())
        .Script("objects.scn", "bg_a:bg.bmp")
        .Script("triggers.scn",
                "11_necro=0\r\n12_necro=0\r\n13_necro=0\r\n21_necro=0\r\n22_necro=0\r\n23_necro=0")
        .Script("master.scn",
                "scene one\r\n"
                "set bg level=1 align=:0:0 bg=bg_a\r\n" +
                    before +
                    "game=necro\r\n"
                    "scene after\r\nset pause\r\nend\r\n"
                    "scene 12xx_necro_end\r\nset pause\r\nend\r\n"
                    "scene 11xx_necro_off\r\nset pause\r\nend\r\n")
        .WriteTo(game / "Orvane.pak");
}

// Keys by the middle of one of their places on the phone (drawn at 312, 0).
enum Key { kOne, kUp, kDown, kLeft, kRight, kSelect, kEsc };
struct Point {
    int x, y;
};
constexpr Point kKeyAt[] = {{439, 520}, {511, 520}, {511, 592}, {439, 556}, {583, 556}, {511, 556}};

class NecroScenario : public ::testing::Test {
protected:
    Engine& Start(const std::string& before = "") {
        WriteGame(game, before);
        EXPECT_TRUE(engine.Start());
        return engine;
    }
    uint32_t Shown(int x, int y) const { return platform.lastFrame().at(x, y); }
    void Press(Key key) {
        if (key == kEsc) return engine.FormKeyDown(27);
        const Point at = kKeyAt[key];
        engine.FormMouseMove(at.x, at.y);
        engine.FormMouseDown(MouseButton::Left, at.x, at.y);
    }
    void Press(const std::vector<Key>& keys) {
        for (Key key : keys) Press(key);
    }
    void Wait(int ms) { platform.AdvanceTo(engine, platform.Now() + static_cast<uint64_t>(ms)); }
    bool Typing() { return platform.timers().Enabled(TimerId::NecroTimer1); }
    const RecordingAudioDevice& audio() { return platform.recordingAudio(); }

    TempDir game;
    HeadlessPlatform platform;
    Engine engine{platform, GameFolders{game.path(), game.path(), game.path()}};
    NecroGame& necro = engine.necro;
};

TEST_F(NecroScenario, TitlesMenuPagesAndAChoiceToTheEndingTheTriggerNames) {
    Engine& e = Start();
    // Two titles of two seconds each, then the phone's menu over the scene.
    EXPECT_EQ(platform.Now(), 4000u);
    ASSERT_EQ(e.ScreenMode, 4);
    EXPECT_EQ(e.ScriptPos, 3);
    EXPECT_EQ(necro.NecroState, 2);
    EXPECT_EQ(necro.NecroPos, 2);
    EXPECT_EQ(Shown(100, 100), kScene);
    EXPECT_EQ(Shown(320, 700), kPhone);
    EXPECT_EQ(Shown(430, 200), kMenu);
    EXPECT_EQ(Shown(470, 262), kStrip);

    // A move lights the key under the pointer; off the keys none is lit.
    e.FormMouseMove(511, 592);
    EXPECT_EQ(necro.NecroKey, 2);
    EXPECT_EQ(Shown(511, 592), kPressed);
    e.FormMouseMove(700, 700);
    EXPECT_EQ(necro.NecroKey, 0);
    EXPECT_EQ(Shown(511, 592), kPhone);

    // The first screen: its sound, the first picture centred over the panel, the second
    // blended over it, the frame and the lower panel; the text is typed a character a tick.
    Press(kSelect);
    EXPECT_EQ(necro.NecroState, 1);
    EXPECT_EQ(audio().soundsPlayed, 1);
    EXPECT_EQ(necro.NecroLastSound, "ring.wav");
    EXPECT_EQ(Shown(424 + 38 + 2, 161 + 45 + 2), kPictureA);
    EXPECT_EQ(Shown(424 + 68 + 20, 161 + 65 + 20), kPictureB);
    EXPECT_EQ(Shown(425, 300), kFrame);
    EXPECT_EQ(Shown(590, 370), kPanel);
    EXPECT_TRUE(Typing());
    Wait(200);
    EXPECT_EQ(Shown(441, 325), kPlainInk);  // the first letter, shown as the second is typed
    EXPECT_NE(Shown(446, 325), kPlainInk);

    // Down while typing: the rest of the page at once; the next page waits.
    Press(kDown);
    EXPECT_FALSE(Typing());
    EXPECT_EQ(Shown(441, 355), kPlainInk);
    EXPECT_FALSE(necro.NecroText().empty());
    // Select types the next page on a clean display, to its end.
    Press(kSelect);
    EXPECT_TRUE(Typing());
    EXPECT_NE(Shown(441, 355), kPlainInk);
    Wait(5000);
    EXPECT_FALSE(Typing());
    EXPECT_TRUE(necro.NecroText().empty());

    // The choices of the same screen, the first lit; up wraps to the last.
    Press(kDown);
    ASSERT_EQ(necro.NecroState, 11);
    EXPECT_EQ(necro.optionCount(), 3);
    EXPECT_EQ(necro.NecroOption, 1);
    EXPECT_EQ(Shown(441, 326), kBrightInk);
    EXPECT_EQ(Shown(441, 340), kPlainInk);
    Press(kUp);
    EXPECT_EQ(necro.NecroOption, 3);
    EXPECT_EQ(Shown(441, 326), kPlainInk);
    EXPECT_EQ(Shown(441, 353), kBrightInk);
    // A choice whose label the story lacks keeps the choice screen.
    Press(kSelect);
    EXPECT_EQ(necro.NecroState, 11);
    Press(kDown);
    EXPECT_EQ(necro.NecroOption, 1);
    Press(kSelect);

    // "left": its trigger line runs and is gone; the same sound is not started again; without
    // a second picture only the first shows under the frame.
    EXPECT_EQ(GetTrigger(e.Triggers, "12_necro"), "1");
    EXPECT_EQ(necro.NecroLines.size(), 20u);
    EXPECT_EQ(audio().soundsPlayed, 1);
    EXPECT_EQ(Shown(424 + 68 + 2, 161 + 65 + 2), kPictureB);
    EXPECT_EQ(Shown(424 + 20, 161 + 20), kBlack);
    Wait(1000);
    const std::string dump = e.StateDumpText();
    EXPECT_NE(dump.find("necro_state=1\nnecro_pos=13\nnecro_menu_item=1\nnecro_option=0\n"
                        "necro_key=7\nnecro_text=\nnecro_last_sound=ring.wav\nnecro_options=||\n"),
              std::string::npos)
        << dump;
    EXPECT_NE(dump.find("[necro]\nthe phone story\n(not read)\n//SCREEN ring.wav\n"),
              std::string::npos);

    // The end: the last trigger set names the scene where the script goes on.
    Press(kDown);
    EXPECT_EQ(e.ScreenMode, 1);
    EXPECT_EQ(e.SceneName, "12xx_necro_end");
    EXPECT_TRUE(e.Paused);
    EXPECT_TRUE(e.stage.StageItems.empty());
}

// Each state's keys, from a fresh start each time: where the keys lead.
TEST_F(NecroScenario, KeysOfEveryState) {
    struct Case {
        const char* what;
        std::vector<Key> keys;
        int state, menuItem, option, mode;
    };
    // Down, down, down, down gets the first screen's two pages out and its choices up.
    const std::vector<Key> toChoices{kSelect, kDown, kSelect, kDown, kDown};
    auto then = [&](std::vector<Key> keys) {
        keys.insert(keys.begin(), toChoices.begin(), toChoices.end());
        return keys;
    };
    const Case cases[] = {
        {"menu: down wraps after the fifth item", {kDown, kDown, kDown, kDown, kDown}, 2, 1, 0, 4},
        {"menu: up wraps to the fifth", {kUp}, 2, 5, 0, 4},
        {"menu: items 2 and 3 and the other keys do nothing",
         {kDown, kSelect, kDown, kSelect, kOne, kLeft},
         2,
         3,
         0,
         4},
        {"menu: help", {kUp, kUp, kSelect}, 4, 4, 0, 4},
        {"help: any key goes back to the menu", {kUp, kUp, kSelect, kOne}, 2, 1, 0, 4},
        {"menu: start", {kSelect}, 1, 1, 0, 4},
        {"text: up pauses, going back lit", {kSelect, kUp}, 5, 1, 2, 4},
        {"pause: left and right swap", {kSelect, kUp, kLeft}, 5, 1, 1, 4},
        {"pause: twice is back", {kSelect, kUp, kRight, kLeft}, 5, 1, 2, 4},
        {"pause: go back", {kSelect, kUp, kSelect}, 1, 1, 2, 4},
        {"pause: leave for the menu", {kSelect, kUp, kLeft, kSelect}, 2, 1, 1, 4},
        {"text: the other keys do nothing", {kSelect, kOne, kLeft}, 1, 1, 0, 4},
        {"choices: down", then({kDown}), 11, 1, 2, 4},
        {"choices: down wraps", then({kDown, kDown, kDown}), 11, 1, 1, 4},
        {"choices: other keys do nothing", then({kOne, kLeft}), 11, 1, 1, 4},
        {"menu: leave, no trigger set: the script goes on after game=necro",
         {kUp, kSelect},
         2,
         5,
         0,
         1},
        {"escape opens the in-game menu", {kSelect, kEsc}, 1, 1, 0, 40},
    };
    Engine& e = Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // "game=necro" once more: every start begins afresh.
        e.ScreenMode = 1;
        e.Paused = false;
        e.ScriptPos = 2;
        e.interpreter.RunScript();
        ASSERT_EQ(e.ScreenMode, 4);
        Press(std::vector<Key>(c.keys));
        EXPECT_EQ(necro.NecroState, c.state);
        EXPECT_EQ(necro.NecroMenuItem, c.menuItem);
        EXPECT_EQ(necro.NecroOption, c.option);
        EXPECT_EQ(e.ScreenMode, c.mode);
        if (c.mode == 1) {
            EXPECT_EQ(e.SceneName, "after");
        }
    }
}

TEST_F(NecroScenario, PauseSoundSwitchMissingFilesAndLeavingByTheMenu) {
    Engine& e = Start("set trigger 11_necro=1\r\n");
    Press(kSelect);
    Wait(200);
    // The pause menu over the page; going back shows the page as it was and typing goes on.
    Press(kUp);
    EXPECT_EQ(Shown(460, 225), kPauseMenu);
    const uint32_t typed = Shown(441, 325);
    Wait(1000);
    EXPECT_EQ(Shown(441, 325), typed);  // no typing while paused
    Press(kSelect);
    EXPECT_EQ(necro.NecroState, 1);
    EXPECT_NE(Shown(460, 225), kPauseMenu);
    EXPECT_TRUE(Typing());

    // The right key switches the phone's sound off and on again; on, the screen's sound plays.
    const int played = audio().soundsPlayed;
    Press(kRight);
    EXPECT_FALSE(necro.soundOn);
    EXPECT_EQ(audio().soundsPlayed, played);
    Press(kRight);
    EXPECT_TRUE(necro.soundOn);
    EXPECT_EQ(audio().soundsPlayed, played + 1);

    // "right" leads to a missing picture (black) and sound (silence), then past the story's
    // end, which ends the game as //END// would.
    Press({kDown, kSelect, kDown, kDown, kDown, kSelect});
    ASSERT_EQ(necro.NecroState, 1);
    EXPECT_EQ(necro.NecroLastSound, "silent.wav");
    EXPECT_EQ(audio().soundsPlayed, played + 1);
    EXPECT_EQ(Shown(424 + 88, 161 + 85), kBlack);
    Press(kDown);
    EXPECT_EQ(e.ScreenMode, 4);
    Press(kDown);
    EXPECT_EQ(e.ScreenMode, 1);
    EXPECT_EQ(e.SceneName, "after");  // the ending label's scene is not in the script

    // Once more from the start; the menu's exit takes the "_off" scene of the trigger set.
    e.Paused = false;
    e.ScriptPos = 3;
    e.interpreter.RunScript();
    ASSERT_EQ(e.ScreenMode, 4);
    Press({kUp, kSelect});
    EXPECT_EQ(e.ScreenMode, 1);
    EXPECT_EQ(e.SceneName, "11xx_necro_off");
}

}  // namespace
}  // namespace orvane
