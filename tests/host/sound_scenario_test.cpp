// Music, voices, branches and transitions of a whole script through the headless driver.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/wave_format.h"
#include "support/game_folder.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

using testing::GameArchive;
using testing::ReadWholeFile;
using testing::RunProgram;
using testing::TempDir;

// A 440 Hz tone, stereo 16-bit at 22,050 Hz, `seconds` long.
std::string Tone(double seconds) {
    const PcmFormat format{2, 22050, 16};
    std::string samples;
    const int frames = static_cast<int>(seconds * format.sampleRate);
    for (int i = 0; i < frames; ++i) {
        const auto v = static_cast<int16_t>(8000 * std::sin(2 * M_PI * 440 * i / format.sampleRate));
        for (int c = 0; c < 2; ++c) {
            samples += static_cast<char>(v & 0xFF);
            samples += static_cast<char>((v >> 8) & 0xFF);
        }
    }
    return EncodeWave(format, samples);
}

std::string Line(const std::string& dump, const std::string& key) {
    const size_t at = dump.find("\n" + key + "=");
    if (at == std::string::npos) return "<none>";
    const size_t start = at + key.size() + 2;
    return dump.substr(start, dump.find('\n', start) - start);
}

TEST(SoundScenario, MusicVoicesAndABranchPlayAndTheMixIsWritten) {
    TempDir game, work;
    game.Write("music_a.wav", Tone(1.0));
    GameArchive().Entry("anna_01.wav", Tone(0.5)).WriteTo(game / "Sounds.pak");
    GameArchive()
        .FixedPictures()
        .Script("playlist.scn", "music_a.wav")
        .Script("triggers.scn", "met=0\r\ngal_seen=0")
        .Script("master.scn",
                "scene start\r\nset trigger met=1\r\nif met=1 goto met else goto alone\r\n"
                "scene alone\r\nend\r\nscene met\r\nset trigger gal_seen=1\r\n"
                "set fade=out:1000:0\r\nset text voice=anna_01.wav text=Hello.\r\nend\r\n")
        .WriteTo(game / "Orvane.pak");
    work.Write("events.txt", "wait 1500\nstate state.txt\n");
    const auto run = RunProgram(testing::BinaryDir() / "orvane",
                                {"--headless", "--game-dir", game.path().string(), "--events",
                                 "events.txt", "--audio-out", "mix.wav"},
                                work.path(), {"XDG_CONFIG_HOME=" + work.path().string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string dump = ReadWholeFile(work / "state.txt");
    EXPECT_EQ(Line(dump, "scene_name"), "met");
    EXPECT_EQ(Line(dump, "voice"), "anna_01.wav");
    EXPECT_EQ(Line(dump, "music_track"), "music_a.wav");
    EXPECT_EQ(Line(dump, "music_attenuation"), "-1000");
    EXPECT_NE(dump.find("\ngal_seen=1\n"), std::string::npos);

    // The fade to black took its passes at 60 a second before the text, and the mix runs at least
    // as long as the virtual time that passed.
    const std::string mix = ReadWholeFile(work / "mix.wav");
    WaveLayout layout;
    std::string error;
    ASSERT_TRUE(ParseWave(mix, layout, error)) << error;
    const double seconds = static_cast<double>(layout.dataSize) /
                           (layout.format.sampleRate * layout.format.BlockAlign());
    EXPECT_GE(seconds, 1.5);
    // The persistent trigger was written at exit.
    EXPECT_TRUE(std::filesystem::exists(game / "triggers.scn"));
}

}  // namespace
}  // namespace orvane
