#include <gtest/gtest.h>

#include "platform/audio_levels.h"
#include "platform/mixing_audio_device.h"
#include "test_waves.h"

namespace orvane {
namespace {

constexpr int kRate = 48000;

struct Channels {
    std::vector<float> left, right;
};

Channels MixFor(AudioMixer& mixer, size_t frames) {
    std::vector<float> out(2 * frames);
    mixer.Mix(out.data(), frames);
    Channels c;
    for (size_t i = 0; i < frames; ++i) {
        c.left.push_back(out[2 * i]);
        c.right.push_back(out[2 * i + 1]);
    }
    return c;
}

double Rms(const std::vector<float>& x) {
    return testing::Rms(x, 0, x.size());
}

TEST(AudioMixer, AppliesTheVolumeWordPerChannelAndTheMusicAttenuationAndPan) {
    MixingAudioDevice device(kRate);
    const std::string tone = testing::ToneWave({1, 24000, 16}, 1000, 0.5, 1.0);
    device.SetWaveVolume(0x4000FFFF);  // left full, right a quarter
    device.PlaySystemSound(tone, "tone");
    Channels c = MixFor(device.mixer(), 4800);
    EXPECT_NEAR(Rms(c.left), 0.3536, 0.002);
    EXPECT_NEAR(Rms(c.right) / Rms(c.left), 0x4000 / 65535.0, 0.002);

    // A change while playing glides there within a few milliseconds.
    device.SetWaveVolume(0x0000FFFF);
    c = MixFor(device.mixer(), 4800);
    EXPECT_EQ(Rms(std::vector<float>(c.right.begin() + 480, c.right.end())), 0.0);

    device.StopSystemSound();
    const PcmFormat format{2, 24000, 16};
    device.PlayMusic(testing::TonePcm(format, 1000, 0.5, 1.0), format, -2000, -1000, "music");
    c = MixFor(device.mixer(), 4800);
    EXPECT_NEAR(Rms(c.left), 0.03536, 0.0003);
    EXPECT_NEAR(Rms(c.right) / Rms(c.left), std::pow(10.0, -0.5), 0.002);

    device.SetMusicAttenuation(1);  // refused: stays at -2000
    EXPECT_NEAR(Rms(MixFor(device.mixer(), 4800).left), 0.03536, 0.0003);
    device.SetMusicAttenuation(-10000);
    c = MixFor(device.mixer(), 4800);
    EXPECT_EQ(Rms(std::vector<float>(c.left.begin() + 480, c.left.end())), 0.0);

    // A refused attenuation on a new track leaves it at full volume, centred.
    device.PlayMusic(testing::TonePcm(format, 1000, 0.5, 1.0), format, 4000, 20000, "music");
    c = MixFor(device.mixer(), 4800);
    EXPECT_NEAR(Rms(c.left), 0.3536, 0.002);
    EXPECT_NEAR(Rms(c.right), 0.3536, 0.002);
}

TEST(AudioMixer, ANewSystemSoundReplacesTheOldEvenWhenItCannotPlay) {
    MixingAudioDevice device(kRate);
    device.PlaySystemSound(testing::ToneWave({1, 48000, 16}, 1000, 0.5, 1.0), "first");
    device.PlaySystemSound(testing::ToneWave({1, 48000, 16}, 3000, 0.5, 1.0), "second");
    Channels c = MixFor(device.mixer(), 4800);
    EXPECT_GT(testing::ResidualBelowToneDb(c.left, kRate, 3000, 0, 4800), 80);

    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(device.PlaySystemSound("RIFF", "broken.wav"));
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("broken.wav"), std::string::npos);
    EXPECT_FALSE(device.mixer().Playing(MixerVoice::System));
    EXPECT_EQ(Rms(MixFor(device.mixer(), 480).left), 0.0);

    // The two voices add up, and the sum is held to full scale.
    device.PlaySystemSound(testing::ToneWave({1, 48000, 16}, 1000, 0.9, 1.0), "loud");
    const PcmFormat format{1, 48000, 16};
    device.PlayMusic(testing::TonePcm(format, 1000, 0.9, 1.0), format, 0, 0, "loud");
    c = MixFor(device.mixer(), 4800);
    EXPECT_EQ(*std::max_element(c.left.begin(), c.left.end()), 1.0f);
    EXPECT_EQ(*std::min_element(c.left.begin(), c.left.end()), -1.0f);
}

// The headless clock skips time it does not record; a later recording must then sound exactly as
// if every frame had been mixed.
TEST(AudioMixer, SkippingLandsWhereMixingWould) {
    for (const PcmFormat format : {PcmFormat{1, 22050, 8}, PcmFormat{2, 44100, 16},
                                   PcmFormat{1, 96000, 16}, PcmFormat{2, 11111, 8}}) {
        const std::string pcm = testing::TonePcm(format, 700, 0.5, 0.5);
        AudioMixer mixed(kRate), skipped(kRate);
        for (AudioMixer* mixer : {&mixed, &skipped}) {
            mixer->Play(MixerVoice::Music, std::make_unique<AudioVoice>(pcm, format, kRate));
            mixer->SetGain(MixerVoice::Music, {0.3f, 0.6f});
        }
        std::vector<float> scratch(2 * 1000);
        size_t done = 0;
        for (size_t chunk : {1u, 7u, 100u, 999u, 1000u, 13u}) {
            mixed.Mix(scratch.data(), chunk);
            done += chunk;
        }
        skipped.Skip(done);
        EXPECT_EQ(MixFor(mixed, 1000).right, MixFor(skipped, 1000).right)
            << format.sampleRate << " Hz";
        // The sound lasts its frames at the output rate, rounded up to a whole output frame.
        const uint64_t frames = pcm.size() / static_cast<size_t>(format.BlockAlign());
        const uint64_t rate = static_cast<uint64_t>(format.sampleRate);
        const uint64_t length = (frames * kRate + rate - 1) / rate;
        skipped.Skip(length - done - 1000 - 1);
        EXPECT_TRUE(skipped.Playing(MixerVoice::Music));
        skipped.Skip(1);
        EXPECT_FALSE(skipped.Playing(MixerVoice::Music)) << format.sampleRate << " Hz";
    }
}

}  // namespace
}  // namespace orvane
