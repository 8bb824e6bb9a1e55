#include <gtest/gtest.h>

#include <vector>

#include "audio/volume_levels.h"
#include "audio/wave_file.h"
#include "platform/test_waves.h"

namespace orvane {
namespace {

TEST(WaveFile, ReadCopiesWhatIsLeftAndFillsTheRestWithSilence) {
    testing::TempDir dir;
    for (const int bits : {8, 16}) {
        const PcmFormat format{1, 22050, bits};
        std::string pcm;
        for (int i = 0; i < 1600; ++i) pcm += static_cast<char>(i % 251);
        // Another chunk first: the reader walks to the samples.
        std::string file = EncodeWave(format, pcm);
        file.insert(12, std::string("LIST\x03\0\0\0abc\0", 12));
        const auto path = dir.Write("track" + std::to_string(bits) + ".wav", file);

        WaveFile wave;
        std::string error;
        ASSERT_TRUE(wave.Open(path, error)) << error;
        EXPECT_EQ(wave.DataSize(), 1600u);
        EXPECT_EQ(wave.format(), format);
        std::vector<uint8_t> buffer(1000, 7);
        EXPECT_EQ(wave.Read(buffer.data(), 1000), 1000u);
        EXPECT_EQ(std::string(buffer.begin(), buffer.end()), pcm.substr(0, 1000));
        EXPECT_EQ(wave.Read(buffer.data(), 1000), 600u);
        EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 600), pcm.substr(1000));
        const uint8_t silence = bits == 8 ? 128 : 0;
        EXPECT_EQ(std::vector<uint8_t>(buffer.begin() + 600, buffer.end()),
                  std::vector<uint8_t>(400, silence));
        EXPECT_EQ(wave.Read(buffer.data(), 10), 0u);
        EXPECT_EQ(buffer[0], silence);
        wave.Rewind();
        EXPECT_EQ(wave.Read(buffer.data(), 3), 3u);
        EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 3), pcm.substr(0, 3));
        wave.Close();
        EXPECT_EQ(wave.DataSize(), 0u);
        EXPECT_EQ(wave.Read(buffer.data(), 10), 0u);
    }
}

TEST(WaveFile, OpenFailsCleanlyOnWhatIsNotAPlayableFile) {
    testing::TempDir dir;
    dir.Write("empty.wav", "");
    dir.Write("broken.wav", std::string("RIFF\x10\0\0\0WAVEfmt ", 16));
    dir.Write("adpcm.wav", EncodeWave({1, 22050, 4}, "abcd"));
    std::filesystem::create_directory(dir / "folder.wav");
    for (const char* name : {"missing.wav", "empty.wav", "broken.wav", "adpcm.wav", "folder.wav"}) {
        WaveFile wave;
        std::string error;
        EXPECT_FALSE(wave.Open(dir / name, error)) << name;
        EXPECT_NE(error.find(name), std::string::npos) << error;
        EXPECT_FALSE(wave.isOpen());
        EXPECT_EQ(wave.DataSize(), 0u);
    }
    // A failed open also closes what was open before.
    WaveFile wave;
    std::string error;
    ASSERT_TRUE(wave.Open(dir.Write("good.wav", EncodeWave({2, 8000, 16}, "abcd")), error));
    EXPECT_FALSE(wave.Open(dir / "broken.wav", error));
    EXPECT_FALSE(wave.isOpen());
}

TEST(WaveFile, TrackLengthCountsFramesAtTheTracksOwnRate) {
    EXPECT_EQ(TrackLengthMs({2, 44100, 16}, 10584000), 60000);
    // Mono plays twice as long as the same bytes in stereo.
    EXPECT_EQ(TrackLengthMs({1, 44100, 16}, 10584000), 120000);
    EXPECT_EQ(TrackLengthMs({1, 22050, 8}, 33075), 1500);
    // Rounded up, so that a timer of this length never cuts the last frame off.
    EXPECT_EQ(TrackLengthMs({1, 22050, 8}, 1), 1);
    EXPECT_EQ(TrackLengthMs({1, 22050, 8}, 23), 2);
    // A partial frame does not play.
    EXPECT_EQ(TrackLengthMs({2, 44100, 16}, 3), 0);
    EXPECT_EQ(TrackLengthMs({1, 1, 8}, 4000000000u), 2147483647);
}

TEST(VolumeLevels, MatchTheDevicesUnits) {
    EXPECT_EQ(WaveVolumeWord(0), 0u);
    EXPECT_EQ(WaveVolumeWord(1), 0x19991999u);
    EXPECT_EQ(WaveVolumeWord(5), 0x7FFD7FFDu);
    EXPECT_EQ(WaveVolumeWord(10), 0xFFFAFFFAu);
    EXPECT_EQ(WaveVolumeWord(-1), 0u);
    EXPECT_EQ(WaveVolumeWord(11), 0xFFFAFFFAu);

    const int table[] = {-10000, -2000, -1800, -1600, -1400, -1200, -1000, -800, -600, -400, 0};
    for (int level = -1; level <= 9; ++level) {
        EXPECT_EQ(AttenuationForLevel(level), table[level + 1]) << level;
    }
    EXPECT_EQ(AttenuationForLevel(-5), -10000);
    EXPECT_EQ(AttenuationForLevel(12), 0);

    EXPECT_EQ(PlaylistAttenuation(5), 0);
    EXPECT_EQ(PlaylistAttenuation(-1), -6000);
    EXPECT_EQ(PlaylistAttenuation(9), 4000);
    EXPECT_LT(PlaylistAttenuation(-2147483647), -10000);
}

}  // namespace
}  // namespace orvane
