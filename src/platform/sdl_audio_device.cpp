#include "platform/sdl_audio_device.h"

#include <SDL.h>

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
    if (failed_) return false;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        LogError(std::string("no sound: cannot start SDL audio: ") + SDL_GetError());
        failed_ = true;
        return false;
    }
    // The device's own rate, so that the sound server does not resample our output once more.
    int rate = kDefaultOutputRate;
    SDL_AudioSpec preferred{};
    if (SDL_GetDefaultAudioInfo(nullptr, &preferred, 0) == 0 && preferred.freq > 0 &&
        preferred.freq <= kMaxSampleRate) {
        rate = preferred.freq;
    }
    SDL_AudioSpec desired{};
    desired.freq = rate;
    desired.format = AUDIO_F32SYS;
    desired.channels = 2;
    desired.samples = BufferFrames(rate);
    desired.callback = FillBuffer;
    desired.userdata = &mixer();
    SDL_AudioSpec obtained{};
    device_ =
        SDL_OpenAudioDevice(nullptr, 0, &desired, &obtained,
                            SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_SAMPLES_CHANGE);
    if (device_ == 0 || obtained.freq <= 0 || obtained.freq > kMaxSampleRate) {
        LogError(std::string("no sound: cannot open the audio device: ") + SDL_GetError());
        if (device_ != 0) SDL_CloseAudioDevice(device_);
        device_ = 0;
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        failed_ = true;
        return false;
    }
    if (obtained.freq != mixer().outputRate()) mixer().SetOutputRate(obtained.freq);
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SdlAudioDevice::Stop() {
    if (device_ == 0) return;
    // Waits for the audio thread to leave the mixer.
    SDL_CloseAudioDevice(device_);
    device_ = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace orvane
