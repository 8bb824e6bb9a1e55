// Voices, effects and the device volume.
#include "sound_fixture.h"

namespace orvane {
namespace {

using testing::ToneWave;

class VoiceTest : public testing::SoundTest {
protected:
    const std::string looseHello = ToneWave({1, 22050, 8}, 1000, 0.5, 0.2);
    const std::string packedHello = ToneWave({1, 11025, 8}, 1000, 0.5, 0.2);
    const std::string packedOnly = ToneWave({2, 22050, 16}, 500, 0.5, 0.3);

    void PackVoices() {
        testing::GameArchive()
            .Entry("HELLO.wav", packedHello)
            .Entry("only_in_pak.wav", packedOnly)
            .Entry("broken.wav", "RIFF....WAVE")
            .WriteTo(cd / "SOUNDS.PAK");
    }
};

TEST_F(VoiceTest, ALooseFileWinsOverTheArchiveAndTheArchiveOverNothing) {
    PackVoices();
    game.Write("hello.WAV", looseHello);

    sound.PlayVoice("Hello.wav");
    EXPECT_EQ(audio().lastSoundLabel, "Hello.wav");
    EXPECT_EQ(audio().lastSoundBytes, looseHello.size());
    EXPECT_TRUE(sound.voiceBuffer().empty());
    EXPECT_TRUE(audio().SystemSoundPlaying());

    sound.PlayVoice("ONLY_IN_PAK.WAV");
    EXPECT_EQ(audio().lastSoundLabel, "ONLY_IN_PAK.WAV in SOUNDS.PAK");
    EXPECT_EQ(sound.voiceBuffer(), packedOnly);
    EXPECT_TRUE(audio().SystemSoundPlaying());

    // In neither place: the voice that was speaking stops, nothing new plays, and the buffer
    // keeps the last archive voice.
    const int played = audio().soundsPlayed;
    sound.PlayVoice("nowhere.wav");
    EXPECT_EQ(audio().soundsPlayed, played);
    EXPECT_FALSE(audio().SystemSoundPlaying());
    EXPECT_EQ(sound.voiceBuffer(), packedOnly);
    EXPECT_EQ(sound.lastVoice(), "nowhere.wav");
}

TEST_F(VoiceTest, ANewVoiceCutsTheOneStillSpeakingAndABrokenOneIsReported) {
    PackVoices();
    sound.PlayVoice("only_in_pak.wav");
    platform.Sleep(100);
    EXPECT_TRUE(audio().SystemSoundPlaying());
    sound.PlayVoice("hello.wav");  // from the archive this time
    EXPECT_EQ(sound.voiceBuffer(), packedHello);
    platform.Sleep(199);
    EXPECT_TRUE(audio().SystemSoundPlaying());  // the new one runs its own 200 ms
    platform.Sleep(2);
    EXPECT_FALSE(audio().SystemSoundPlaying());

    ::testing::internal::CaptureStderr();
    sound.PlayVoice("broken.wav");
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("broken.wav in SOUNDS.PAK"), std::string::npos) << err;
    EXPECT_FALSE(audio().SystemSoundPlaying());
}

TEST_F(VoiceTest, WithoutTheSoundArchiveVoicesAreSilentAfterOneMessage) {
    ::testing::internal::CaptureStderr();
    sound.PlayVoice("a.wav");
    sound.PlayVoice("b.wav");
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Sounds.pak"), std::string::npos) << err;
    EXPECT_EQ(err.find("Sounds.pak"), err.rfind("Sounds.pak")) << err;
    EXPECT_EQ(audio().soundsPlayed, 0);
}

TEST_F(VoiceTest, TheSameEffectIsNotRestartedButAnotherInBetweenLetsItPlayAgain) {
    game.Write("bell.wav", ToneWave({1, 22050, 8}, 800, 0.5, 0.5));
    game.Write("gong.wav", ToneWave({1, 22050, 8}, 300, 0.5, 0.5));

    sound.PlayEffect("");
    EXPECT_EQ(audio().soundStops, 0);
    sound.PlayEffect("bell.wav");
    sound.PlayEffect("bell.wav");
    EXPECT_EQ(audio().soundsPlayed, 1);
    EXPECT_EQ(audio().soundStops, 1);
    sound.PlayEffect("gong.wav");
    sound.PlayEffect("bell.wav");
    EXPECT_EQ(audio().soundsPlayed, 3);
    EXPECT_EQ(sound.lastEffect(), "bell.wav");
    EXPECT_TRUE(audio().SystemSoundPlaying());

    // A missing effect stops the sound, plays nothing, and counts as the last one.
    sound.PlayEffect("missing.wav");
    sound.PlayEffect("missing.wav");
    EXPECT_EQ(audio().soundStops, 4);
    EXPECT_EQ(audio().soundsPlayed, 3);
    EXPECT_FALSE(audio().SystemSoundPlaying());
}

TEST_F(VoiceTest, TheSoundLevelSetsBothHalvesOfTheDeviceVolume) {
    sound.SetWaveVolume(5);
    EXPECT_EQ(audio().waveVolume, 0x7FFD7FFDu);
    sound.SetWaveVolume(10);
    EXPECT_EQ(audio().waveVolume, 0xFFFAFFFAu);
    sound.SetWaveVolume(-1);
    EXPECT_EQ(audio().waveVolume, 0u);
    EXPECT_EQ(audio().mixing().mixer().Gain(MixerVoice::System), (StereoGain{0.0f, 0.0f}));
}

}  // namespace
}  // namespace orvane
