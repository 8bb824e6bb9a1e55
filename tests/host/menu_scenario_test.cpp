// The main menu, a section menu, the options screen, the interface strip and the pointer, played
// on the whole engine.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "archive/bmp_writer.h"
#include "audio/volume_levels.h"
#include "host/engine.h"
#include "platform/headless_platform.h"
#include "platform/keycodes.h"
#include "script/triggers.h"
#include "support/cursor_file.h"
#include "support/game_folder.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

using testing::GameArchive;
using testing::TempDir;

constexpr uint32_t kMenuColour = MakePixel(20, 40, 160);
constexpr uint32_t kMenu2Colour = MakePixel(160, 40, 20);
constexpr uint32_t kOptionsColour = MakePixel(40, 160, 20);
constexpr uint32_t kSectionColour = MakePixel(100, 100, 100);
constexpr uint32_t kLit1 = MakePixel(220, 220, 0);
constexpr uint32_t kLit2 = MakePixel(0, 220, 220);
constexpr uint32_t kRed = MakePixel(255, 0, 0);
constexpr uint32_t kBlack = MakePixel(0, 0, 0);

// JPEG colours come back within a few steps.
bool Near(uint32_t a, uint32_t b) {
    auto close = [](int x, int y) { return std::abs(x - y) <= 6; };
    return close(PixelRed(a), PixelRed(b)) && close(PixelGreen(a), PixelGreen(b)) &&
           close(PixelBlue(a), PixelBlue(b));
}

void WriteGame(const TempDir& game) {
    GameArchive()
        .FixedPictures()
        .Entry("main_menu.jpg", testing::JpegOf(1024, 768, kMenuColour))
        .Entry("main_menu2.jpg", testing::JpegOf(1024, 768, kMenu2Colour))
        .Entry("options.jpg", testing::JpegOf(1024, 768, kOptionsColour))
        .Entry("menu_bg.jpg", testing::JpegOf(1024, 768, kSectionColour))
        // Highlights smaller than the screen still show.
        .Entry("lit1.bmp", testing::Bmp32Of(300, 200, kLit1))
        .Entry("lit2.bmp", testing::Bmp32Of(300, 200, kLit2))
        .Entry("a.bmp", testing::Bmp32Of(1024, 768, MakePixel(0, 0, 90)))
        .Entry("bar.bmp", testing::Bmp32Of(1024, 68, MakePixel(90, 0, 0)))
        .Entry("icon.bmp", testing::Bmp32Of(20, 20, MakePixel(0, 90, 0)))
        .Script("objects.scn", "bg_a:a.bmp\r\nif_bar:bar.bmp\r\nif_icon:icon.bmp")
        .Script("triggers.scn", "sys_1=0\r\nsys_2=0\r\nsys_3=0")
        .Script("master.scn",
                "scene start\r\n"
                "set section menu=main_menu\r\n"
                "set section menu=main_menu1\r\n"
                "set section menu=main_menu2\r\n"
                "set section menu=main_menu3\r\n"
                "set section menu=main_menu4\r\n"
                "scene 0_main\r\n"
                "set section menu=chapters\r\n"
                "scene chapter1\r\n"
                "set interface strip\r\n"
                "set scroll bg:10:5\r\n"
                "set bg level=1 align=:0:0 bg=bg_a\r\n"
                "set cursor=broken.cur\r\n"
                "set pause\r\n"
                "clear keys\r\n"
                "set pause\r\n"
                "scene chapter2\r\n"
                "end\r\n")
        .Script("menus.scn",
                "-- the menus of the game\r\n"
                "menu chapters;\r\n"
                "bg=menu_bg.jpg\r\n"
                "ch1:100:100:200:150 action=chapter1 bg=lit1.bmp\r\n"
                "ch2:150:120:300:200 action=chapter2 bg=lit2.bmp\r\n"
                "\r\n"
                "lost:400:400:500:500 action=nowhere bg=lit1.bmp\r\n"
                "screen:600:600:700:700 action=fullscreen bg=lit2.bmp\r\n"
                "end\r\n")
        .Script("interface.scn",
                "strip\r\n"
                "5:if_bar:0:700:1:left:x\r\n"
                "6:if_icon:10:710:0\r\n"
                "end\r\n")
        .WriteTo(game / "Orvane.pak");
}

class MenuScenario : public ::testing::Test {
protected:
    MenuScenario() { WriteGame(game); }

    // A run of the game on a fresh platform; the settings live in `settings`.
    Engine& Start() {
        engine.reset();
        platform = std::make_unique<HeadlessPlatform>();
        engine =
            std::make_unique<Engine>(*platform, GameFolders{game.path(), game.path(), game.path()});
        engine->settingsFile = settings;
        EXPECT_TRUE(engine->Start());
        return *engine;
    }
    uint32_t Shown(int x, int y) const { return platform->lastFrame().at(x, y); }
    uint64_t Presents() const { return platform->presents(); }
    void Click(int x, int y) {
        engine->FormMouseMove(x, y);
        engine->FormMouseDown(MouseButton::Left, x, y);
    }

    TempDir game, config;
    std::filesystem::path settings = config / "orvane.ini";
    std::unique_ptr<HeadlessPlatform> platform;
    std::unique_ptr<Engine> engine;
};

TEST_F(MenuScenario, MainMenuMarksItemsDrawsOnlyOnChangeAndUnlocksByVariant) {
    Engine& e = Start();
    EXPECT_EQ(e.ScreenMode, 222);
    EXPECT_EQ(e.MenuKind, 4);
    EXPECT_TRUE(Near(Shown(512, 384), kMenuColour));

    // Just left of the rows: no item, and as none was hovered before, nothing is presented.
    uint64_t presents = Presents();
    e.FormMouseMove(78, 280);
    EXPECT_EQ(Presents(), presents);
    e.FormMouseMove(79, 280);
    EXPECT_EQ(e.shell.menu.HoverAction, "0_main");
    EXPECT_EQ(Shown(60, 283), kRed);
    EXPECT_EQ(Presents(), ++presents);
    e.FormMouseMove(213, 298);  // the same item: nothing new
    EXPECT_EQ(Presents(), presents);

    // Variant 1 keeps "making" locked: the black marker, drawn again at every move, and a click
    // that does nothing.
    e.FormMouseMove(214, 300);
    EXPECT_TRUE(Near(Shown(60, 283), kMenuColour));
    presents = Presents();
    e.FormMouseMove(150, 495);
    e.FormMouseMove(151, 496);
    EXPECT_EQ(Presents(), presents + 2);
    EXPECT_EQ(e.shell.menu.HoverAction, "nope");
    EXPECT_EQ(Shown(60, 495), kBlack);
    e.FormMouseDown(MouseButton::Middle, 151, 496);
    EXPECT_EQ(e.ScreenMode, 222);

    struct Variant {
        std::vector<const char*> unlocked;
        int kind;
        uint32_t colour;
    };
    const Variant variants[] = {
        {{}, 4, kMenuColour},
        {{"sys_1"}, 5, kMenuColour},
        {{"sys_2"}, 6, kMenuColour},
        {{"sys_3"}, 7, kMenu2Colour},
        {{"sys_1", "sys_3"}, 7, kMenu2Colour},
    };
    for (const Variant& v : variants) {
        for (const char* name : {"sys_1", "sys_2", "sys_3"}) SetTrigger(e.Triggers, name, "0");
        for (const char* name : v.unlocked) SetTrigger(e.Triggers, name, "1");
        e.shell.GoToMainMenu();
        SCOPED_TRACE(v.kind);
        EXPECT_EQ(e.ScreenMode, 222);
        EXPECT_EQ(e.MenuKind, v.kind);
        EXPECT_TRUE(Near(Shown(512, 384), v.colour));
        e.FormMouseMove(150, 545);
        EXPECT_EQ(e.shell.menu.HoverAction, v.kind == 4 ? "nope" : "cards");
        EXPECT_EQ(Shown(60, 548), v.kind == 4 ? kBlack : kRed);
        e.FormMouseMove(0, 0);
    }
    // An unlocked item that names no scene of the script leaves the menu as it is.
    Click(150, 495);
    EXPECT_EQ(e.shell.menu.HoverAction, "making");
    EXPECT_EQ(e.ScreenMode, 222);
}

TEST_F(MenuScenario, SectionMenuHighlightsTheFirstItemHitAndJumpsToItsScene) {
    Engine& e = Start();
    Click(150, 285);  // "0_main": the scene that shows the chapters
    ASSERT_EQ(e.ScreenMode, 2);
    EXPECT_EQ(e.MenuKind, 2);
    EXPECT_FALSE(e.Animating);
    EXPECT_EQ(e.stage.MenuItems,
              (StringList{"bg:0:0:0:0:0:0", "ch1:100:100:200:150:1:chapter1",
                          "ch2:150:120:300:200:2:chapter2", "lost:400:400:500:500:3:nowhere",
                          "screen:600:600:700:700:4:fullscreen"}));
    EXPECT_TRUE(Near(Shown(5, 5), kSectionColour));

    struct Hover {
        int x, y;
        const char* name;
        const char* action;
        uint32_t shown;
    };
    // The borders belong to no item; where two overlap the earlier wins.
    const Hover hovers[] = {
        {101, 101, "ch1", "chapter1", kLit1}, {199, 149, "ch1", "chapter1", kLit1},
        {100, 120, "bg", "", kSectionColour}, {150, 150, "bg", "", kSectionColour},
        {250, 180, "ch2", "chapter2", kLit2}, {160, 130, "ch1", "chapter1", kLit1},
    };
    for (const Hover& h : hovers) {
        SCOPED_TRACE(std::to_string(h.x) + "," + std::to_string(h.y));
        e.FormMouseMove(h.x, h.y);
        EXPECT_EQ(e.shell.menu.HoverName, h.name);
        EXPECT_EQ(e.shell.menu.HoverAction, h.action);
        EXPECT_TRUE(Near(Shown(5, 5), h.shown));
    }
    const uint64_t presents = Presents();
    e.FormMouseMove(161, 131);
    EXPECT_EQ(Presents(), presents);

    Click(450, 450);  // a scene that is not there: the menu stays
    EXPECT_EQ(e.ScreenMode, 2);
    EXPECT_EQ(e.stage.MenuItems.size(), 5u);
    Click(120, 110);
    EXPECT_EQ(e.ScreenMode, 1);
    EXPECT_EQ(e.SceneName, "chapter1");
    EXPECT_TRUE(e.shell.menu.HoverAction.empty());
    EXPECT_TRUE(e.stage.MenuItems.empty());
}

TEST_F(MenuScenario, InterfaceItemsScrollKeysAndThePointer) {
    game.Write("cursor1.cur", testing::CursorFileOf(
                                  {{32, 4, 5, testing::DibOf(testing::Solid(32, 32, kRed), 1)}}));
    game.Write("broken.cur", "not a cursor");
    Engine& e = Start();
    EXPECT_EQ(platform->cursor().width, 32);
    EXPECT_EQ(platform->cursorHotY(), 5);
    e.shell.menu.HoverAction = "chapter1";
    e.shell.menu.PerformMenuAction();
    ASSERT_EQ(e.SceneName, "chapter1");

    // Only an item whose FLAG is not "0" is recorded; both are on the stage.
    EXPECT_EQ(e.stage.InterfaceItems, StringList{"if_bar:0:700:left:x"});
    EXPECT_TRUE(e.stage.InterfaceShown);
    EXPECT_EQ(e.stage.FormatStageItems(),
              (StringList{"1:bg_a:255:1024:768:3:0:0:0", "5:if_bar:255:1024:68:1:0:0:700",
                          "6:if_icon:255:20:20:2:0:10:710", ""}));
    // A cursor file that does not load keeps the pointer.
    EXPECT_EQ(platform->cursor().width, 32);
    EXPECT_TRUE(e.shell.interfaceCommands.CursorFile.empty());

    // Backgrounds scroll by the steps; the strip stays.
    e.FormKeyDown(vk::Left);
    e.FormKeyDown(vk::Up);
    e.FormKeyDown(vk::Up);
    EXPECT_EQ(e.stage.StageItems[0].x, -10);
    EXPECT_EQ(e.stage.StageItems[0].y, -10);
    EXPECT_EQ(e.stage.StageItems[1].y, 700);
    e.FormMouseDown(MouseButton::Left, 5, 5);  // the pause ends; "clear keys"
    EXPECT_EQ(e.stage.ScrollKind, "0");
    e.FormKeyDown(vk::Right);
    EXPECT_EQ(e.stage.StageItems[0].x, -10);
}

TEST_F(MenuScenario, OptionsBarsSetTheVolumesAndKeepThemForTheNextRun) {
    config.Write("orvane.ini", "# the player's own\r\nCD_Path=/cd\r\n");
    Engine& e = Start();
    Click(150, 390);
    ASSERT_EQ(e.ScreenMode, 20);
    EXPECT_FALSE(e.shell.options.OptionsFromGame);
    EXPECT_TRUE(Near(Shown(512, 700), kOptionsColour));
    EXPECT_EQ(Shown(87 + 24 * 5 + 9, 384 + 9), kRed);  // level 5: six boxes
    EXPECT_TRUE(Near(Shown(87 + 24 * 6 + 9, 384 + 9), kOptionsColour));
    EXPECT_EQ(Shown(87 + 24 * 5 + 9, 489 + 9), kRed);

    struct Press {
        int x, y;
        int sound, music;
    };
    // The first box of a bar that shows only it silences the bar, and a second click brings the
    // box back; a click on the border between two boxes changes nothing.
    const Press presses[] = {
        {95, 500, 5, 0},  {95, 500, 5, -1}, {107, 500, 5, -1}, {95, 500, 5, 0},
        {300, 505, 5, 9}, {95, 390, 0, 9},  {95, 390, -1, 9},  {200, 400, 4, 9},
    };
    for (const Press& p : presses) {
        SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
        e.FormMouseDown(MouseButton::Left, p.x, p.y);
        EXPECT_EQ(e.SoundVolume, p.sound);
        EXPECT_EQ(e.MusicVolume, p.music);
        EXPECT_EQ(e.sound.musicAttenuation(), AttenuationForLevel(p.music));
        EXPECT_EQ(platform->recordingAudio().waveVolume, WaveVolumeWord(p.sound));
    }
    EXPECT_EQ(Shown(87 + 24 * 4 + 9, 384 + 9), kRed);
    EXPECT_TRUE(Near(Shown(87 + 24 * 5 + 9, 384 + 9), kOptionsColour));

    e.FormMouseMove(100, 505);
    EXPECT_EQ(e.MenuHoverItem, 20);
    e.FormMouseMove(100, 605);
    EXPECT_EQ(e.MenuHoverItem, 30);
    EXPECT_EQ(Shown(65, 600), kRed);
    e.FormMouseDown(MouseButton::Left, 900, 100);  // "back", wherever the click lands
    EXPECT_EQ(e.ScreenMode, 222);
    EXPECT_EQ(testing::ReadWholeFile(settings),
              "# the player's own\nCD_Path=/cd\nSoundVolume=4\nMusicVolume=9\nFullScreen=0\n");

    Engine& next = Start();
    EXPECT_EQ(next.SoundVolume, 4);
    EXPECT_EQ(next.MusicVolume, 9);
    EXPECT_EQ(platform->recordingAudio().waveVolume, WaveVolumeWord(4));

    // From the game, "back" shows the screen the in-game menu kept.
    next.slots.Create(13, 1024, 768).Fill(kLit2);
    next.ScreenMode = 1;
    next.shell.options.Open(/*fromGame=*/true);
    EXPECT_TRUE(next.shell.options.OptionsFromGame);
    Click(100, 605);
    EXPECT_EQ(next.ScreenMode, 1);
    EXPECT_FALSE(next.shell.options.OptionsFromGame);
    EXPECT_EQ(Shown(512, 384), kLit2);
}

TEST_F(MenuScenario, FullScreenIsKeptAndExitEndsTheEventLoop) {
    Engine& e = Start();
    EXPECT_FALSE(platform->Fullscreen());
    e.shell.menu.HoverAction = "0_main";
    e.shell.menu.PerformMenuAction();
    Click(650, 650);  // "fullscreen", then the main menu
    EXPECT_TRUE(platform->Fullscreen());
    EXPECT_EQ(e.ScreenMode, 222);
    EXPECT_EQ(ReadPlayerSettings(settings).fullscreen, true);
    Start();
    EXPECT_TRUE(platform->Fullscreen());

    // "exit" asks no question; the events after it are not played.
    std::string error;
    ASSERT_TRUE(platform->LoadEventText(
        "move 150 600\nclick 150 600\nmove 150 285\nclick 150 285\nstate never.txt\n", "events",
        error));
    platform->Run(*engine);
    EXPECT_TRUE(platform->quitRequested());
    EXPECT_EQ(engine->ScreenMode, 222);
    EXPECT_FALSE(std::filesystem::exists("never.txt"));
}

// Through the program: a headless run keeps settings only in the file named by --config, and
// leaves the player's own configuration alone.
TEST(MenuProgram, HeadlessRunsKeepSettingsOnlyInTheNamedFile) {
    TempDir game, work, home;
    WriteGame(game);
    home.Write("orvane/orvane.ini", "SoundVolume=2\n");
    auto play = [&](const std::string& events, std::vector<std::string> extra) {
        work.Write("events.txt", events);
        std::vector<std::string> args{"--headless", "--game-dir", game.path().string(), "--events",
                                      "events.txt"};
        args.insert(args.end(), extra.begin(), extra.end());
        const auto run = testing::RunProgram(testing::BinaryDir() / "orvane", args, work.path(),
                                             {"XDG_CONFIG_HOME=" + home.path().string()});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return testing::ReadWholeFile(work / "state.txt");
    };
    const std::string mine = (work / "mine.ini").string();
    play("move 150 390\nclick 150 390\nclick 200 400\nstate state.txt\n", {"--config", mine});
    EXPECT_NE(play("state state.txt\n", {"--config", mine}).find("\nsound_volume=4\n"),
              std::string::npos);
    // Without --config the player's file is neither read nor written.
    const std::string plain =
        play("state first.txt\nmove 150 390\nclick 150 390\nclick 95 390\nstate state.txt\n", {});
    EXPECT_NE(testing::ReadWholeFile(work / "first.txt").find("\nsound_volume=5\n"),
              std::string::npos);
    EXPECT_NE(plain.find("\nsound_volume=0\n"), std::string::npos);
    EXPECT_EQ(testing::ReadWholeFile(home / "orvane/orvane.ini"), "SoundVolume=2\n");
}

}  // namespace
}  // namespace orvane
