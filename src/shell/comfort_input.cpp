#include "shell/comfort_input.h"

#include "platform/keycodes.h"

namespace orvane {

void ComfortInput::MouseDown(MouseButton button, int x, int y) {
    pointer_ = {x, y};
    input_.MouseDown(button, x, y);
}

void ComfortInput::MouseMove(int x, int y) {
    pointer_ = {x, y};
    input_.MouseMove(x, y);
}

void ComfortInput::MouseUp(MouseButton button, int x, int y) {
    pointer_ = {x, y};
    input_.MouseUp(button, x, y);
}

void ComfortInput::Click() {
    // A click like the player's own, at the pointer: the guards, click locks and "click=no"
    // of scene play all apply.
    input_.MouseDown(MouseButton::Left, pointer_.x, pointer_.y);
    input_.MouseUp(MouseButton::Left, pointer_.x, pointer_.y);
}

void ComfortInput::KeyDown(int key) {
    // The original never acted on Alt itself: it came with Alt held, which it ignored.
    if (key == vk::Alt) return;
    if (InScene() && !game_.Suspended &&
        (key == vk::Space || key == vk::Return || key == vk::PageDown)) {
        return Click();
    }
    const bool wasSkipping = Skipping();
    if (key == vk::Control) ctrlHeld_ = true;
    if (key == vk::Tab && !tabDown_ && InScene() && !game_.Suspended) switchedOn_ = !switchedOn_;
    if (key == vk::Tab) tabDown_ = true;
    // Ctrl and Tab reach the original's handler as they did there, where they did nothing.
    input_.KeyDown(key);
    SkipChanged(wasSkipping);
}

void ComfortInput::KeyUp(int key) {
    const bool wasSkipping = Skipping();
    if (key == vk::Control) ctrlHeld_ = false;
    if (key == vk::Tab) tabDown_ = false;
    SkipChanged(wasSkipping);
}

void ComfortInput::Wheel(int notches) {
    // Down is a click; up has nothing to go back to.
    if (notches > 0 && InScene() && !game_.Suspended) Click();
}

void ComfortInput::SkipButton(bool held) {
    const bool wasSkipping = Skipping();
    padHeld_ = held;
    SkipChanged(wasSkipping);
}

void ComfortInput::SkipChanged(bool wasSkipping) {
    if (Skipping() == wasSkipping) return;
    game_.platform.SetTimerInterval(TimerId::SkipTimer, kSkipPageMs);
    game_.platform.SetTimerEnabled(TimerId::SkipTimer, Skipping());
    // The page on screen goes at once; the rest follow at the timer's pace.
    if (Skipping()) SkipTick();
}

void ComfortInput::SkipTick() {
    if (!Skipping()) {
        game_.platform.SetTimerEnabled(TimerId::SkipTimer, false);
        return;
    }
    if (game_.Suspended) return;
    if (!InScene()) {
        // A menu, a choice, name entry, the journal or a game wants the player: skipping
        // switched on stops here; held, it waits for the scene to come back.
        switchedOn_ = false;
        if (!Skipping()) game_.platform.SetTimerEnabled(TimerId::SkipTimer, false);
        return;
    }
    const bool wasTyping = game_.platform.timers().Enabled(TimerId::Timer1);
    Click();
    // A page that the click began is finished at once, so that each tick shows a whole page.
    if (!wasTyping && InScene() && !game_.text.ShownText.empty() &&
        game_.platform.timers().Enabled(TimerId::Timer1)) {
        Click();
    }
}

}  // namespace orvane
