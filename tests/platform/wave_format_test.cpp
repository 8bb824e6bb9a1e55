#include <gtest/gtest.h>

#include <memory>

#include "platform/mixing_audio_device.h"
#include "platform/wave_format.h"
#include "test_waves.h"

namespace orvane {
namespace {

std::string U16(unsigned v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}
std::string U32(uint32_t v) {
    return U16(v & 0xFFFF) + U16(v >> 16);
}

std::string Chunk(std::string_view id, std::string_view body) {
    std::string out = std::string(id) + U32(static_cast<uint32_t>(body.size())) + std::string(body);
    if (body.size() & 1) out += '\0';
    return out;
}

std::string FormatBody(unsigned tag, unsigned channels, uint32_t rate, unsigned bits) {
    const unsigned align = channels * bits / 8;
    return U16(tag) + U16(channels) + U32(rate) + U32(rate * align) + U16(align) + U16(bits);
}

std::string Riff(const std::string& chunks) {
    return "RIFF" + U32(static_cast<uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}

uint32_t ReadU32(const std::string& bytes, size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(bytes[at + i]);
    return v;
}

std::string Samples(const std::string& file, const WaveLayout& layout) {
    return file.substr(layout.dataOffset, layout.dataSize);
}

TEST(WaveChunks, CanonicalFileGivesWhatTheFixedOffsetsGive) {
    for (const PcmFormat format : {PcmFormat{1, 22050, 8}, PcmFormat{2, 44100, 16},
                                   PcmFormat{1, 11025, 16}, PcmFormat{2, 8000, 8}}) {
        const std::string pcm = testing::TonePcm(format, 440, 0.7, 0.01);
        const std::string file =
            Riff(Chunk("fmt ", FormatBody(1, static_cast<unsigned>(format.channels),
                                          static_cast<uint32_t>(format.sampleRate),
                                          static_cast<unsigned>(format.bitsPerSample))) +
                 Chunk("data", pcm));
        ASSERT_EQ(file.size(), 44 + pcm.size() + (pcm.size() & 1));
        // Our writer makes exactly this layout.
        EXPECT_EQ(EncodeWave(format, pcm), file);

        WaveLayout layout;
        std::string error;
        ASSERT_TRUE(ParseWave(file, layout, error)) << error;
        EXPECT_EQ(layout.dataOffset, 44u);
        EXPECT_EQ(layout.dataSize, ReadU32(file, 40));
        EXPECT_EQ(layout.format.channels, static_cast<uint8_t>(file[22]));
        EXPECT_EQ(layout.format.sampleRate, static_cast<int>(ReadU32(file, 24)));
        EXPECT_EQ(layout.format.bitsPerSample, static_cast<uint8_t>(file[34]));
        EXPECT_EQ(Samples(file, layout), file.substr(44, ReadU32(file, 40)));
        EXPECT_TRUE(layout.warning.empty());
    }
}

TEST(WaveChunks, FindsChunksWhereverTheWriterPutThem) {
    const PcmFormat format{1, 22050, 8};
    const std::string pcm = testing::TonePcm(format, 1000, 0.5, 0.001) + "x";  // odd: padded
    ASSERT_EQ(pcm.size() % 2, 1u);
    const std::string fmt = Chunk("fmt ", FormatBody(1, 1, 22050, 8) + U16(0));  // 18-byte form
    const std::string list = Chunk("LIST", "INFOa");                             // 5 + pad byte
    const std::string fact = Chunk("fact", U32(static_cast<uint32_t>(pcm.size())));

    for (const std::string& file :
         {Riff(list + fmt + fact + Chunk("data", pcm)), Riff(Chunk("data", pcm) + list + fmt),
          Riff(fmt + Chunk("data", pcm) + list)}) {
        WaveLayout layout;
        std::string error;
        ASSERT_TRUE(ParseWave(file, layout, error)) << error;
        EXPECT_EQ(layout.format, format);
        EXPECT_EQ(Samples(file, layout), pcm);
    }
    // A wrong RIFF size, as some writers leave it, does not matter: the file's end is the limit.
    std::string wrongSize = Riff(list + fmt + Chunk("data", pcm));
    wrongSize.replace(4, 4, U32(12));
    WaveLayout layout;
    std::string error;
    ASSERT_TRUE(ParseWave(wrongSize, layout, error)) << error;
    EXPECT_EQ(Samples(wrongSize, layout), pcm);

    // PCM in the extensible format record plays; anything else in it does not.
    const std::string pcmGuid("\x01\x00\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71",
                              16);
    std::string extensible = FormatBody(0xFFFE, 2, 48000, 16) + U16(22) + U16(16) + U32(3);
    ASSERT_TRUE(
        ParseWave(Riff(Chunk("fmt ", extensible + pcmGuid) + Chunk("data", "abcd")), layout, error))
        << error;
    EXPECT_EQ(layout.format, (PcmFormat{2, 48000, 16}));
    std::string floatGuid = pcmGuid;
    floatGuid[0] = 3;
    EXPECT_FALSE(ParseWave(Riff(Chunk("fmt ", extensible + floatGuid) + Chunk("data", "abcd")),
                           layout, error));
}

TEST(WaveChunks, RefusesWhatItCannotPlayAndSaysWhy) {
    const std::string data = Chunk("data", "abcd");
    const std::string fmt = Chunk("fmt ", FormatBody(1, 2, 44100, 16));
    const struct {
        std::string file;
        const char* reason;
    } cases[] = {
        {"", "not a RIFF wave"},
        {std::string("RIFF\x04\0\0\0WAVX", 12), "not a RIFF wave"},
        {Riff(Chunk("fmt ", FormatBody(2, 2, 44100, 4)) + data), "compressed"},
        {Riff(Chunk("fmt ", FormatBody(1, 2, 44100, 24)) + data), "24-bit"},
        {Riff(Chunk("fmt ", FormatBody(1, 0, 44100, 16)) + data), "no channels"},
        {Riff(Chunk("fmt ", FormatBody(1, 6, 44100, 16)) + data), "6 channels"},
        {Riff(Chunk("fmt ", FormatBody(1, 2, 0, 16)) + data), "rate is 0"},
        {Riff(Chunk("fmt ", FormatBody(1, 2, 4000000, 16)) + data), "out of range"},
        {Riff(Chunk("fmt ", "short") + data), "too short"},
        {Riff(data), "no format chunk"},
        {Riff(fmt), "no data chunk"},
        {Riff(fmt + "LIST" + U32(1000) + "abc" + data), "\"LIST\" chunk runs past"},
        {Riff(std::string("fmt ") + U32(0xFFFFFFFF) + FormatBody(1, 2, 44100, 16) + data),
         "\"fmt \" chunk runs past"},
    };
    for (const auto& c : cases) {
        WaveLayout layout;
        std::string error;
        EXPECT_FALSE(ParseWave(c.file, layout, error)) << c.reason;
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    }
}

TEST(WaveChunks, DataRunningPastTheEndIsCutWithAWarning) {
    std::string file = Riff(Chunk("fmt ", FormatBody(1, 2, 44100, 16)) + Chunk("data", "abcdef"));
    file.replace(40, 4, U32(0xFFFFFFFF));  // as a writer that never finished leaves it
    WaveLayout layout;
    std::string error;
    ASSERT_TRUE(ParseWave(file, layout, error)) << error;
    EXPECT_EQ(Samples(file, layout), "abcdef");
    EXPECT_NE(layout.warning.find("only 6"), std::string::npos) << layout.warning;
}

// Every prefix of a file and every single-byte corruption of it is refused or read within the
// bytes that are there; each accepted one is played to its end. Copies of exactly the right
// size let AddressSanitizer see any read past the end.
TEST(WaveChunks, TruncatedAndDamagedFilesAreRefusedOrReadWithinTheirBytes) {
    const PcmFormat format{2, 22050, 16};
    const std::string good =
        Riff(Chunk("LIST", "INFOx") + Chunk("fmt ", FormatBody(1, 2, 22050, 16)) +
             Chunk("data", testing::TonePcm(format, 1000, 0.5, 0.002)) + Chunk("junk", "z"));
    MixingAudioDevice device(48000);
    std::vector<float> out(2 * 256);
    int accepted = 0;
    const auto check = [&](const std::string& bytes) {
        auto copy = std::make_unique<char[]>(std::max<size_t>(bytes.size(), 1));
        std::copy(bytes.begin(), bytes.end(), copy.get());
        const std::string_view image(copy.get(), bytes.size());
        WaveLayout layout;
        std::string error;
        if (!ParseWave(image, layout, error)) {
            EXPECT_FALSE(error.empty());
            return;
        }
        ++accepted;
        EXPECT_LE(layout.dataOffset + layout.dataSize, bytes.size());
        EXPECT_TRUE(CheckPcmFormat(layout.format, error)) << error;
        ASSERT_TRUE(device.PlaySystemSound(image, "test"));
        for (int i = 0; i < 64 && device.mixer().Playing(MixerVoice::System); ++i) {
            device.mixer().Mix(out.data(), 256);
        }
    };
    ::testing::internal::CaptureStderr();
    for (size_t length = 0; length <= good.size(); ++length) check(good.substr(0, length));
    for (size_t at = 0; at < good.size(); ++at) {
        for (const char value : {'\0', '\x01', '\x7F', '\x80', '\xFF'}) {
            std::string damaged = good;
            damaged[at] = value;
            check(damaged);
        }
    }
    ::testing::internal::GetCapturedStderr();
    EXPECT_GT(accepted, 100);  // the walk really reached the samples in most of them
}

}  // namespace
}  // namespace orvane
