#include <gtest/gtest.h>

#include <filesystem>

#include "support/game_folder.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::RunProgram;
using testing::TempDir;

constexpr char kClock[] = "2024-03-01 12:00:00";

// The demo as a player would have it: its files linked into a folder of the test's own, which
// takes the saves and triggers the random play writes.
void LinkDemo(const TempDir& game) {
    const fs::path demo = testing::BinaryDir() / "demo" / "game";
    ASSERT_TRUE(fs::exists(demo / "Orvane.pak")) << "build the demo_game target first";
    for (const fs::directory_entry& entry : fs::directory_iterator(demo)) {
        if (entry.is_regular_file()) {
            fs::create_symlink(entry.path(), game / entry.path().filename().string());
        }
    }
}

testing::ProgramResult Orvane(const TempDir& game, const TempDir& work,
                              std::vector<std::string> args) {
    args.insert(args.begin(), {"--headless", "--game-dir", game.path().string(), "--clock", kClock});
    return RunProgram(testing::BinaryDir() / "orvane", args, work.path(),
                      {"XDG_CONFIG_HOME=" + work.path().string()});
}

TEST(Soak, TwoMinutesOfRandomPlayOnTheDemoEndCleanlyForTwoSeeds) {
    for (const char* seed : {"1", "2"}) {
        SCOPED_TRACE(seed);
        TempDir game, work;
        LinkDemo(game);
        const testing::ProgramResult run = Orvane(game, work, {"--soak", "120", "--seed", seed});
        ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
        EXPECT_NE(run.out.find("virtual time 120.0 s"), std::string::npos) << run.out;
        EXPECT_NE(run.out.find("file descriptors"), std::string::npos) << run.out;
        // Nothing failed, so no event file was left beside the player's files.
        EXPECT_FALSE(fs::exists(game / (std::string("soak-") + seed + ".events")));
    }
}

TEST(Soak, ItsEventFileReplaysTheSameRun) {
    TempDir soakGame, replayGame, work;
    LinkDemo(soakGame);
    LinkDemo(replayGame);
    const testing::ProgramResult soak =
        Orvane(soakGame, work,
               {"--soak", "40", "--seed", "7", "--keep-events", "run.events", "--state-out",
                "soak.txt"});
    ASSERT_EQ(soak.exitCode, 0) << soak.out << soak.err;
    // One run of the game: the replay starts from the same (empty) player's files.
    ASSERT_NE(soak.out.find("runs of the game 1 "), std::string::npos) << soak.out;
    const testing::ProgramResult replay =
        Orvane(replayGame, work, {"--events", "run.events", "--state-out", "replay.txt"});
    ASSERT_EQ(replay.exitCode, 0) << replay.err;
    // The run held and let go of keys, turned the wheel and played the controller, so the
    // replay proves those lines too.
    const std::string events = ReadWholeFile(work / "run.events");
    for (const char* line : {"\nhold ctrl\n", "\nrelease ctrl\n", "\nwheel ", "\npad a down\n",
                             "\npad rightshoulder down\n", "\npad axis leftx ", "\npad dp"}) {
        EXPECT_NE(events.find(line), std::string::npos) << line;
    }
    const std::string state = ReadWholeFile(work / "soak.txt");
    EXPECT_NE(state.find("presents="), std::string::npos);
    EXPECT_EQ(ReadWholeFile(work / "replay.txt"), state);
}

TEST(Soak, AnEngineThatWaitsAMinuteWithoutAFrameFailsWithItsEventsWritten) {
    TempDir game, work;
    testing::GameArchive()
        .FixedPictures()
        .Script("master.scn", "scene intro\r\nset delay=61000\r\n")
        .WriteTo(game / "Orvane.pak");
    const testing::ProgramResult run = Orvane(game, work, {"--soak", "10", "--seed", "4"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("without presenting a frame"), std::string::npos) << run.err;
    const fs::path events = game / "soak-4.events";
    EXPECT_NE(run.err.find(events.string()), std::string::npos) << run.err;
    EXPECT_NE(ReadWholeFile(events).find("# Random play, seed 4"), std::string::npos);
}

TEST(Soak, CommandLineMistakesAreRefused) {
    TempDir game, work;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--soak", "ten"}, {"--soak", "5", "--events", "x"},
          {"--seed", "3"}}) {
        EXPECT_EQ(Orvane(game, work, args).exitCode, 2) << args[0];
    }
}

}  // namespace
}  // namespace orvane
