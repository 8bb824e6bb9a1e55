// Everything the engine takes from the operating system, behind one interface with two
// backends: SDL for play, headless for tests and tools.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/image.h"
#include "base/wall_time.h"
#include "platform/audio_device.h"
#include "platform/events.h"
#include "platform/timers.h"

namespace orvane {

inline constexpr int kScreenWidth = 1024;
inline constexpr int kScreenHeight = 768;

class Platform {
public:
    virtual ~Platform() = default;

    // Milliseconds on the backend's clock (wall clock or the headless virtual clock).
    virtual uint64_t Now() const = 0;
    // Blocks the engine: the window stays alive, input that arrives meanwhile is dropped and no
    // timer fires, as in the original. The headless clock advances at once.
    virtual void Sleep(int ms) = 0;
    // The local date and time: names save games and seeds the random generator. A backend on a
    // virtual clock gives a virtual one.
    virtual WallTime WallClock() const { return LocalWallTime(); }

    // Opens the 1024 x 768 game window. False when no window can be made.
    virtual bool OpenWindow() = 0;
    // Shows a finished 1024 x 768 frame.
    virtual void Present(const Image& frame) = 0;
    // A message for the player (CP1251 text): a message box, and stderr.
    virtual void ShowMessage(std::string_view cp1251Text) = 0;

    // Runs the event loop until the window is closed (or the event file ends), delivering events
    // and timers to `handler`.
    virtual void Run(EventHandler& handler) = 0;
    // Makes Run return once the event being handled is over; the normal shutdown then runs.
    void RequestQuit() { quitRequested_ = true; }
    bool quitRequested() const { return quitRequested_; }

    // The mouse pointer over the window: `picture` (its T byte the transparency) with the hot
    // spot at (hotX, hotY). A backend may show it only once the window is open.
    virtual void SetCursor(const Image& picture, int hotX, int hotY) = 0;
    // Full screen or a window. F11 switches it too; the handler hears of that through
    // OnFullscreenChanged, so that the choice can be remembered.
    virtual void SetFullscreen(bool on) = 0;
    virtual bool Fullscreen() const = 0;

    TimerSet& timers() { return timers_; }
    const TimerSet& timers() const { return timers_; }
    void SetTimerEnabled(TimerId id, bool enabled) { timers_.SetEnabled(id, enabled, Now()); }
    void SetTimerInterval(TimerId id, int ms) { timers_.SetInterval(id, ms, Now()); }

    virtual AudioDevice& audio() = 0;
    // Frames shown so far.
    uint64_t presents() const { return presents_; }

protected:
    TimerSet timers_;
    uint64_t presents_ = 0;
    bool quitRequested_ = false;
};

}  // namespace orvane
