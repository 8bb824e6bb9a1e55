// The play backend's sound: the mixer pulled by SDL's audio thread from the default output
// device, at that device's own rate.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/mixing_audio_device.h"

namespace orvane {

class SdlAudioDevice : public MixingAudioDevice {
public:
    SdlAudioDevice() = default;
    ~SdlAudioDevice() override;
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    // Opens the device; call it before anything plays, as sounds made for another rate stop.
    // Without a device the game plays on silently: the reason is reported once and later calls
    // return false at once. When SDL's audio started but no device opened, the next device
    // plugged in (DeviceAdded) is taken.
    bool Start() override;
    void Stop() override;

    bool opened() const { return device_ != 0; }
    uint32_t id() const { return device_; }

    // Frames per buffer; 0 chooses about 20 ms at the device's rate. Takes effect at the next open.
    void SetBufferFrames(int frames) { bufferFrames_ = frames; }

    // SDL_AUDIODEVICEREMOVED: when it is our device, it is closed and the default device is
    // tried again at once, then after kReopenIntervalMs, twice that, and so on up to
    // kMaxReopenIntervalMs, the game playing on silently meanwhile.
    void DeviceRemoved(uint32_t which, bool capture, uint64_t now);
    // SDL_AUDIODEVICEADDED: opens the default device at once when there is none open.
    void DeviceAdded(bool capture, uint64_t now);
    void ReopenIfDue(uint64_t now);
    // -1 when no reopening is pending.
    int MillisecondsToReopen(uint64_t now) const;

    static constexpr int kReopenIntervalMs = 2000;
    static constexpr int kMaxReopenIntervalMs = 60000;

private:
    bool Open(bool keepRate);

    uint32_t device_ = 0;  // SDL_AudioDeviceID
    bool failed_ = false;            // SDL's audio did not start: no sound this session
    bool waitingForDevice_ = false;  // no device opened at the start
    bool audioStarted_ = false;      // this device holds a start of SDL's audio subsystem
    int bufferFrames_ = 0;
    std::optional<uint64_t> reopenAt_;
    int reopenIntervalMs_ = kReopenIntervalMs;
};

}  // namespace orvane
