// The WAV reader: a voice or effect from memory, and a music track through the memory-mapped
// reader, each played a little through the mixer, whose output must stay within full scale.
#include <cmath>
#include <cstdlib>
#include <string>

#include "audio/wave_file.h"
#include "input_parts.h"
#include "platform/mixing_audio_device.h"
#include "scratch_folder.h"

namespace {

constexpr size_t kMixFrames = 512;
constexpr size_t kReadChunk = 4096;

void MixAndCheck(orvane::MixingAudioDevice& device) {
    float out[2 * kMixFrames];
    device.mixer().Mix(out, kMixFrames);
    for (float sample : out) {
        if (!(std::fabs(sample) <= 1.0f)) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace orvane;
    const std::string_view bytes = fuzz::Bytes(data, size);
    MixingAudioDevice device;
    device.PlaySystemSound(bytes, "fuzz.wav");
    MixAndCheck(device);

    WaveFile file;
    std::string error;
    if (!file.Open(fuzz::WriteScratchFile("fuzz.wav", bytes), error)) return 0;
    const PcmFormat format = file.format();
    TrackLengthMs(format, file.DataSize());
    // Read as the music does, in pieces whose ends fall anywhere in a frame.
    std::string samples;
    uint8_t chunk[kReadChunk];
    while (samples.size() < file.DataSize()) {
        const size_t got = file.Read(chunk, kReadChunk - samples.size() % 3);
        if (got == 0) std::abort();  // the data claims more bytes than it gives
        samples.append(reinterpret_cast<const char*>(chunk), got);
    }
    if (file.Read(chunk, 1) != 0) std::abort();
    file.Close();
    device.PlayMusic(std::move(samples), format, -1000, 0, "fuzz.wav");
    MixAndCheck(device);
    return 0;
}
