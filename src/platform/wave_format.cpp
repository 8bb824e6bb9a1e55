#include "platform/wave_format.h"

#include <algorithm>
#include <cstring>

namespace orvane {
namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;
constexpr size_t kExtensibleFormatSize = 40;
// KSDATAFORMAT_SUBTYPE_PCM as it is stored.
constexpr unsigned char kPcmSubFormat[16] = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                             0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

uint16_t U16At(std::string_view bytes, size_t at) {
    const auto b = [&](size_t i) { return static_cast<uint16_t>(static_cast<uint8_t>(bytes[i])); };
    return static_cast<uint16_t>(b(at) | b(at + 1) << 8);
}

uint32_t U32At(std::string_view bytes, size_t at) {
    const uint32_t low = U16At(bytes, at);
    const uint32_t high = U16At(bytes, at + 2);
    return low | high << 16;
}

void PutU16(std::string& out, uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void PutU32(std::string& out, uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

std::string ChunkName(std::string_view id) {
    std::string name;
    for (char c : id) name += (c >= 32 && c < 127) ? c : '?';
    return "\"" + name + "\"";
}

// The format chunk's body, already known to lie inside the image.
bool ReadFormatChunk(std::string_view body, PcmFormat& format, std::string& error) {
    if (body.size() < 16) {
        error = "the format chunk is too short";
        return false;
    }
    uint16_t tag = U16At(body, 0);
    if (tag == kFormatExtensible && body.size() >= kExtensibleFormatSize &&
        std::memcmp(body.data() + 24, kPcmSubFormat, sizeof kPcmSubFormat) == 0) {
        tag = kFormatPcm;
    }
    if (tag != kFormatPcm) {
        error = "the samples are compressed (format " + std::to_string(U16At(body, 0)) +
                "); only PCM is played";
        return false;
    }
    format.channels = U16At(body, 2);
    format.sampleRate = static_cast<int>(std::min<uint32_t>(U32At(body, 4), 0x7FFFFFFF));
    format.bitsPerSample = U16At(body, 14);
    return CheckPcmFormat(format, error);
}

}  // namespace

bool CheckPcmFormat(const PcmFormat& format, std::string& error) {
    if (format.bitsPerSample != 8 && format.bitsPerSample != 16) {
        error = std::to_string(format.bitsPerSample) + "-bit samples; only 8 and 16 are played";
    } else if (format.channels == 0) {
        error = "the format has no channels";
    } else if (format.channels < 0 || format.channels > 2) {
        error = std::to_string(format.channels) + " channels; only mono and stereo are played";
    } else if (format.sampleRate <= 0) {
        error = "the sample rate is 0";
    } else if (format.sampleRate > kMaxSampleRate) {
        error = "the sample rate " + std::to_string(format.sampleRate) + " is out of range";
    } else {
        return true;
    }
    return false;
}

bool ParseWave(std::string_view bytes, WaveLayout& layout, std::string& error) {
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
        error = "not a RIFF wave file";
        return false;
    }
    WaveLayout found;
    bool haveFormat = false;
    bool haveData = false;
    // The RIFF size is often wrong in files that play elsewhere; the image's own end is the limit.
    size_t at = 12;
    while (!(haveFormat && haveData) && bytes.size() - at >= 8) {
        const std::string_view id = bytes.substr(at, 4);
        const uint64_t size = U32At(bytes, at + 4);
        const size_t body = at + 8;
        const size_t available = bytes.size() - body;
        if (id == "data" && !haveData) {
            found.dataOffset = body;
            found.dataSize = static_cast<size_t>(std::min<uint64_t>(size, available));
            if (size > available) {
                found.warning = "the data chunk claims " + std::to_string(size) +
                                " bytes but only " + std::to_string(available) +
                                " are there; playing those";
            }
            haveData = true;
        } else if (size > available) {
            error = "the " + ChunkName(id) + " chunk runs past the end of the file";
            return false;
        } else if (id == "fmt " && !haveFormat) {
            if (!ReadFormatChunk(bytes.substr(body, size), found.format, error)) return false;
            haveFormat = true;
        }
        // Chunks are padded to an even size.
        const uint64_t next = body + size + (size & 1);
        if (next >= bytes.size()) break;
        at = static_cast<size_t>(next);
    }
    if (!haveFormat) {
        error = "the file has no format chunk";
        return false;
    }
    if (!haveData) {
        error = "the file has no data chunk";
        return false;
    }
    layout = std::move(found);
    return true;
}

std::string WaveHeader(const PcmFormat& format, uint32_t dataBytes) {
    const uint32_t blockAlign = static_cast<uint32_t>(format.BlockAlign());
    const uint32_t rate = static_cast<uint32_t>(format.sampleRate);
    std::string out = "RIFF";
    PutU32(out, 36 + dataBytes + (dataBytes & 1));
    out += "WAVEfmt ";
    PutU32(out, 16);
    PutU16(out, kFormatPcm);
    PutU16(out, static_cast<uint32_t>(format.channels));
    PutU32(out, rate);
    PutU32(out, rate * blockAlign);
    PutU16(out, blockAlign);
    PutU16(out, static_cast<uint32_t>(format.bitsPerSample));
    out += "data";
    PutU32(out, dataBytes);
    return out;
}

std::string EncodeWave(const PcmFormat& format, std::string_view samples) {
    std::string out = WaveHeader(format, static_cast<uint32_t>(samples.size()));
    out += samples;
    if (samples.size() & 1) out += '\0';
    return out;
}

}  // namespace orvane
