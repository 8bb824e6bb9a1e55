#include "platform/headless_audio.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/files.h"
#include "base/log.h"

namespace orvane {
namespace {

constexpr size_t kMixBlockFrames = 1024;
// A wave file counts its bytes in 32 bits.
constexpr size_t kMaxRecordedBytes = 0xFFFFFFFFu - 64;

// Scaled by 32768 like the 16-bit input, so that a sound played at full volume and at its own
// rate comes out with exactly its own samples.
void AppendSample(std::string& out, float value) {
    const long sample = std::clamp(std::lround(value * 32768.0f), -32768L, 32767L);
    const auto word = static_cast<uint16_t>(static_cast<int16_t>(sample));
    out += static_cast<char>(word & 0xFF);
    out += static_cast<char>(word >> 8);
}

}  // namespace

HeadlessAudioDevice::HeadlessAudioDevice(std::function<uint64_t()> now, int outputRate)
    : now_(std::move(now)), device_(outputRate), startMs_(now_()) {}

void HeadlessAudioDevice::CatchUp() {
    const uint64_t rate = static_cast<uint64_t>(device_.mixer().outputRate());
    const uint64_t elapsed = now_() - startMs_;
    // From the start each time, so that 44.1 frames a millisecond do not drift.
    const uint64_t target = elapsed * rate / 1000;
    if (target <= framesDone_) return;
    uint64_t frames = target - framesDone_;
    framesDone_ = target;
    if (!recording_) {
        device_.mixer().Skip(frames);
        return;
    }
    std::array<float, 2 * kMixBlockFrames> block;
    while (frames > 0) {
        const size_t count = static_cast<size_t>(std::min<uint64_t>(frames, kMixBlockFrames));
        device_.mixer().Mix(block.data(), count);
        frames -= count;
        if (recorded_.size() + 4 * count > kMaxRecordedBytes) {
            if (!recordingFull_) LogWarning("the recorded sound is full; the rest is not kept");
            recordingFull_ = true;
            continue;
        }
        for (size_t i = 0; i < 2 * count; ++i) AppendSample(recorded_, block[i]);
    }
}

bool HeadlessAudioDevice::PlaySystemSound(std::string_view waveBytes, std::string_view label) {
    CatchUp();
    RecordingAudioDevice::PlaySystemSound(waveBytes, label);
    return device_.PlaySystemSound(waveBytes, label);
}

void HeadlessAudioDevice::StopSystemSound() {
    CatchUp();
    RecordingAudioDevice::StopSystemSound();
    device_.StopSystemSound();
}

void HeadlessAudioDevice::SetWaveVolume(uint32_t volumeWord) {
    CatchUp();
    RecordingAudioDevice::SetWaveVolume(volumeWord);
    device_.SetWaveVolume(volumeWord);
}

bool HeadlessAudioDevice::PlayMusic(std::string samples, const PcmFormat& format, int attenuation,
                                    int pan, std::string_view label) {
    CatchUp();
    RecordMusic(samples.size(), format, attenuation, pan, label);
    return device_.PlayMusic(std::move(samples), format, attenuation, pan, label);
}

void HeadlessAudioDevice::StopMusic() {
    CatchUp();
    RecordingAudioDevice::StopMusic();
    device_.StopMusic();
}

void HeadlessAudioDevice::SetMusicAttenuation(int attenuation) {
    CatchUp();
    RecordingAudioDevice::SetMusicAttenuation(attenuation);
    device_.SetMusicAttenuation(attenuation);
}

void HeadlessAudioDevice::StartRecording(const std::filesystem::path& path) {
    CatchUp();
    recording_ = true;
    recordingFull_ = false;
    recordingPath_ = path;
    recorded_.clear();
}

bool HeadlessAudioDevice::StopRecording(std::string& error) {
    if (!recording_) {
        error = "no sound is being recorded";
        return false;
    }
    CatchUp();
    recording_ = false;
    const PcmFormat format{2, device_.mixer().outputRate(), 16};
    AtomicFileWriter writer;
    const bool written =
        writer.Open(recordingPath_, error) &&
        writer.Write(WaveHeader(format, static_cast<uint32_t>(recorded_.size())), error) &&
        writer.Write(recorded_, error) && writer.Commit(error);
    recorded_.clear();
    recorded_.shrink_to_fit();
    return written;
}

bool HeadlessAudioDevice::SystemSoundPlaying() {
    CatchUp();
    return device_.mixer().Playing(MixerVoice::System);
}

bool HeadlessAudioDevice::MusicPlaying() {
    CatchUp();
    return device_.mixer().Playing(MixerVoice::Music);
}

}  // namespace orvane
