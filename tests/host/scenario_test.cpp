// Whole scripts played by the headless driver, checked through the state dump.
#include <gtest/gtest.h>

#include "support/game_folder.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

using testing::GameArchive;
using testing::ReadWholeFile;
using testing::RunProgram;
using testing::TempDir;

// The value of `key` in a state dump, or the lines of `[section]` joined by '|'.
std::string Dump(const std::string& dump, const std::string& key) {
    std::string result;
    bool inSection = false;
    size_t start = 0;
    while (start < dump.size()) {
        const size_t end = dump.find('\n', start);
        const std::string line = dump.substr(start, end - start);
        start = end == std::string::npos ? dump.size() : end + 1;
        if (!line.empty() && line[0] == '[') {
            inSection = line == "[" + key + "]";
            continue;
        }
        if (inSection) result += (result.empty() ? "" : "|") + line;
        if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
    }
    return result;
}

class Scenario : public ::testing::Test {
protected:
    void SetUp() override {
        GameArchive()
            .FixedPictures()
            .Entry("bg_hall.bmp", testing::Bmp32Of(1024, 768, MakePixel(0, 0, 200)))
            .Entry("ch_anna.bmp", testing::Bmp32Of(300, 600, MakePixel(200, 100, 0)))
            .Script("objects.scn", "bg_hall:bg_hall.bmp\r\nch_anna:ch_anna.bmp")
            .Script("master.scn",
                    "-- a short scene\r\n"
                    "scene hall\r\n"
                    "set bg level=1 align=center bg=bg_hall\r\n"
                    "set character level=2 align=center effect=opacity:15:255:500 "
                    "character=ch_anna\r\n"
                    "move delay=0 start= 0:0 finish= 100:0 time= 4:1 object=ch_anna\r\n"
                    "set pause\r\n"
                    "goto garden\r\n"
                    "scene hall2\r\n"
                    "scene garden\r\n"
                    "set bg bg=bg_hall\r\n"
                    "end\r\n")
            .WriteTo(game / "Orvane.pak");
    }

    std::string Play(const std::string& events) {
        work.Write("events.txt", events);
        const auto run = RunProgram(testing::BinaryDir() / "orvane",
                                    {"--headless", "--game-dir", game.path().string(), "--events",
                                     "events.txt"},
                                    work.path(), {"XDG_CONFIG_HOME=" + work.path().string()});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return ReadWholeFile(work / "state.txt");
    }

    TempDir game, work;
};

TEST_F(Scenario, AFadeInThenAMoveThenAPauseThenAJump) {
    const std::string start = Play("state state.txt\n");
    EXPECT_EQ(Dump(start, "scene_name"), "hall");
    EXPECT_EQ(Dump(start, "animating"), "1");
    EXPECT_EQ(Dump(start, "fades"), "ch_anna:24:255");
    EXPECT_EQ(Dump(start, "stage"), "1:bg_hall:255:1024:768:1:0:0:0|2:ch_anna:15:300:600:2:0:362:84");

    // Ten ticks of fading and one more to end it; the move then runs four steps and resumes the
    // script, which pauses. A click while animating is lost.
    const std::string paused = Play("wait 100\nclick 5 5\nwait 1000\nstate state.txt\n");
    EXPECT_EQ(Dump(paused, "paused"), "1");
    EXPECT_EQ(Dump(paused, "animating"), "0");
    EXPECT_EQ(Dump(paused, "moves"), "");
    EXPECT_EQ(Dump(paused, "stage"), "1:bg_hall:255:1024:768:1:0:0:0|2:ch_anna:255:300:600:2:0:100:0");

    const std::string jumped = Play("wait 1000\nclick 5 5\nstate state.txt\n");
    EXPECT_EQ(Dump(jumped, "scene_name"), "garden");
    EXPECT_EQ(Dump(jumped, "script_pos"), "11");
    EXPECT_EQ(Dump(jumped, "stage"), "1:bg_hall:255:1024:768:1:0:0:0");
}

}  // namespace
}  // namespace orvane
