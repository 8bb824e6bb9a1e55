// What the window delivers to the engine: the handlers of the original main window.
#pragma once

#include <string>

namespace orvane {

enum class MouseButton { Left, Right, Middle };

// The seven window timers of the engine, and the pace of skipping through the story.
enum class TimerId { Timer1, Timer2, Timer3, Timer4, Timer5, NecroTimer1, MusicTimer, SkipTimer };
inline constexpr int kTimerCount = 8;

class EventHandler {
public:
    virtual ~EventHandler() = default;
    virtual void FormMouseDown(MouseButton button, int x, int y) = 0;
    virtual void FormMouseMove(int x, int y) = 0;
    virtual void FormMouseUp(MouseButton button, int x, int y) = 0;
    // `key` is a Windows virtual-key code (see keycodes.h).
    virtual void FormKeyDown(int key) = 0;
    // A key let go. The original heard no such event; only the player's comforts listen.
    virtual void FormKeyUp(int) {}
    // The mouse wheel turned by `notches`, positive towards the player.
    virtual void OnWheel(int) {}
    // The controller's skip button pressed (true) or let go.
    virtual void OnSkipButton(bool) {}
    virtual void OnTimer(TimerId timer) = 0;
    // The window needs its picture again (exposed, resized).
    virtual void FormPaint() = 0;
    virtual void OnMinimize() = 0;
    virtual void OnRestore() = 0;
    // The player switched full screen on or off by the window's own key (F11).
    virtual void OnFullscreenChanged(bool) {}
    // Writes the state dump of the headless driver.
    virtual bool WriteStateDump(const std::string& path) = 0;
};

}  // namespace orvane
