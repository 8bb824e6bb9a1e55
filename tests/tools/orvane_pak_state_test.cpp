#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "archive/pak_writer.h"
#include "support/game_folder.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

using testing::ReadWholeFile;
using testing::TempDir;

// A save as the game writes it: the state text with every byte one less, and the thumbnail.
void WriteSave(const std::filesystem::path& file, std::string plain, std::string thumbnail) {
    for (char& c : plain) c = static_cast<char>(static_cast<unsigned char>(c) - 1);
    std::string error;
    ASSERT_TRUE(WritePak({{"temp_.tmp", {}, plain}, {"screen_.bmp", {}, std::move(thumbnail)}},
                         file, error))
        << error;
}

TEST(OrvanePakState, PrintsTheSavedStateWritesTheThumbnailAndRefusesADamagedSave) {
    TempDir work;
    const std::string state =
        "\xEF\xF0\xE8\xF1\xF2\xE0\xED\xFC\r\n"  // the scene "пристань"
        "hero:\xC0\xEB\xE5\xEA\r\n"             // a name in Cyrillic
        "----\r\nback:bg.jpg:0:0\r\n----\r\n----\r\nmenu1\r\n----\r\nchapter=2\r\n"
        "----\r\n----\r\ncycle:1\r\n";
    WriteSave(work / "good.sav", state, testing::Bmp32Of(400, 300, 0x00FF8040));
    const auto pak = testing::BinaryDir() / "orvane-pak";

    testing::ProgramResult run = testing::RunProgram(pak, {"state", "good.sav"}, work.path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "scene=пристань\n[names]\nhero:Алек\n[stage]\nback:bg.jpg:0:0\n[moves]\n"
              "[menu]\nmenu1\n[triggers]\nchapter=2\n[interface]\n");

    run = testing::RunProgram(pak, {"state", "--thumbnail", "thumb.png", "good.sav"}, work.path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string png = ReadWholeFile(work / "thumb.png");
    ASSERT_GE(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x01\x90\0\0\x01\x2C", 8));  // 400 x 300

    // Sections missing, a thumbnail that is not a picture, no file at all: a reason, status 1.
    WriteSave(work / "short.sav", "scene\r\n----\r\n", testing::Bmp32Of(400, 300, 0));
    WriteSave(work / "nothumb.sav", state, "BM not a picture");
    for (const char* name : {"short.sav", "nothumb.sav", "missing.sav"}) {
        run = testing::RunProgram(pak, {"state", name}, work.path());
        EXPECT_EQ(run.exitCode, 1) << name;
        EXPECT_NE(run.err.find(name), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
    }
}

}  // namespace
}  // namespace orvane
