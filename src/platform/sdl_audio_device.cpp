#include "platform/sdl_audio_device.h"

#include <SDL.h>

#include <algorithm>
#include <string>

#include "base/log.h"

namespace orvane {
namespace {

// About 20 ms a buffer: short enough that a voice starts with its line of text, long enough
// that a busy desktop does not starve the device.
constexpr int kBuffersPerSecond = 50;

void SDLCALL FillBuffer(void* userData, Uint8* stream, int length) {
    // The format is float stereo: SDL converts for the hardware, as no format change was allowed.
    auto* mixer = static_cast<AudioMixer*>(userData);
    mixer->Mix(reinterpret_cast<float*>(stream), static_cast<size_t>(length) / (2 * sizeof(float)));
}

Uint16 BufferFrames(int rate) {
    Uint16 frames = 256;
    while (frames < 8192 && frames * kBuffersPerSecond < rate)
        frames = static_cast<Uint16>(frames * 2);
    return frames;
}

}  // namespace

SdlAudioDevice::~SdlAudioDevice() {
    Stop();
}

bool SdlAudioDevice::Start() {
    if (device_ != 0) return true;
    if (failed_ || waitingForDevice_) return false;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        LogError(std::string("no sound: cannot start SDL audio: ") + SDL_GetError());
        failed_ = true;
        return false;
    }
    audioStarted_ = true;
    if (!Open(false)) {
        // SDL stays up so that it tells us when a device is plugged in; trying on a timer
        // instead would have the sound library complain on stderr every time.
        LogError(std::string("no sound: cannot open the audio device: ") + SDL_GetError() +
                 "; the game plays on silently and takes a device when one is plugged in");
        waitingForDevice_ = true;
        return false;
    }
    return true;
}

bool SdlAudioDevice::Open(bool keepRate) {
    // The device's own rate, so that the sound server does not resample our output once more;
    // once sounds play, the rate they were made for, so that they play on.
    int rate = keepRate ? mixer().outputRate() : kDefaultOutputRate;
    SDL_AudioSpec preferred{};
    if (!keepRate && SDL_GetDefaultAudioInfo(nullptr, &preferred, 0) == 0 && preferred.freq > 0 &&
        preferred.freq <= kMaxSampleRate) {
        rate = preferred.freq;
    }
    SDL_AudioSpec desired{};
    desired.freq = rate;
    desired.format = AUDIO_F32SYS;
    desired.channels = 2;
    desired.samples = bufferFrames_ > 0 ? static_cast<Uint16>(bufferFrames_) : BufferFrames(rate);
    desired.callback = FillBuffer;
    desired.userdata = &mixer();
    SDL_AudioSpec obtained{};
    const int changes = (keepRate ? 0 : SDL_AUDIO_ALLOW_FREQUENCY_CHANGE) |
                        (bufferFrames_ > 0 ? 0 : SDL_AUDIO_ALLOW_SAMPLES_CHANGE);
    device_ = SDL_OpenAudioDevice(nullptr, 0, &desired, &obtained, changes);
    if (device_ == 0 || obtained.freq <= 0 || obtained.freq > kMaxSampleRate) {
        if (device_ != 0) SDL_CloseAudioDevice(device_);
        device_ = 0;
        return false;
    }
    if (obtained.freq != mixer().outputRate()) mixer().SetOutputRate(obtained.freq);
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SdlAudioDevice::DeviceAdded(bool capture, uint64_t now) {
    if (capture || device_ != 0 || !(waitingForDevice_ || reopenAt_)) return;
    reopenAt_ = now;
}

void SdlAudioDevice::DeviceRemoved(uint32_t which, bool capture, uint64_t now) {
    if (capture || device_ == 0 || which != device_) return;
    LogWarning("the sound device went away: the game plays on silently until one comes back");
    SDL_CloseAudioDevice(device_);
    device_ = 0;
    reopenAt_ = now;
    reopenIntervalMs_ = kReopenIntervalMs;
}

void SdlAudioDevice::ReopenIfDue(uint64_t now) {
    if (!reopenAt_ || now < *reopenAt_) return;
    // Sounds already decoded were made for the mixer's rate: the device is asked for it.
    if (Open(true)) {
        if (waitingForDevice_) LogError("a sound device was plugged in: the game plays with sound");
        waitingForDevice_ = false;
        reopenAt_.reset();
        return;
    }
    if (waitingForDevice_) {
        // A device never found waits for the next one plugged in.
        reopenAt_.reset();
        return;
    }
    // A lost device is also looked for on a timer, as the default output moving elsewhere may
    // bring no event. The timer slows down, as every failed try has the sound library complain
    // on stderr; a device plugged in is still tried at once.
    reopenAt_ = now + reopenIntervalMs_;
    reopenIntervalMs_ = std::min(reopenIntervalMs_ * 2, kMaxReopenIntervalMs);
}

int SdlAudioDevice::MillisecondsToReopen(uint64_t now) const {
    if (!reopenAt_) return -1;
    return *reopenAt_ <= now ? 0 : static_cast<int>(*reopenAt_ - now);
}

void SdlAudioDevice::Stop() {
    reopenAt_.reset();
    // Waits for the audio thread to leave the mixer.
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    device_ = 0;
    waitingForDevice_ = false;
    if (audioStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    audioStarted_ = false;
}

}  // namespace orvane
