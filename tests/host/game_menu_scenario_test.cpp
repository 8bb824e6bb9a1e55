// The in-game menu with its yes/no panels, and the journal, played on the whole engine.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "archive/bmp_writer.h"
#include "host/engine.h"
#include "platform/headless_platform.h"
#include "platform/keycodes.h"
#include "script/triggers.h"
#include "shell/save_game.h"
#include "support/game_folder.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

using testing::GameArchive;
using testing::TempDir;

constexpr uint32_t kSceneA = MakePixel(0, 0, 120);
constexpr uint32_t kSceneB = MakePixel(0, 120, 0);
constexpr uint32_t kMenuColour = MakePixel(30, 40, 90);
constexpr uint32_t kMainMenuColour = MakePixel(90, 40, 30);
// The rows of the panels picture, each in a colour of its own.
constexpr uint32_t kThirdLit = MakePixel(200, 0, 200);
constexpr uint32_t kNoLit = MakePixel(200, 0, 0);
constexpr uint32_t kYesLit = MakePixel(0, 200, 0);
constexpr uint32_t kPlain = MakePixel(200, 200, 200);
constexpr uint32_t kSaved = MakePixel(250, 250, 0);
constexpr uint32_t kRed = MakePixel(255, 0, 0);
constexpr uint32_t kBlack = MakePixel(0, 0, 0);
// The journal's pages: the colour of page k is kPage + k.
constexpr uint8_t kPage = 100;

// 8 December 2026, 04:24 UTC.
constexpr int64_t kClock = 1796703840;
constexpr char kSaveName[] = "08 \xE4\xE5\xEA 2026 04-24.sav";  // "дек" in CP1251

bool Near(uint32_t a, uint32_t b) {
    auto close = [](int x, int y) { return std::abs(x - y) <= 6; };
    return close(PixelRed(a), PixelRed(b)) && close(PixelGreen(a), PixelGreen(b)) &&
           close(PixelBlue(a), PixelBlue(b));
}

std::string PanelsPicture() {
    Image panels = testing::Solid(402, 302, kPlain);
    for (int y = 0; y < 90; ++y) {
        const uint32_t colour = y < 29 ? kThirdLit : y < 60 ? kNoLit : kYesLit;
        for (int x = 0; x < 402; ++x) panels.at(x, y) = colour;
    }
    return EncodeBmp24(panels);
}

void WriteGame(const TempDir& game) {
    GameArchive archive;
    archive.FixedPictures()
        .Entry("a.bmp", testing::Bmp32Of(1024, 768, kSceneA))
        .Entry("b.bmp", testing::Bmp32Of(1024, 768, kSceneB))
        .Entry("right_button.jpg", testing::JpegOf(1024, 768, kMenuColour))
        .Entry("right_buttons.bmp", PanelsPicture())
        .Entry("saved.bmp", testing::Bmp32Of(300, 100, kSaved))
        .Entry("main_menu.jpg", testing::JpegOf(1024, 768, kMainMenuColour))
        .Script("objects.scn", "bg_a:a.bmp\r\nbg_b:b.bmp")
        .Script("triggers.scn", "sys_1=0\r\nsys_2=0\r\nsys_3=0\r\nchapter=1")
        .Script("default_text.scn",
                "xy_pos=64:682\r\nfont=DejaVuSans:16:none:15:66\r\nspeed=fast\r\nil=26\r\n"
                "max_str=3\r\nclick=yes\r\nname_font=DejaVuSans:18:bold:4:66\r\nname_x=64\r\n"
                "name_y=644\r\nextra=0")
        .Script("master.scn",
                "scene one\r\n"
                "set bg level=1 align=:0:0 bg=bg_a\r\n"
                "set text default text=A line of dialogue long enough to be typed for a "
                "while, and then some more words.\r\n"
                "set text default max_str=1 text=This text has two lines: the first one is "
                "shown on a page of its own, the second after it.\r\n"
                "set journal\r\n"
                "scene two\r\n"
                "set bg level=1 align=:0:0 bg=bg_b\r\n"
                "set pause\r\n"
                "end\r\n"
                "set section menu=main_menu3\r\n");
    const char* pages[] = {"bortzhur.bmp",        "bortzhur_save.bmp",      "bortzhur_save_y.bmp",
                           "bortzhur_save_n.bmp", "bortzhur_sure.bmp",      "bortzhur_sure_y.bmp",
                           "bortzhur_sure_n.bmp", "bortzhur_game_saved.bmp"};
    for (uint8_t k = 0; k < 8; ++k) {
        archive.Entry(pages[k], testing::Bmp32Of(1024, 570, MakePixel(kPage + k, 0, 0)));
    }
    archive.WriteTo(game / "Orvane.pak");
}

uint32_t PageColour(int k) {
    return MakePixel(static_cast<uint8_t>(kPage + k), 0, 0);
}

class GameMenuScenario : public ::testing::Test {
protected:
    GameMenuScenario() { WriteGame(game); }

    Engine& Start() {
        platform.SetWallClockStart(kClock);
        EXPECT_TRUE(engine.Start());
        return engine;
    }
    uint32_t Shown(int x, int y) const { return platform.lastFrame().at(x, y); }
    void Wait(int ms) { platform.AdvanceTo(engine, platform.Now() + static_cast<uint64_t>(ms)); }
    void Click(int x, int y) {
        engine.FormMouseMove(x, y);
        engine.FormMouseDown(MouseButton::Left, x, y);
    }
    bool Typing() const { return platform.timers().Enabled(TimerId::Timer1); }
    // Clicks through the dialogue to the journal.
    void ToJournal() {
        for (int i = 0; i < 8 && engine.ScreenMode != 7; ++i) {
            engine.FormMouseDown(MouseButton::Left, 5, 5);
            Wait(3000);
        }
        ASSERT_EQ(engine.ScreenMode, 7);
    }

    TempDir game;
    HeadlessPlatform platform;
    Engine engine{platform, GameFolders{game.path(), game.path(), game.path()}};
};

TEST_F(GameMenuScenario, MenuItemsPanelsAndTheirButtons) {
    Engine& e = Start();
    ASSERT_TRUE(Typing());
    // The right button opens the menu over the scene, which the menu keeps.
    e.FormMouseDown(MouseButton::Right, 500, 500);
    ASSERT_EQ(e.ScreenMode, 40);
    EXPECT_TRUE(Near(Shown(512, 384), kMenuColour));
    EXPECT_EQ(e.slots.Get(13)->at(512, 100), kSceneA);
    EXPECT_FALSE(e.thumbnailBmp.empty());

    // Saving waits for the story: the black marker, and a click that does nothing. Nor does
    // loading while there is no saved game.
    e.FormMouseMove(100, 340);
    EXPECT_EQ(e.MenuHoverItem, 0);
    EXPECT_EQ(Shown(65, 335), kBlack);
    e.FormMouseDown(MouseButton::Left, 100, 340);
    EXPECT_TRUE(e.SaveGames.empty());
    Click(100, 390);
    EXPECT_EQ(e.MenuHoverItem, 3);
    EXPECT_EQ(Shown(65, 390), kRed);
    EXPECT_TRUE(Near(Shown(65, 335), kMenuColour));
    EXPECT_EQ(e.ScreenMode, 40);

    // Once unlocked, a save is written under the clock's name; the notice stands for a second
    // and then the menu is whole again.
    SetTrigger(e.Triggers, "sys_2", "1");
    const uint64_t before = platform.Now();
    Click(100, 340);
    EXPECT_EQ(e.MenuHoverItem, 2);
    ASSERT_EQ(e.SaveGames.size(), 1u);
    EXPECT_EQ(e.SaveGames[0].name, kSaveName);
    EXPECT_TRUE(std::filesystem::exists(e.SaveGames[0].path));
    EXPECT_EQ(platform.Now() - before, 1000u);
    EXPECT_TRUE(Near(Shown(550, 384), kMenuColour));
    EXPECT_EQ(e.ScreenMode, 40);
    std::string error;
    const std::optional<SavedState> saved = ReadSaveGame(e.SaveGames[0].path, error);
    ASSERT_TRUE(saved) << error;
    EXPECT_EQ(saved->sceneName, "one");

    // The load panel: each button lit as the pointer passes, "no" back to the menu.
    Click(100, 390);
    ASSERT_EQ(e.ScreenMode, 43);
    EXPECT_EQ(Shown(330, 385), kPlain);
    struct Hover {
        int x, y;
        uint32_t shown;
    };
    for (const Hover& h :
         {Hover{321, 380, kYesLit}, Hover{369, 400, kYesLit}, Hover{370, 390, kPlain},
          Hover{419, 380, kNoLit}, Hover{420, 390, kPlain}, Hover{330, 401, kPlain}}) {
        SCOPED_TRACE(std::to_string(h.x) + "," + std::to_string(h.y));
        e.FormMouseMove(h.x, h.y);
        EXPECT_EQ(Shown(345, 385), h.shown);
    }
    e.FormMouseDown(MouseButton::Left, 380, 390);
    EXPECT_EQ(e.ScreenMode, 40);
    EXPECT_TRUE(Near(Shown(345, 385), kMenuColour));

    // The main-menu panel: its hover reaches a row lower than its click, which clears the pause.
    Click(100, 495);
    ASSERT_EQ(e.ScreenMode, 42);
    e.FormMouseMove(330, 506);
    EXPECT_EQ(Shown(345, 490), kYesLit);
    e.Paused = true;
    e.FormMouseDown(MouseButton::Left, 330, 506);
    EXPECT_EQ(e.ScreenMode, 42);
    EXPECT_FALSE(e.Paused);
    EXPECT_EQ(Shown(345, 490), kPlain);

    // The quit panel's third button, lit two rows lower: options two times in three...
    e.FormMouseDown(MouseButton::Left, 380, 490);
    Click(100, 550);
    ASSERT_EQ(e.ScreenMode, 41);
    e.FormMouseMove(450, 550);
    EXPECT_EQ(Shown(450, 541), kPlain);
    EXPECT_EQ(Shown(450, 542), kThirdLit);
    e.random.Seed(1);
    e.FormMouseDown(MouseButton::Left, 450, 550);
    EXPECT_EQ(e.ScreenMode, 20);
    EXPECT_TRUE(e.shell.options.OptionsFromGame);
    // ...whose way back is the game screen the menu kept.
    Click(100, 605);
    EXPECT_EQ(e.ScreenMode, 1);
    EXPECT_EQ(Shown(512, 100), kSceneA);

    // Yes ends the application.
    e.FormKeyDown(vk::Escape);
    Click(100, 550);
    e.FormMouseDown(MouseButton::Left, 330, 550);
    EXPECT_TRUE(platform.quitRequested());
    EXPECT_TRUE(e.thumbnailBmp.empty());

    // Esc on a panel goes back to the menu, which keeps the game screen it took; the third
    // button's other outcome is the saved games, the dialogue and the stage dropped.
    e.FormKeyDown(vk::Escape);
    EXPECT_EQ(e.ScreenMode, 40);
    EXPECT_EQ(e.slots.Get(13)->at(512, 100), kSceneA);
    Click(100, 550);
    e.random.Seed(2);
    e.FormMouseDown(MouseButton::Left, 450, 550);
    EXPECT_TRUE(e.stage.StageItems.empty());
    EXPECT_TRUE(e.text.ShownText.empty());
    EXPECT_FALSE(Typing());

    // The main-menu panel's yes.
    e.ScreenMode = 1;
    e.FormKeyDown(vk::Escape);
    Click(100, 495);
    e.FormMouseDown(MouseButton::Left, 330, 490);
    EXPECT_EQ(e.ScreenMode, 222);
    EXPECT_TRUE(Near(Shown(512, 384), kMainMenuColour));
}

TEST_F(GameMenuScenario, EscAndResumeLeaveTheDialogueAsItWas) {
    Engine& e = Start();
    Wait(100);
    const Image typed = platform.lastFrame();
    const int position = e.text.TypePos;

    // Typing stops while the menu is up; Esc shows the screen again as it was and typing goes on.
    e.FormKeyDown(vk::Escape);
    ASSERT_EQ(e.ScreenMode, 40);
    Wait(100);
    EXPECT_EQ(e.text.TypePos, position);
    e.FormKeyDown(vk::Escape);
    EXPECT_EQ(e.ScreenMode, 1);
    EXPECT_TRUE(platform.lastFrame().pixels == typed.pixels);
    EXPECT_FALSE(e.thumbnailBmp.empty());
    Wait(100);
    EXPECT_GT(e.text.TypePos, position);

    // Resume does the same, the lines typed so far standing, and forgets the thumbnail.
    const Image more = platform.lastFrame();
    e.FormKeyDown(vk::Escape);
    Click(100, 285);
    EXPECT_EQ(e.ScreenMode, 1);
    EXPECT_TRUE(platform.lastFrame().pixels == more.pixels);
    EXPECT_TRUE(e.thumbnailBmp.empty());
    EXPECT_TRUE(Typing());

    // A full page shown with more to come: resume starts the next page.
    e.FormMouseDown(MouseButton::Left, 5, 5);  // the rest of the page at once
    e.FormMouseDown(MouseButton::Left, 5, 5);  // the next text, one line a page
    Wait(3000);
    ASSERT_FALSE(Typing());
    ASSERT_FALSE(e.text.ShownText.empty());
    e.FormKeyDown(vk::Escape);
    Click(100, 285);
    EXPECT_TRUE(Typing());
    EXPECT_EQ(e.text.TypePos, 1);
    EXPECT_EQ(Shown(512, 700), kSceneA);

    // No menu while something moves or fades: its end would run the script under the menu.
    e.Animating = true;
    e.FormKeyDown(vk::Escape);
    EXPECT_EQ(e.ScreenMode, 1);
}

TEST_F(GameMenuScenario, TheJournalSavesClosesAndGivesWayToTheMenu) {
    Engine& e = Start();
    ToJournal();
    EXPECT_TRUE(Near(Shown(60, 110), PageColour(1)));
    EXPECT_EQ(Shown(10, 10), kSceneA);  // around the page, the game screen
    EXPECT_TRUE(e.stage.StageItems.empty());
    EXPECT_FALSE(e.thumbnailBmp.empty());

    // Esc: the in-game menu; resume shows the page again, but the scene is playing, and a click
    // goes on with the script.
    e.FormKeyDown(vk::Escape);
    ASSERT_EQ(e.ScreenMode, 40);
    Click(100, 285);
    EXPECT_EQ(e.ScreenMode, 1);
    EXPECT_TRUE(Near(Shown(60, 110), PageColour(1)));
    e.FormMouseDown(MouseButton::Left, 5, 5);
    EXPECT_EQ(e.SceneName, "two");
    EXPECT_EQ(Shown(512, 384), kSceneB);

    // The save button, then yes: the save names the scene after the journal.
    e.Paused = false;
    e.ScriptPos = 4;
    e.interpreter.RunScript();
    ASSERT_EQ(e.ScreenMode, 7);
    e.FormMouseDown(MouseButton::Left, 660, 390);  // no hover yet: nothing
    EXPECT_EQ(e.ScreenMode, 7);
    e.FormMouseMove(654, 378);
    EXPECT_EQ(e.shell.journal.JournalHoverButton, 1);
    EXPECT_TRUE(Near(Shown(60, 110), PageColour(2)));
    e.FormMouseMove(782, 396);
    EXPECT_EQ(e.shell.journal.JournalHoverButton, 2);
    EXPECT_TRUE(Near(Shown(60, 110), PageColour(3)));
    Click(673, 396);
    ASSERT_EQ(e.ScreenMode, 71);
    EXPECT_TRUE(Near(Shown(60, 110), PageColour(0)));
    e.FormMouseMove(762, 377);
    EXPECT_EQ(e.shell.journal.JournalHoverButton, 4);
    EXPECT_TRUE(Near(Shown(60, 110), PageColour(6)));
    e.FormMouseMove(700, 390);
    EXPECT_EQ(e.shell.journal.JournalHoverButton, 0);
    EXPECT_TRUE(Near(Shown(60, 110), PageColour(4)));
    const uint64_t before = platform.Now();
    Click(660, 390);
    EXPECT_EQ(platform.Now() - before, 1000u);
    EXPECT_EQ(e.ScreenMode, 1);
    EXPECT_EQ(e.SceneName, "two");
    EXPECT_TRUE(e.Paused);
    EXPECT_EQ(Shown(512, 384), kSceneB);
    EXPECT_TRUE(e.thumbnailBmp.empty());
    ASSERT_EQ(e.SaveGames.size(), 1u);
    std::string error;
    const std::optional<SavedState> saved = ReadSaveGame(e.SaveGames[0].path, error);
    ASSERT_TRUE(saved) << error;
    EXPECT_EQ(saved->sceneName, "two");

    // Close, and the question's no: on with the script, nothing saved.
    for (const bool question : {false, true}) {
        e.Paused = false;
        e.ScriptPos = 4;
        e.interpreter.RunScript();
        ASSERT_EQ(e.ScreenMode, 7);
        if (question) Click(660, 390);
        Click(770, 390);
        EXPECT_EQ(e.ScreenMode, 1);
        EXPECT_EQ(e.SceneName, "two");
        EXPECT_EQ(Shown(512, 384), kSceneB);
    }
    EXPECT_EQ(e.SaveGames.size(), 1u);
}

// Through the program: a journal save lands in the player's save folder under the name of the
// given clock, and the state dump follows the journal's hover.
TEST(GameMenuProgram, AJournalSaveIsNamedByTheClock) {
    TempDir game, work;
    WriteGame(game);
    work.Write("events.txt",
               "click 5 5\nwait 3000\nclick 5 5\nwait 3000\nclick 5 5\nwait 3000\nclick 5 5\n"
               "move 660 390\nstate journal.txt\nclick 660 390\nmove 660 390\nclick 660 390\n"
               "state state.txt\n");
    const auto run =
        testing::RunProgram(testing::BinaryDir() / "orvane",
                            {"--headless", "--game-dir", game.path().string(), "--events",
                             "events.txt", "--clock", "2026-12-08 04:24:00"},
                            work.path(), {"XDG_CONFIG_HOME=" + work.path().string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string journal = testing::ReadWholeFile(work / "journal.txt");
    EXPECT_EQ(journal.rfind("screen_mode=7\n", 0), 0u) << journal;
    EXPECT_NE(journal.find("\njournal_hover_button=1\n"), std::string::npos);
    const std::string state = testing::ReadWholeFile(work / "state.txt");
    EXPECT_NE(state.find("\nscene_name=two\n"), std::string::npos) << state;
    EXPECT_NE(state.find("[saves]\n08 дек 2026 04-24.sav\n"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(game / "Save" / "08 дек 2026 04-24.sav"));
}

}  // namespace
}  // namespace orvane
