// Wave files: finding the format and the samples of a RIFF image by walking its chunks, and
// writing the plain 44-byte layout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// Uncompressed samples: 8-bit unsigned or 16-bit signed little-endian, channels interleaved.
struct PcmFormat {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;

    // Bytes of one frame (one sample of every channel). The file's own block-align field is not
    // trusted: a wrong one would make the reader step out of the sample grid.
    int BlockAlign() const { return channels * (bitsPerSample / 8); }
    bool operator==(const PcmFormat&) const = default;
};

// The rates a sound may have; far outside this a file is damaged, not exotic.
inline constexpr int kMaxSampleRate = 384000;

// False, with the reason, for a format the mixer does not play: other than 8 or 16 bits, other
// than one or two channels, or a rate of 0 or beyond kMaxSampleRate.
bool CheckPcmFormat(const PcmFormat& format, std::string& error);

struct WaveLayout {
    PcmFormat format;
    size_t dataOffset = 0;  // where the samples start in the image
    size_t dataSize = 0;    // sample bytes that are really there
    std::string warning;    // set when the data chunk claimed more bytes than the image holds
};

// Finds the "fmt " and "data" chunks wherever they are, so that writers that put other chunks
// first (LIST, fact, ...) still play. Refuses, with the reason, an image that is not a playable
// PCM wave or whose chunks run past its end; only the data chunk may be cut short.
bool ParseWave(std::string_view bytes, WaveLayout& layout, std::string& error);

// The canonical header (RIFF, a 16-byte "fmt " chunk, the "data" header) for `dataBytes` of
// samples; the data follows it directly.
std::string WaveHeader(const PcmFormat& format, uint32_t dataBytes);
// A whole file: the header, the samples, and the pad byte an odd-sized chunk needs.
std::string EncodeWave(const PcmFormat& format, std::string_view samples);

}  // namespace orvane
