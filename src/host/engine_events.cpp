// The window's events. Input reaches the screens by mode once they exist; until then the
// handlers keep only the guards that every later screen relies on.
#include "host/engine.h"
#include "render/display.h"

namespace orvane {

void Engine::FormMouseDown(MouseButton, int, int) {
    if (Suspended || Animating) return;
    if (Paused) {
        Paused = false;
        interpreter.RunScript();
        return;
    }
    if (ScreenMode == 1) {
        // No text is shown yet, so a click continues the script.
        if (stage.Cycles.empty()) ComposeFrame(*this);
        interpreter.RunScript();
    }
}

void Engine::FormMouseMove(int, int) {
    if (Suspended) return;
}

void Engine::FormMouseUp(MouseButton, int, int) {
    if (Suspended) return;
}

void Engine::FormKeyDown(int) {
    if (Suspended) return;
}

void Engine::OnTimer(TimerId timer) {
    if (Suspended) return;
    if (timer == TimerId::Timer2) interpreter.MainTick();
    if (timer == TimerId::Timer3) interpreter.CycleTick();
}

void Engine::FormPaint() {
    if (Suspended) return;
    Present(slots, platform);
}

void Engine::OnMinimize() {
    // The original also froze for two seconds here; nothing depends on that pause.
    Suspended = true;
}

void Engine::OnRestore() {
    RestoreSurfaces(slots, pictures, platform, ScreenMode);
    Suspended = false;
}

}  // namespace orvane
