// The load screen played on the whole engine: the carousel, its page turns, deleting and loading.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <sstream>

#include "archive/bmp_writer.h"
#include "base/text.h"
#include "host/engine.h"
#include "platform/headless_platform.h"
#include "platform/keycodes.h"
#include "shell/save_game.h"
#include "support/frame_checks.h"
#include "support/game_folder.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using testing::GameArchive;
using testing::TempDir;

constexpr uint32_t kLoadColour = MakePixel(40, 90, 40);
constexpr uint32_t kMainMenuColour = MakePixel(90, 40, 30);
constexpr uint32_t kFrameColour = MakePixel(230, 200, 40);
constexpr uint32_t kSceneA = MakePixel(0, 0, 120);
constexpr uint32_t kSceneB = MakePixel(0, 120, 0);
// The rows of "right_buttons.bmp" that the load screen uses, each in a colour of its own.
constexpr uint32_t kLitControl = MakePixel(250, 120, 0);
constexpr uint32_t kStrip = MakePixel(0, 200, 200);
constexpr uint32_t kBar = MakePixel(200, 200, 200);
constexpr uint32_t kDeleteLit = MakePixel(250, 0, 0);
// The thumbnails of the saves, oldest first.
constexpr uint32_t kThumbnails[] = {MakePixel(200, 60, 60), MakePixel(60, 200, 60),
                                    MakePixel(60, 60, 200)};

// 8 December 2026, 04:24 UTC.
constexpr int64_t kClock = 1796703840;

bool Near(uint32_t a, uint32_t b) {
    auto close = [](int x, int y) { return std::abs(x - y) <= 6; };
    return close(PixelRed(a), PixelRed(b)) && close(PixelGreen(a), PixelGreen(b)) &&
           close(PixelBlue(a), PixelBlue(b));
}

std::string FramePicture() {
    Image frame = testing::Solid(402, 303, MakePixel(0, 0, 0, 255));
    for (int y = 0; y < 303; ++y) {
        for (int x = 0; x < 402; ++x) {
            if (x < 6 || x >= 396 || y < 6 || y >= 297) frame.at(x, y) = kFrameColour;
        }
    }
    return EncodeBmp32(frame);
}

std::string ButtonsPicture() {
    Image buttons = testing::Solid(402, 302, MakePixel(10, 10, 10));
    const struct {
        int top, bottom;
        uint32_t colour;
    } rows[] = {
        {125, 160, kLitControl}, {167, 198, kStrip}, {205, 225, kBar}, {274, 294, kDeleteLit}};
    for (const auto& row : rows) {
        for (int y = row.top; y < row.bottom; ++y) {
            for (int x = 0; x < 402; ++x) buttons.at(x, y) = row.colour;
        }
    }
    return EncodeBmp24(buttons);
}

void WriteGame(const fs::path& game) {
    GameArchive()
        .FixedPictures()
        .Entry("a.bmp", testing::Bmp32Of(1024, 768, kSceneA))
        .Entry("b.bmp", testing::Bmp32Of(1024, 768, kSceneB))
        .Entry("load.jpg", testing::JpegOf(1024, 768, kLoadColour))
        .Entry("load_ramka.bmp", FramePicture())
        .Entry("right_buttons.bmp", ButtonsPicture())
        .Entry("right_button.jpg", testing::JpegOf(1024, 768, MakePixel(30, 40, 90)))
        .Entry("main_menu.jpg", testing::JpegOf(1024, 768, kMainMenuColour))
        .Script("objects.scn", "bg_a:a.bmp\r\nbg_b:b.bmp")
        .Script("triggers.scn", "sys_1=1\r\nsys_2=0\r\nsys_3=0\r\nchapter=0")
        .Script("names.scn", "hero:Z")
        .Script("default_text.scn",
                "xy_pos=64:682\r\nfont=DejaVuSans:16:none:15:66\r\nspeed=fast\r\nil=26\r\n"
                "max_str=3\r\nclick=yes\r\nname_font=DejaVuSans:18:bold:4:66\r\nname_x=64\r\n"
                "name_y=644\r\nextra=0")
        .Script("master.scn",
                "scene start\r\n"                        // 0
                "set section menu=main_menu\r\n"         // 1
                "scene 0_main\r\n"                       // 2: the main menu's first button
                "scene one\r\n"                          // 3
                "set bg level=1 align=:0:0 bg=bg_a\r\n"  // 4
                "set trigger chapter=1\r\n"              // 5
                "set text default text=Back at the start of the story, where the first lines "
                "are typed one letter after another for longer than clicks are held back after "
                "loading.\r\n"                           // 6
                "set pause\r\n"                          // 7
                "scene two\r\n"                          // 8
                "set bg level=1 align=:0:0 bg=bg_b\r\n"  // 9
                "set trigger chapter=2\r\n"              // 10
                "set pause\r\n"                          // 11
                "end\r\n"
                "set section menu=main_menu2\r\n")
        .WriteTo(game / "Orvane.pak");
}

std::string DumpValue(const Engine& engine, const std::string& key) {
    std::istringstream dump(engine.StateDumpText());
    for (std::string line; std::getline(dump, line);) {
        if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
    }
    return "(none)";
}

class LoadScreenScenario : public ::testing::Test {
protected:
    // A fresh game with `count` saves, made a minute apart: save k (oldest first) of scene "one"
    // or "two" in turn, with chapter=k + 1, the name hero:k and thumbnail k.
    Engine& StartWithSaves(int count) {
        engine.reset();
        platform.reset();
        game = std::make_unique<TempDir>();
        WriteGame(game->path());
        platform = std::make_unique<HeadlessPlatform>();
        platform->SetWallClockStart(kClock);
        engine = std::make_unique<Engine>(*platform,
                                          GameFolders{game->path(), game->path(), game->path()});
        EXPECT_TRUE(engine->Start());
        Engine& e = *engine;
        const auto oldest = fs::file_time_type::clock::now() - std::chrono::hours(1);
        for (int k = 0; k < count; ++k) {
            e.ScriptPos = k % 2 == 0 ? 7 : 11;
            e.Triggers = {"sys_1=1", "chapter=" + std::to_string(k + 1)};
            e.lists.NameList = {"hero:" + std::to_string(k)};
            e.thumbnailBmp = EncodeBmp24(testing::Solid(400, 300, kThumbnails[k]));
            std::string error;
            const auto saved = SaveGame(e, *e.saveFolder, SceneSearch::Backward,
                                        WallTimeFromUtcSeconds(kClock + 60 * k), error);
            EXPECT_TRUE(saved) << error;
            if (saved) fs::last_write_time(saved->path, oldest + std::chrono::seconds(k));
        }
        EXPECT_TRUE(ScanSaveFolder(*e.saveFolder, e.SaveGames));
        // What the player has now, apart from every save.
        e.Triggers = {"sys_1=1", "chapter=9"};
        e.lists.NameList = {"hero:Z"};
        e.thumbnailBmp.clear();
        return e;
    }

    uint32_t Shown(int x, int y) const { return platform->lastFrame().at(x, y); }
    void Wait(int ms) { platform->AdvanceTo(*engine, platform->Now() + static_cast<uint64_t>(ms)); }
    void Click(int x, int y) {
        engine->FormMouseMove(x, y);
        engine->FormMouseDown(MouseButton::Left, x, y);
    }
    // The colour of the save shown at (x, y) of the carousel, as its index (oldest 0); -1 when
    // it is none of them.
    int ThumbnailAt(int x, int y) const {
        for (int k = 0; k < 3; ++k) {
            if (Shown(x, y) == kThumbnails[k]) return k;
        }
        return -1;
    }
    // The index (oldest 0) of the save named in the load screen's centre.
    int SelectedIndex() const {
        const std::string& name = engine->shell.load.SelectedSave.name;
        const std::vector<SaveFile>& saves = engine->SaveGames;
        for (size_t i = 0; i < saves.size(); ++i) {
            if (saves[i].name == name) return static_cast<int>(saves.size() - 1 - i);
        }
        return -1;
    }
    // The label drawn over the centre thumbnail: some pixel of it is black.
    bool LabelShown() const {
        return testing::HasDarkPixel(platform->lastFrame(), 450, 615, 600, 640);
    }

    std::unique_ptr<TempDir> game;
    std::unique_ptr<HeadlessPlatform> platform;
    std::unique_ptr<Engine> engine;
};

TEST_F(LoadScreenScenario, CarouselOfOneTwoAndThreeSavesTurnsBothWays) {
    // Saves are listed newest first: with n saves the newest (n - 1) stands in the centre, the
    // oldest on its left.
    struct Case {
        int saves;
        const char* start;
        int left, centre, right;  // oldest 0
        const char* forward;      // one turn forward, then two back
        const char* twiceBack;
    };
    for (const Case& c :
         {Case{1, "1 1 1", 0, 0, 0, "1 1 1", "1 1 1"}, Case{2, "2 1 2", 0, 1, 0, "1 2 1", "1 2 1"},
          Case{3, "3 1 2", 0, 2, 1, "1 2 3", "2 3 1"}}) {
        SCOPED_TRACE(std::to_string(c.saves) + " saves");
        Engine& e = StartWithSaves(c.saves);
        ASSERT_EQ(e.ScreenMode, 222);
        Click(150, 340);  // "load" of the main menu
        ASSERT_EQ(e.ScreenMode, 21);
        EXPECT_EQ(DumpValue(e, "carousel"), c.start);
        EXPECT_EQ(DumpValue(e, "load_hover_button"), "0");
        EXPECT_EQ(SelectedIndex(), c.centre);
        EXPECT_EQ(DumpValue(e, "selected_save"), Cp1251ToUtf8(e.SaveGames[0].name));
        EXPECT_EQ(ThumbnailAt(512, 450), c.centre);
        EXPECT_EQ(ThumbnailAt(100, 450), c.left);
        EXPECT_EQ(ThumbnailAt(924, 450), c.right);
        EXPECT_TRUE(Near(Shown(312, 450), kFrameColour));
        EXPECT_TRUE(Near(Shown(512, 300), kLoadColour));
        EXPECT_TRUE(LabelShown());

        // The hover lights "next" on the control strip; the click slides the carousel for 64
        // refreshes, presenting each step, and the right neighbour comes to the centre.
        e.FormMouseMove(600, 720);
        EXPECT_EQ(Shown(600, 720), kLitControl);
        EXPECT_EQ(Shown(400, 737), kStrip);
        const uint64_t presents = platform->presents();
        const uint64_t before = platform->Now();
        e.FormMouseDown(MouseButton::Left, 600, 720);
        EXPECT_EQ(platform->presents(), presents + 65);
        EXPECT_NEAR(static_cast<double>(platform->Now() - before), 64 * 1000.0 / 60, 2);
        EXPECT_EQ(DumpValue(e, "carousel"), c.forward);
        EXPECT_EQ(ThumbnailAt(512, 450), c.right);
        EXPECT_EQ(SelectedIndex(), c.right);
        EXPECT_EQ(Shown(600, 720), kLitControl);
        // A click right after a turn is lost.
        e.FormMouseDown(MouseButton::Left, 600, 720);
        EXPECT_EQ(DumpValue(e, "carousel"), c.forward);

        // Back twice: the oldest, which stood on the left at the start, comes to the centre.
        Wait(1);
        Click(400, 720);
        Wait(750);
        e.FormMouseDown(MouseButton::Left, 400, 720);
        EXPECT_EQ(DumpValue(e, "carousel"), c.twiceBack);
        EXPECT_EQ(ThumbnailAt(512, 450), 0);
        EXPECT_EQ(SelectedIndex(), 0);
        EXPECT_EQ(e.ScreenMode, 21);

        // Back to the main menu.
        Wait(750);
        Click(500, 720);
        EXPECT_EQ(e.ScreenMode, 222);
        EXPECT_TRUE(Near(Shown(512, 384), kMainMenuColour));
    }
}

TEST_F(LoadScreenScenario, DeletesOnlyWhereThePointerIsAndLoadsTheSavedScene) {
    Engine& e = StartWithSaves(3);
    Click(150, 340);
    ASSERT_EQ(e.ScreenMode, 21);
    const fs::path newest = e.SaveGames[0].path;

    // The centre picture brings the action bar; its delete button deletes the save at once.
    Click(400, 450);
    ASSERT_EQ(e.ScreenMode, 22);
    EXPECT_EQ(Shown(400, 665), kBar);
    e.FormMouseMove(650, 668);
    EXPECT_EQ(DumpValue(e, "load_hover_button"), "5");
    EXPECT_EQ(Shown(400, 665), kDeleteLit);
    e.FormMouseMove(650, 690);  // off the bar: plain again on the screen
    EXPECT_EQ(Shown(400, 665), kBar);
    Click(650, 668);
    EXPECT_FALSE(fs::exists(newest));
    ASSERT_EQ(e.SaveGames.size(), 2u);
    EXPECT_EQ(e.ScreenMode, 21);
    EXPECT_EQ(DumpValue(e, "carousel"), "2 1 2");
    EXPECT_EQ(SelectedIndex(), 1);
    EXPECT_EQ(ThumbnailAt(512, 450), 1);

    // A click that follows without a move deletes nothing; nor does a click away from the
    // button, though the button was the last one hovered.
    e.FormMouseDown(MouseButton::Left, 650, 668);
    EXPECT_EQ(e.ScreenMode, 21);
    Click(400, 450);
    e.FormMouseMove(650, 668);
    e.FormMouseDown(MouseButton::Left, 650, 700);
    EXPECT_EQ(e.SaveGames.size(), 2u);
    EXPECT_EQ(e.ScreenMode, 22);

    // Loading the save of scene "two": the scene starts again from its line with the saved
    // names and triggers; the installation's own trigger stays.
    Click(350, 668);
    ASSERT_EQ(e.ScreenMode, 1);
    EXPECT_EQ(e.SceneName, "two");
    EXPECT_EQ(e.ScriptPos, 12);
    EXPECT_TRUE(e.Paused);
    EXPECT_EQ(e.Triggers, (StringList{"sys_1=1", "chapter=2"}));
    EXPECT_EQ(e.lists.NameList, StringList{"hero:1"});
    EXPECT_EQ(Shown(512, 300), kSceneB);
    // Clicks are held back a moment after loading.
    e.FormMouseDown(MouseButton::Left, 5, 5);
    EXPECT_TRUE(e.Paused);

    // From the paused scene through the in-game menu's load panel to the oldest save, of scene
    // "one": the old pause is over, so the click that follows finishes the scene's text rather
    // than going on past it.
    Wait(750);
    e.FormKeyDown(vk::Escape);
    ASSERT_EQ(e.ScreenMode, 40);
    Click(150, 390);
    Click(330, 390);
    ASSERT_EQ(e.ScreenMode, 21);
    EXPECT_EQ(DumpValue(e, "carousel"), "2 1 2");
    Click(400, 720);  // back: the oldest
    Wait(750);
    Click(400, 450);
    Click(350, 668);
    ASSERT_EQ(e.ScreenMode, 1);
    EXPECT_EQ(e.SceneName, "one");
    EXPECT_FALSE(e.Paused);
    EXPECT_EQ(e.ScriptPos, 7);
    EXPECT_EQ(e.Triggers, (StringList{"sys_1=1", "chapter=1"}));
    EXPECT_EQ(e.lists.NameList, StringList{"hero:0"});
    Wait(750);
    e.FormMouseDown(MouseButton::Left, 5, 5);
    EXPECT_EQ(e.ScriptPos, 7);
    EXPECT_FALSE(e.Paused);

    // Deleting the last saves: after the last one the main menu comes.
    e.FormKeyDown(vk::Escape);
    Click(150, 390);
    Click(330, 390);
    ASSERT_EQ(e.ScreenMode, 21);
    for (size_t left = 1; left <= 2; ++left) {
        Click(400, 450);
        Click(650, 668);
        EXPECT_EQ(e.SaveGames.size(), 2 - left);
    }
    EXPECT_EQ(e.ScreenMode, 222);
    EXPECT_TRUE(fs::is_empty(*e.saveFolder));
    EXPECT_TRUE(Near(Shown(512, 384), kMainMenuColour));
}

// Through the headless driver: a save made in the game under the clock's name, then loaded from
// the load screen of the main menu past a damaged save.
TEST(LoadScreenDriver, SavesUnderTheClockAndLoadsPastADamagedSave) {
    TempDir game;
    WriteGame(game.path());
    const fs::path damaged = game.Write("Save/07 дек 2026 10-00.sav", "not an archive");
    fs::last_write_time(damaged, fs::file_time_type::clock::now() - std::chrono::hours(1));
    game.Write("events.txt",
               "wait 100\n"
               "move 150 290\n"
               "click 150 290\n"  // the main menu's first button: scene one
               "wait 3000\n"
               "key esc\n"
               "move 150 340\n"
               "click 150 340\n"  // save
               "key esc\n"
               "click 5 5\n"  // the text is read: on to the pause
               "click 5 5\n"  // on to scene two
               "key esc\n"
               "move 150 495\n"
               "click 150 495\n"
               "click 330 495\n"  // to the main menu
               "move 150 340\n"
               "click 150 340\n"  // load
               "state open.txt\n"
               "move 600 720\n"
               "click 600 720\n"  // the damaged save comes to the centre
               "wait 750\n"
               "move 400 450\n"
               "click 400 450\n"
               "move 350 668\n"
               "click 350 668\n"  // refused: the load screen stays
               "state refused.txt\n"
               "move 500 668\n"
               "click 500 668\n"  // cancel: the newest save in the centre again
               "move 400 450\n"
               "click 400 450\n"
               "move 350 668\n"
               "click 350 668\n"
               "state loaded.txt\n");
    const auto run = testing::RunProgram(
        testing::BinaryDir() / "orvane",
        {"--headless", "--clock", "2026-12-08 04:24:00", "--events", "events.txt"}, game.path(),
        {"XDG_CONFIG_HOME=" + game.path().string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;

    const std::string open = testing::ReadWholeFile(game / "open.txt");
    EXPECT_NE(open.find("screen_mode=21\n"), std::string::npos) << open;
    EXPECT_NE(open.find("carousel=2 1 2\nselected_save=08 дек 2026 04-24.sav\n"
                        "load_hover_button=0\n"),
              std::string::npos)
        << open;
    EXPECT_NE(open.find("[saves]\n08 дек 2026 04-24.sav\n07 дек 2026 10-00.sav\n"),
              std::string::npos);
    EXPECT_NE(open.find("chapter=2\n"), std::string::npos);

    const std::string refused = testing::ReadWholeFile(game / "refused.txt");
    EXPECT_NE(refused.find("screen_mode=22\n"), std::string::npos) << refused;
    EXPECT_NE(refused.find("selected_save=07 дек 2026 10-00.sav\n"), std::string::npos);
    EXPECT_NE(run.err.find("cannot load the game"), std::string::npos) << run.err;

    const std::string loaded = testing::ReadWholeFile(game / "loaded.txt");
    EXPECT_NE(loaded.find("screen_mode=1\n"), std::string::npos) << loaded;
    EXPECT_NE(loaded.find("scene_name=one\n"), std::string::npos);
    EXPECT_NE(loaded.find("selected_save=08 дек 2026 04-24.sav\n"), std::string::npos);
    EXPECT_NE(loaded.find("[triggers]\nsys_1=1\nsys_2=0\nsys_3=0\nchapter=1\n"), std::string::npos)
        << loaded;
}

}  // namespace
}  // namespace orvane
