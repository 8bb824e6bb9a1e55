// The wall clock of a headless run: where it starts, how it moves, and what it decides.
#include <gtest/gtest.h>

#include "host/engine.h"
#include "host/options.h"
#include "platform/headless_platform.h"
#include "shell/save_game.h"
#include "support/game_folder.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

TEST(WallClock, AGivenClockSeedsTheRandomNumbersAndNamesTheSaves) {
    testing::TempDir game;
    testing::GameArchive()
        .FixedPictures()
        .Script("master.scn", "scene intro\r\nend\r\n")
        .WriteTo(game / "Orvane.pak");
    LaunchOptions options;
    std::string error;
    ASSERT_TRUE(
        ParseLaunchOptions({"--headless", "--clock", "2026-12-08 04:24:00"}, options, error));
    HeadlessPlatform platform;
    platform.SetWallClockStart(*options.clock);
    Engine engine(platform, {game.path(), game.path(), game.path()});
    ASSERT_TRUE(engine.Start());
    // Seeded with the clock's seconds since 1970 at start-up: the same numbers every run.
    EXPECT_EQ(engine.random.Next(), 4529);
    EXPECT_EQ(engine.random.Next(), 5906);

    platform.Sleep(61'000);
    ASSERT_TRUE(
        SaveGame(engine, *engine.saveFolder, SceneSearch::Backward, platform.WallClock(), error))
        << error;
    ASSERT_TRUE(ScanSaveFolder(*engine.saveFolder, engine.SaveGames));
    const std::string dump = engine.StateDumpText();
    EXPECT_NE(dump.find("[saves]\n08 дек 2026 04-25.sav\n"), std::string::npos) << dump;

    const auto run = testing::RunProgram(testing::BinaryDir() / "orvane",
                                         {"--headless", "--clock", "2026-02-30 10:00:00"},
                                         game.path(), {"XDG_CONFIG_HOME=" + game.path().string()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("--clock wants a date and time as \"YYYY-MM-DD HH:MM:SS\""),
              std::string::npos)
        << run.err;
}

}  // namespace
}  // namespace orvane
