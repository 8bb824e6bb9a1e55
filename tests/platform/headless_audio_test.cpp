// The mix as the headless backend writes it: levels, durations and purity of known tones,
// checked on the file.
#include <gtest/gtest.h>

#include "platform/headless_audio.h"
#include "platform/headless_platform.h"
#include "test_waves.h"

namespace orvane {
namespace {

using testing::ReadRecording;
using testing::Recording;

class HeadlessAudioTest : public ::testing::Test {
protected:
    Recording Record(const std::function<void()>& play, uint64_t untilMs) {
        std::string error;
        device.StartRecording(dir / "mix.wav");
        play();
        now = untilMs;
        EXPECT_TRUE(device.StopRecording(error)) << error;
        return ReadRecording(dir / "mix.wav");
    }

    testing::TempDir dir;
    uint64_t now = 0;
    HeadlessAudioDevice device{[this] { return now; }};
};

TEST_F(HeadlessAudioTest, EightBitMonoToneAt22050KeepsItsLevelLengthAndPurity) {
    device.SetWaveVolume(0xFFFFFFFF);
    const Recording rec = Record(
        [&] {
            now = 100;
            device.PlaySystemSound(testing::ToneWave({1, 22050, 8}, 1000, 0.5, 1.0), "tone");
        },
        1300);
    ASSERT_EQ(rec.rate, 48000);
    ASSERT_EQ(rec.left.size(), 1300u * 48);
    EXPECT_EQ(rec.left, rec.right);

    // The tone starts at 100 ms and lasts a second, give or take the filter's own length.
    const auto [first, last] = testing::SoundingSpan(rec.left, 0.05f);
    EXPECT_NEAR(static_cast<double>(first), 4800, 48);
    EXPECT_NEAR(static_cast<double>(last - first), 48000, 96);
    const size_t from = first + 2400, to = from + 48 * 800;
    EXPECT_NEAR(testing::Rms(rec.left, from, to), 0.5 / std::sqrt(2.0), 0.003);
    // 8-bit samples at half scale carry their quantisation noise about 44 dB down.
    EXPECT_GT(testing::ResidualBelowToneDb(rec.left, rec.rate, 1000, from, to), 40);
    // The images of the 22,050 Hz rate, which linear interpolation leaves 53 dB down.
    for (const double image : {21050.0, 23050.0}) {
        const double ratio = testing::ComponentAmplitude(rec.left, rec.rate, image, from, to) / 0.5;
        EXPECT_LT(20 * std::log10(ratio), -75) << image << " Hz";
    }
}

TEST_F(HeadlessAudioTest, SixteenBitStereoMusicAt44100KeepsItsChannelsLevelAndPurity) {
    const PcmFormat format{2, 44100, 16};
    const Recording rec = Record(
        [&] {
            device.PlayMusic(testing::TonePcm(format, 1000, 0.5, 1.0, 0.5), format, -600, 0,
                             "music");
        },
        1200);
    ASSERT_EQ(rec.left.size(), 1200u * 48);
    const auto [first, last] = testing::SoundingSpan(rec.left, 0.02f);
    EXPECT_LE(first, 48u);
    EXPECT_NEAR(static_cast<double>(last - first), 48000, 96);

    // -6 dB of attenuation is a gain of 10^(-600 / 2000).
    const double gain = std::pow(10.0, -0.3);
    const size_t from = 4800, to = from + 48 * 800;
    EXPECT_NEAR(testing::Rms(rec.left, from, to), gain * 0.5 / std::sqrt(2.0), 0.002);
    EXPECT_NEAR(testing::Rms(rec.right, from, to), gain * 0.25 / std::sqrt(2.0), 0.001);
    // Linear interpolation leaves images of 44,100 Hz about 62 dB down here.
    EXPECT_GT(testing::ResidualBelowToneDb(rec.left, rec.rate, 1000, from, to), 75);
    EXPECT_GT(testing::ResidualBelowToneDb(rec.right, rec.rate, 1000, from, to), 75);
}

TEST_F(HeadlessAudioTest, SoundAtTheOutputRateComesOutSampleForSample) {
    uint64_t clock = 0;
    HeadlessAudioDevice same{[&] { return clock; }, 44100};
    const PcmFormat format{2, 44100, 16};
    const std::string pcm = testing::TonePcm(format, 1234, 0.9, 0.5, -0.7);
    std::string error;
    same.StartRecording(dir / "same.wav");
    same.PlayMusic(pcm, format, 0, 0, "music");
    clock = 600;
    ASSERT_TRUE(same.StopRecording(error)) << error;
    const std::string file = testing::ReadWholeFile(dir / "same.wav");
    ASSERT_EQ(file.size(), 44u + 600 * 441 / 10 * 4);
    EXPECT_EQ(file.substr(44, pcm.size()), pcm);
    EXPECT_EQ(file.substr(44 + pcm.size()), std::string(file.size() - 44 - pcm.size(), '\0'));
}

TEST_F(HeadlessAudioTest, RecordsWhatWasAskedAndFollowsTheVirtualClock) {
    const PcmFormat format{1, 22050, 16};
    device.PlayMusic(testing::TonePcm(format, 500, 0.5, 0.5), format, 300, 0, "track.wav");
    EXPECT_EQ(device.musicLabel, "track.wav");
    EXPECT_EQ(device.musicAttenuation, 0);  // refused: a new track plays at full volume
    device.SetMusicAttenuation(-1200);
    device.SetMusicAttenuation(50);  // refused: keeps -1200
    EXPECT_EQ(device.musicAttenuation, -1200);

    device.PlaySystemSound(testing::ToneWave(format, 500, 0.5, 0.25), "voice.wav");
    EXPECT_EQ(device.lastSoundLabel, "voice.wav");
    now = 249;
    EXPECT_TRUE(device.SystemSoundPlaying());
    EXPECT_TRUE(device.MusicPlaying());
    now = 251;
    EXPECT_FALSE(device.SystemSoundPlaying());
    now = 501;
    EXPECT_FALSE(device.MusicPlaying());

    // Without a recording nothing is kept, and stopping one that never started says so.
    std::string error;
    EXPECT_FALSE(device.StopRecording(error));
    EXPECT_FALSE(std::filesystem::exists(dir / "mix.wav"));
}

TEST(HeadlessPlatformAudio, MixesOnThePlatformClock) {
    HeadlessPlatform platform;
    testing::TempDir dir;
    platform.recordingAudio().StartRecording(dir / "run.wav");
    platform.audio().PlaySystemSound(testing::ToneWave({1, 22050, 16}, 1000, 0.5, 0.1), "beep");
    platform.Sleep(300);
    std::string error;
    ASSERT_TRUE(platform.recordingAudio().StopRecording(error)) << error;
    const Recording rec = ReadRecording(dir / "run.wav");
    EXPECT_EQ(rec.left.size(), 300u * 48);
    const auto [first, last] = testing::SoundingSpan(rec.left, 0.05f);
    EXPECT_NEAR(static_cast<double>(last - first), 4800, 96);
}

}  // namespace
}  // namespace orvane
