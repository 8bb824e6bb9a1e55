#include <gtest/gtest.h>

#include <png.h>

#include "support/game_folder.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

using testing::GameArchive;
using testing::ReadWholeFile;
using testing::RunProgram;
using testing::TempDir;

std::filesystem::path Orvane() { return testing::BinaryDir() / "orvane"; }

void WriteGame(const TempDir& game) {
    GameArchive()
        .FixedPictures(MakePixel(200, 40, 160))
        .Script("master.scn", "scene intro\r\n")
        .Script("triggers.scn", "sys_1=0\r\nchapter=1\r\ngal_trg51=0")
        .Script("names.scn", "hero:\xC0\xEB\xE5\xEA\xF1\xE5\xE9\r\nhome:C:\\new")
        .WriteTo(game / "Orvane.pak");
}

TEST(HeadlessDriver, PlaysAnEventFileAndWritesTheStateDumpAndAShot) {
    TempDir game, work;
    WriteGame(game);
    work.Write("events.txt", "wait 100\nclick 10 10\nshot frame.png\nstate state.txt\nquit\n");
    const auto run = RunProgram(Orvane(),
                                {"--headless", "--game-dir", game.path().string(), "--events",
                                 "events.txt"},
                                work.path(), {"XDG_CONFIG_HOME=" + work.path().string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadWholeFile(work / "state.txt"),
              "screen_mode=1\nscript_pos=2\nscene_name=intro\npaused=0\nanimating=0\nshown_text=\n"
              "menu_kind=\nhover_action=\nmusic_track=\nmusic_attenuation=\nvoice=\neffect=\n"
              "sound_volume=5\nmusic_volume=5\npresents=2\n"
              "hover_name=\nmenu_hover_item=0\noptions_from_game=0\ninterface_shown=0\n"
              "scroll=0:0:0\ncursor=\ncarousel=0 0 0\nselected_save=\nload_hover_button=0\n"
              "gallery_middle_open=0\njournal_hover_button=0\n"
              "necro_state=0\nnecro_pos=0\nnecro_menu_item=0\nnecro_option=0\nnecro_key=0\n"
              "necro_text=\nnecro_last_sound=\nnecro_options=||\n"
              "code_solved=0\ncode_entry=\ncode_answer=\ncode_key=0\ncode_shown=||\n"
              "card_active=0\ncard_trump=0\ncard_acting=1\ncard_defender=2\ncard_selected=111\n"
              "card_dragging=0\ncard_button_hover=0\ncard_replays=0\ncard_hand1=\ncard_hand2=\n"
              "card_hand3=\ncard_talon=- - - - - - - - - - - - - - - - - -\n"
              "card_attack=- - - - - -\ncard_defence=- - - - - -\n"
              "pointer=10 10\nskipping=0\n"
              "[stage]\n[moves]\n[fades]\n[cycles]\n"
              "[triggers]\nsys_1=0\nchapter=1\ngal_trg51=0\n"
              "[names]\nhero:Алексей\nhome:C:\\\\new\n[saves]\n[menu]\n[interface]\n[necro]\n");

    FILE* file = std::fopen((work / "frame.png").c_str(), "rb");
    ASSERT_NE(file, nullptr);
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_stdio(&image, file));
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr));
    std::fclose(file);
    EXPECT_EQ(image.width, 1024u);
    EXPECT_EQ(image.height, 768u);
    EXPECT_NEAR(rgb[0], 200, 4);
    EXPECT_NEAR(rgb[1], 40, 4);
    EXPECT_NEAR(rgb[2], 160, 4);

    // Shutdown ran and wrote the player's persistent triggers.
    EXPECT_TRUE(std::filesystem::exists(game / "triggers.scn"));
}

TEST(HeadlessDriver, FindsTheGameThroughTheConfigurationFile) {
    TempDir game, work, config;
    WriteGame(game);
    config.Write("orvane/orvane.ini", "Path=" + game.path().string() + "\n");
    work.Write("events.txt", "state state.txt\n");
    const auto run = RunProgram(Orvane(), {"--headless", "--events", "events.txt"}, work.path(),
                                {"XDG_CONFIG_HOME=" + config.path().string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(ReadWholeFile(work / "state.txt").find("hero:"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(game / "Save"));
}

TEST(HeadlessDriver, WithoutConfigurationTheCurrentFolderIsTheGame) {
    TempDir game;
    WriteGame(game);
    game.Write("events.txt", "state state.txt\n");
    const auto run = RunProgram(Orvane(), {"--headless", "--events", "events.txt"}, game.path(),
                                {"XDG_CONFIG_HOME=" + game.path().string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(ReadWholeFile(game / "state.txt").find("presents=1"), std::string::npos);
}

TEST(HeadlessDriver, RefusesBadCommandLinesAndEventFilesWithAClearMessage) {
    TempDir game;
    WriteGame(game);
    game.Write("events.txt", "wait 10\nwiat 10\n");
    auto run = RunProgram(Orvane(), {"--headless", "--events", "events.txt"}, game.path(),
                          {"XDG_CONFIG_HOME=" + game.path().string()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("events.txt:2: unknown event \"wiat\""), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(game / "triggers.scn"));

    run = RunProgram(Orvane(), {"--frobnicate"}, game.path());
    EXPECT_EQ(run.exitCode, 2);
    run = RunProgram(Orvane(), {"--help"}, game.path());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("--game-dir"), std::string::npos);
    run = RunProgram(Orvane(), {"--headless", "--game-dir", "/no/such/game"}, game.path());
    EXPECT_EQ(run.exitCode, 1);
}

}  // namespace
}  // namespace orvane
