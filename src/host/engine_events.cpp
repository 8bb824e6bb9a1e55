// The window's events. Input reaches the screens by mode once they exist; until then the
// handlers keep only the guards that every later screen relies on.
#include "host/engine.h"
#include "render/display.h"

namespace orvane {

void Engine::FormMouseDown(MouseButton, int, int) {
    if (Suspended || Animating) return;
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

void Engine::OnTimer(TimerId) {
    if (Suspended) return;
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
