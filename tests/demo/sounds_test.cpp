// The demo's generated sound: the wave files as the engine reads them, the music's format and
// its silent ends, the instruments' envelopes, and the stand-in voices.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "music.h"
#include "voices.h"

namespace orvane::demo {
namespace {

uint32_t Le(const std::string& bytes, size_t at, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | static_cast<uint8_t>(bytes.at(at + static_cast<size_t>(i)));
    }
    return value;
}

struct WaveHeader {
    uint32_t channels, rate, bits, dataBytes;
};

// Checks the canonical layout and that every size field agrees with the file.
WaveHeader ReadCanonicalHeader(const std::string& file) {
    EXPECT_GE(file.size(), kWaveHeaderBytes);
    if (file.size() < kWaveHeaderBytes) return {};
    EXPECT_EQ(file.substr(0, 4), "RIFF");
    EXPECT_EQ(Le(file, 4, 4), file.size() - 8);
    EXPECT_EQ(file.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(Le(file, 16, 4), 16u);
    EXPECT_EQ(Le(file, 20, 2), 1u);  // PCM
    const WaveHeader header{Le(file, 22, 2), Le(file, 24, 4), Le(file, 34, 2), Le(file, 40, 4)};
    const uint32_t blockAlign = header.channels * header.bits / 8;
    EXPECT_EQ(Le(file, 28, 4), header.rate * blockAlign);
    EXPECT_EQ(Le(file, 32, 2), blockAlign);
    EXPECT_EQ(file.substr(36, 4), "data");
    // Only the pad byte of an odd data chunk may follow the samples.
    EXPECT_EQ(file.size() - kWaveHeaderBytes, header.dataBytes + (header.dataBytes & 1));
    return header;
}

int16_t Sample16(const std::string& file, size_t index) {
    return static_cast<int16_t>(Le(file, kWaveHeaderBytes + 2 * index, 2));
}

TEST(DemoWave, SamplesAreWrittenAsTheEngineReadsThem) {
    Signal mono(kVoiceRate, 0);
    mono.samples = {0, 1, -1, 2};  // the last one is clipped
    const std::string eight = WaveFile8(mono);
    EXPECT_EQ(ReadCanonicalHeader(eight).dataBytes, 4u);
    EXPECT_EQ(eight.substr(kWaveHeaderBytes), std::string("\x80\xFF\x01\xFF", 4));

    mono.samples.pop_back();
    const std::string odd = WaveFile8(mono);
    EXPECT_EQ(ReadCanonicalHeader(odd).dataBytes, 3u);
    EXPECT_EQ(odd.back(), '\0');

    StereoSignal stereo(kMusicRate, 0);
    stereo.left.samples = {0.5f, -1.5f};
    stereo.right.samples = {-0.5f, 1.0f};
    const std::string sixteen = WaveFile16(stereo);
    const WaveHeader header = ReadCanonicalHeader(sixteen);
    EXPECT_EQ(header.channels, 2u);
    EXPECT_EQ(header.dataBytes, 8u);
    // Left first, then right, in every frame.
    EXPECT_EQ(Sample16(sixteen, 0), 16384);
    EXPECT_EQ(Sample16(sixteen, 1), -16384);
    EXPECT_EQ(Sample16(sixteen, 2), -32767);
    EXPECT_EQ(Sample16(sixteen, 3), 32767);
}

TEST(DemoMusic, TracksAreStereo16Bit44100OfAFewSeconds) {
    ASSERT_GE(DemoTracks().size(), 2u);
    for (const DemoTrack& track : DemoTracks()) {
        SCOPED_TRACE(std::string(track.file));
        const std::string file = WaveFile16(track.compose());
        const WaveHeader header = ReadCanonicalHeader(file);
        EXPECT_EQ(header.channels, 2u);
        EXPECT_EQ(header.rate, 44100u);
        EXPECT_EQ(header.bits, 16u);
        const double seconds = header.dataBytes / 4.0 / 44100;
        EXPECT_GE(seconds, 8);
        EXPECT_LE(seconds, 15);
    }
}

TEST(DemoMusic, TracksStartAndEndInSilenceAndAreNeitherMuteNorClipped) {
    for (const DemoTrack& track : DemoTracks()) {
        SCOPED_TRACE(std::string(track.file));
        const std::string file = WaveFile16(track.compose());
        const size_t samples = (file.size() - kWaveHeaderBytes) / 2;
        // The tracks follow one another: a step at either end would click. The first and the
        // last 2 ms stay close to silence.
        const size_t edge = 2 * 44100 / 1000 * 2;
        int peak = 0;
        for (size_t i = 0; i < samples; ++i) {
            const int s = std::abs(Sample16(file, i));
            peak = std::max(peak, s);
            if (i < edge || i >= samples - edge) {
                ASSERT_LE(s, 100) << "sample " << i;
            }
        }
        EXPECT_LE(std::abs(Sample16(file, 0)), 1);
        EXPECT_LE(std::abs(Sample16(file, 1)), 1);
        EXPECT_LE(std::abs(Sample16(file, samples - 2)), 1);
        EXPECT_LE(std::abs(Sample16(file, samples - 1)), 1);
        EXPECT_GT(peak, 3000);
        EXPECT_LT(peak, 32767);
    }
}

// The most a note moves the signal from one sample to the next at its very start and end.
// A note that starts or stops with a step clicks, however smooth the rest of it is.
float EdgeStep(void (*play)(StereoSignal&, const Note&)) {
    StereoSignal out(kMusicRate, 2);
    const Note note{0.5, 0.6, 69, 1, 0};
    play(out, note);
    const auto first = static_cast<size_t>(0.5 * kMusicRate);
    const auto last = first + static_cast<size_t>(0.6 * kMusicRate);
    float step = 0;
    for (const Signal* channel : {&out.left, &out.right}) {
        const std::vector<float>& s = channel->samples;
        EXPECT_EQ(s[first - 1], 0.0f);
        EXPECT_EQ(s[last + 1], 0.0f);
        for (size_t i : {first, first + 1, last - 1, last}) {
            step = std::max(step, std::abs(s[i] - s[i - 1]));
        }
    }
    return step;
}

TEST(DemoMusic, NotesStartAndStopWithoutAStep) {
    // A full-scale note at 440 Hz moves by up to 0.06 a sample in its middle.
    EXPECT_LT(EdgeStep([](StereoSignal& out, const Note& n) { AddPad(out, n, 0.1, 0.1); }), 0.01f);
    EXPECT_LT(EdgeStep([](StereoSignal& out, const Note& n) { AddPluck(out, n, 0.3); }), 0.01f);
    EXPECT_LT(EdgeStep(AddBell), 0.01f);
}

TEST(DemoVoices, ToneVoicesAreShortValidWaveFilesThatSayEverySyllable) {
    const VoiceLine longLine{"a.wav", "ru+f3", "Раз, два, три. Четыре пять шесть семь!"};
    const VoiceLine shortLine{"b.wav", "ru+m3", "Тсс!"};
    for (const VoiceLine& line : {longLine, shortLine}) {
        SCOPED_TRACE(line.text);
        const std::string file = ToneVoiceFile(line);
        const WaveHeader header = ReadCanonicalHeader(file);
        EXPECT_EQ(header.channels, 1u);
        EXPECT_EQ(header.rate, static_cast<uint32_t>(kVoiceRate));
        EXPECT_EQ(header.bits, 8u);
        ASSERT_GT(header.dataBytes, 0u);
        EXPECT_EQ(static_cast<uint8_t>(file[kWaveHeaderBytes]), 128);
        EXPECT_EQ(static_cast<uint8_t>(file[kWaveHeaderBytes + header.dataBytes - 1]), 128);
        int loudest = 0;
        for (size_t i = 0; i < header.dataBytes; ++i) {
            loudest =
                std::max(loudest, std::abs(static_cast<uint8_t>(file[kWaveHeaderBytes + i]) - 128));
        }
        EXPECT_GT(loudest, 60);
    }
    // A line that has no vowel still makes a sound; a longer line takes longer.
    const double shortSeconds = ToneVoice(shortLine).Seconds();
    EXPECT_GT(shortSeconds, 0.1);
    EXPECT_GT(ToneVoice(longLine).Seconds(), shortSeconds + 1.0);
    EXPECT_LT(ToneVoice(longLine).Seconds(), 5.0);
}

TEST(DemoVoices, TheListIsReadStrictly) {
    std::vector<VoiceLine> lines;
    std::string error;
    ASSERT_TRUE(
        ParseVoiceList("# a comment\r\n\r\n anna_01.wav | ru+f3 | Да, это я. \r\n"
                       "boris_01.wav|ru|Text with | a bar",
                       lines, error))
        << error;
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].file, "anna_01.wav");
    EXPECT_EQ(lines[0].voice, "ru+f3");
    EXPECT_EQ(lines[0].text, "Да, это я.");
    EXPECT_EQ(lines[1].text, "Text with | a bar");

    for (const char* bad :
         {"anna.wav|ru", "anna.wav||text", "anna.wav|ru|", "anna.mp3|ru|text", "an na.wav|ru|text",
          "voices/anna.wav|ru|text", "a.wav|ru|one\nA.WAV|ru|two"}) {
        EXPECT_FALSE(ParseVoiceList(bad, lines, error)) << bad;
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace
}  // namespace orvane::demo
