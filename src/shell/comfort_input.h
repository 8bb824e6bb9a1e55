// What players of visual novels expect of the input besides the original's: Space, Enter and
// Page Down as a click, the wheel, and skipping through the story with Ctrl, Tab or the pad's
// shoulder. Everything here acts through the ordinary click of scene play, so the story sees
// nothing it could not have seen from a quick player.
#pragma once

#include "platform/events.h"
#include "platform/frame_pointer.h"
#include "script/game_state.h"
#include "shell/input_dispatch.h"

namespace orvane {

class ComfortInput {
public:
    // How often skipping turns a page.
    static constexpr int kSkipPageMs = 100;

    ComfortInput(GameState& game, InputDispatch& input) : game_(game), input_(input) {}

    // The window's events pass through here on their way to the input dispatch.
    void MouseDown(MouseButton button, int x, int y);
    void MouseMove(int x, int y);
    void MouseUp(MouseButton button, int x, int y);
    void KeyDown(int key);
    void KeyUp(int key);
    void Wheel(int notches);
    void SkipButton(bool held);
    // The skip timer: one page a tick.
    void SkipTick();

    // Skipping is on (held or switched on), whether or not the screen lets it act just now.
    bool Skipping() const { return ctrlHeld_ || padHeld_ || switchedOn_; }
    // The pointer as the last mouse event left it.
    FramePoint pointer() const { return pointer_; }

private:
    // Scene play, where keys act as clicks and skipping turns pages.
    bool InScene() const { return game_.ScreenMode == 1; }
    void Click();
    void SkipChanged(bool wasSkipping);

    GameState& game_;
    InputDispatch& input_;
    FramePoint pointer_{512, 384};
    bool ctrlHeld_ = false;
    bool padHeld_ = false;
    bool switchedOn_ = false;
    // A held Tab repeats its key-down: only the first press switches.
    bool tabDown_ = false;
};

}  // namespace orvane
