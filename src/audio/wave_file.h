// A music track read through a read-only memory map, so that a long track is not first read
// through a buffer of ours. Its chunks are found by walking them (platform/wave_format.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/wave_format.h"

namespace orvane {

class WaveFile {
public:
    WaveFile() = default;
    ~WaveFile() { Close(); }
    WaveFile(const WaveFile&) = delete;
    WaveFile& operator=(const WaveFile&) = delete;

    // Maps the whole file and finds its samples; any failure returns false with the reason and
    // leaves nothing open. A data chunk cut short opens, with warning() saying so.
    bool Open(const std::filesystem::path& path, std::string& error);
    void Close();
    bool isOpen() const { return view_ != nullptr; }

    // Back to the first sample.
    void Rewind() { position_ = 0; }
    // Copies up to `length` bytes from the read position and advances it; the rest of `dest` is
    // filled with silence (128 for 8-bit samples, 0 otherwise). Returns the bytes copied: 0 at
    // the end of the data or when nothing is open.
    size_t Read(uint8_t* dest, size_t length);
    // The sample bytes, or 0 when nothing is open.
    size_t DataSize() const { return view_ ? layout_.dataSize : 0; }

    const PcmFormat& format() const { return layout_.format; }
    const std::string& warning() const { return layout_.warning; }

private:
    const uint8_t* view_ = nullptr;
    size_t viewSize_ = 0;
    WaveLayout layout_;
    size_t position_ = 0;  // bytes into the data
};

// How long `dataBytes` of samples play, in whole milliseconds rounded up, so that a timer of
// this length never cuts the end off. Whole frames only; at most INT_MAX.
int TrackLengthMs(const PcmFormat& format, size_t dataBytes);

}  // namespace orvane
