// The play backend's sound: the mixer pulled by SDL's audio thread from the default output
// device, at that device's own rate.
#pragma once

#include <cstdint>

#include "platform/mixing_audio_device.h"

namespace orvane {

class SdlAudioDevice : public MixingAudioDevice {
public:
    SdlAudioDevice() = default;
    ~SdlAudioDevice() override;
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    // Opens the device; call it before anything plays, as sounds made for another rate stop.
    // Without a device the game plays on silently: the reason is reported once, and later calls
    // do not try again.
    bool Start() override;
    void Stop() override;

    bool opened() const { return device_ != 0; }

private:
    uint32_t device_ = 0;  // SDL_AudioDeviceID
    bool failed_ = false;
};

}  // namespace orvane
