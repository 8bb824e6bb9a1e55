// The SDL device on SDL's dummy driver: the mixer really runs on SDL's audio thread.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <thread>

#include "platform/sdl_audio_device.h"
#include "support/temp_dir.h"
#include "test_waves.h"

namespace orvane {
namespace {

TEST(SdlAudioDevice, PlaysOnTheAudioThreadOfTheDummyDriver) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlAudioDevice device;
    ASSERT_TRUE(device.Start());
    EXPECT_TRUE(device.opened());
    EXPECT_GT(device.mixer().outputRate(), 0);

    device.SetWaveVolume(0x7FFD7FFD);
    ASSERT_TRUE(device.PlaySystemSound(testing::ToneWave({1, 22050, 8}, 1000, 0.5, 0.1), "beep"));
    const PcmFormat format{2, 44100, 16};
    ASSERT_TRUE(device.PlayMusic(testing::TonePcm(format, 440, 0.5, 5.0), format, -1000, 0, "m"));
    // Voices change under the running thread without harm.
    for (int i = 0; i < 20; ++i) {
        device.SetMusicAttenuation(-100 * i);
        device.PlaySystemSound(testing::ToneWave({1, 22050, 8}, 1000, 0.5, 0.05), "beep");
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    // The last sound plays to its end on the audio thread.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (device.mixer().Playing(MixerVoice::System) &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_FALSE(device.mixer().Playing(MixerVoice::System));
    EXPECT_TRUE(device.mixer().Playing(MixerVoice::Music));
    device.Stop();
    EXPECT_FALSE(device.opened());
}

TEST(SdlAudioDevice, WithoutSdlAudioTheGamePlaysOnSilentlyAfterOneMessage) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SdlAudioDevice device;
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(device.Start());
    EXPECT_FALSE(device.Start());
    EXPECT_TRUE(device.PlaySystemSound(testing::ToneWave({1, 22050, 8}, 1000, 0.5, 0.1), "b"));
    device.SetWaveVolume(0);
    device.DeviceAdded(false, 100);
    EXPECT_EQ(device.MillisecondsToReopen(100), -1);
    device.StopMusic();
    device.Stop();
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("no sound"), std::string::npos) << err;
    EXPECT_EQ(err.find("no sound"), err.rfind("no sound")) << err;
    unsetenv("SDL_AUDIODRIVER");
}

// SDL's "disk" driver opens its device as a file: an unwritable path is a device that will not
// open, and a writable one the device plugged in later.
TEST(SdlAudioDevice, ADevicePluggedInAfterAStartWithoutOneIsTakenAtTheMixersRate) {
    const testing::TempDir folder;
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", (folder.path() / "missing" / "out.raw").c_str(), 1);
    SdlAudioDevice device;
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(device.Start());
    const PcmFormat format{2, 44100, 16};
    ASSERT_TRUE(device.PlayMusic(testing::TonePcm(format, 440, 0.5, 5.0), format, 0, 0, "m"));
    const int rate = device.mixer().outputRate();
    device.DeviceAdded(true, 100);  // a microphone
    EXPECT_EQ(device.MillisecondsToReopen(100), -1);
    device.DeviceAdded(false, 100);  // a device that does not open either: no retries follow
    device.ReopenIfDue(100);
    EXPECT_FALSE(device.opened());
    EXPECT_EQ(device.MillisecondsToReopen(100), -1);

    setenv("SDL_DISKAUDIOFILE", (folder / "out.raw").c_str(), 1);
    device.DeviceAdded(false, 200);
    device.ReopenIfDue(200);
    EXPECT_TRUE(device.opened());
    EXPECT_TRUE(device.Start());
    EXPECT_EQ(device.mixer().outputRate(), rate);
    EXPECT_TRUE(device.mixer().Playing(MixerVoice::Music));
    device.Stop();
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(err.find("no sound"), err.rfind("no sound")) << err;
    EXPECT_NE(err.find("plugged in: the game plays with sound"), std::string::npos) << err;
    unsetenv("SDL_DISKAUDIOFILE");
    unsetenv("SDL_AUDIODRIVER");
}

TEST(SdlAudioDevice, ALostDeviceIsReopenedAtTheSameRateAndTheMusicPlaysOn) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlAudioDevice device;
    device.SetBufferFrames(256);
    ASSERT_TRUE(device.Start());
    const int rate = device.mixer().outputRate();
    const PcmFormat format{2, 44100, 16};
    ASSERT_TRUE(device.PlayMusic(testing::TonePcm(format, 440, 0.5, 5.0), format, 0, 0, "m"));
    EXPECT_EQ(device.MillisecondsToReopen(100), -1);

    ::testing::internal::CaptureStderr();
    device.DeviceRemoved(device.id() + 1, false, 100);  // someone else's device
    device.DeviceRemoved(device.id(), true, 100);       // a microphone
    EXPECT_TRUE(device.opened());
    device.DeviceRemoved(device.id(), false, 100);
    EXPECT_FALSE(device.opened());
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("went away"), std::string::npos);
    EXPECT_EQ(device.MillisecondsToReopen(100), 0);
    device.ReopenIfDue(100);
    EXPECT_TRUE(device.opened());
    EXPECT_EQ(device.MillisecondsToReopen(100), -1);
    EXPECT_EQ(device.mixer().outputRate(), rate);
    EXPECT_TRUE(device.mixer().Playing(MixerVoice::Music));
    device.Stop();
    unsetenv("SDL_AUDIODRIVER");
}

// The disk driver again: its file made unwritable while the device is away keeps the device from
// coming back, so the tries slow down until a device is plugged in.
TEST(SdlAudioDevice, ALostDeviceThatDoesNotComeBackIsTriedLessOftenUntilOneIsPluggedIn) {
    const testing::TempDir folder;
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", (folder / "out.raw").c_str(), 1);
    SdlAudioDevice device;
    ASSERT_TRUE(device.Start());
    ::testing::internal::CaptureStderr();
    setenv("SDL_DISKAUDIOFILE", (folder.path() / "missing" / "out.raw").c_str(), 1);
    uint64_t now = 1000;
    device.DeviceRemoved(device.id(), false, now);
    for (int expected : {2000, 4000, 8000, 16000, 32000, 60000, 60000}) {
        device.ReopenIfDue(now);
        ASSERT_FALSE(device.opened());
        ASSERT_EQ(device.MillisecondsToReopen(now), expected);
        now += static_cast<uint64_t>(expected);
    }
    setenv("SDL_DISKAUDIOFILE", (folder / "out.raw").c_str(), 1);
    device.DeviceAdded(false, now - 1000);
    EXPECT_EQ(device.MillisecondsToReopen(now - 1000), 0);
    device.ReopenIfDue(now - 1000);
    EXPECT_TRUE(device.opened());
    EXPECT_EQ(device.MillisecondsToReopen(now), -1);
    device.Stop();
    ::testing::internal::GetCapturedStderr();
    unsetenv("SDL_DISKAUDIOFILE");
    unsetenv("SDL_AUDIODRIVER");
}

}  // namespace
}  // namespace orvane
