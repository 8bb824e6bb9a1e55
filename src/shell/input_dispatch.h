// Input by screen mode: each of the four handlers tests ScreenMode afresh, in a fixed order,
// and hands the event to the screen that owns the mode. Scene input (mode 1), name entry and
// the keys that work everywhere are handled here.
#pragma once

#include "platform/events.h"
#include "script/game_state.h"
#include "script/interpreter.h"
#include "shell/screen_hooks.h"

namespace orvane {

class InputDispatch {
public:
    InputDispatch(GameState& game, Interpreter& interpreter, ScreenHooks& screens)
        : game_(game), interpreter_(interpreter), screens_(screens) {}

    void MouseDown(MouseButton button, int x, int y);
    void MouseMove(int x, int y);
    void MouseUp(MouseButton button, int x, int y);
    void KeyDown(int key);

    // Drops mouse-down events for 750 ms (page turns and loading must not be clicked twice).
    void LockClicks();
    // Timer5: the lock is over.
    void UnlockClicks();

    // The screens of every mode, for the shell's steps that open or return to one of them.
    ScreenHooks& screens() { return screens_; }

private:
    void SceneClick();
    void RepaintTextPanel();
    void NameEntryKey(int key);
    void ScrollStage(int key);

    GameState& game_;
    Interpreter& interpreter_;
    ScreenHooks& screens_;
};

// The Russian letter (CP1251, upper case) that a key gives on the name-entry screen; 0 for none.
char NameEntryLetter(int key);

}  // namespace orvane
