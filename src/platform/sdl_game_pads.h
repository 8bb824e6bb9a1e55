// Game controllers through SDL's controller interface: opened as they are plugged in, their
// buttons and sticks handed to the GamePad that turns them into the engine's events.
#pragma once

#include <SDL.h>

#include <vector>

#include "platform/events.h"
#include "platform/game_pad.h"

namespace orvane {

class SdlGamePads {
public:
    SdlGamePads() = default;
    SdlGamePads(const SdlGamePads&) = delete;
    SdlGamePads& operator=(const SdlGamePads&) = delete;
    ~SdlGamePads() { Stop(); }

    // A machine without controller support plays on with mouse and keyboard.
    void Start();
    void Stop();
    // Plugging in and out, which is heard even while the engine sleeps; false for any other.
    bool Plug(const SDL_Event& event);
    // True once after a controller went away: its skip button counts as let go.
    bool TakeUnplugged();
    // Buttons and sticks; false for any other event.
    bool Deliver(const SDL_Event& event, EventHandler& handler);

    GamePad pad;

private:
    void Open(int deviceIndex);

    bool started_ = false;
    bool unplugged_ = false;
    std::vector<SDL_GameController*> controllers_;
};

}  // namespace orvane
