// The play backend: an SDL window that shows the 1024 x 768 frame letterboxed at any window
// size, the wall clock, and the event loop that drives the engine.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "base/image.h"
#include "platform/audio_device.h"
#include "platform/display_settings.h"
#include "platform/events.h"
#include "platform/platform.h"
#include "platform/sdl_audio_device.h"

namespace orvane {

class SdlPlatform : public Platform {
public:
    explicit SdlPlatform(DisplaySettings display = {});
    ~SdlPlatform() override;
    SdlPlatform(const SdlPlatform&) = delete;
    SdlPlatform& operator=(const SdlPlatform&) = delete;

    uint64_t Now() const override;
    void Sleep(int ms) override;

    bool OpenWindow() override;
    void Present(const Image& frame) override;
    void ShowMessage(std::string_view cp1251Text) override;

    // Returns when the window is closed or the process is asked to end (SIGTERM, SIGINT).
    void Run(EventHandler& handler) override;

    AudioDevice& audio() override { return audio_; }
    void SetCursor(const Image& picture, int hotX, int hotY) override;
    void SetFullscreen(bool on) override;
    bool Fullscreen() const override;

private:
    // The SDL objects and the window state, defined where SDL may be included.
    struct Sdl;

    bool Quitting() const;
    void FireDueTimers(EventHandler& handler);
    int MillisecondsToNextTimer() const;

    std::unique_ptr<Sdl> sdl_;
    SdlAudioDevice audio_;
};

}  // namespace orvane
