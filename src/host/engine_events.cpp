// The window's events. Input reaches the screens by mode once they exist; until then the
// handlers keep only the guards that every later screen relies on.
#include "host/engine.h"
#include "render/display.h"
#include "script/text_commands.h"

namespace orvane {

void Engine::FormMouseDown(MouseButton button, int x, int y) {
    comforts.MouseDown(button, x, y);
}

void Engine::FormMouseMove(int x, int y) { comforts.MouseMove(x, y); }

void Engine::FormMouseUp(MouseButton button, int x, int y) { comforts.MouseUp(button, x, y); }

void Engine::FormKeyDown(int key) { comforts.KeyDown(key); }

void Engine::OnTimer(TimerId timer) {
    switch (timer) {
        case TimerId::Timer1:
            TypewriterTick(*this);
            break;
        case TimerId::Timer2:
            interpreter.MainTick();
            break;
        case TimerId::Timer3:
            interpreter.CycleTick();
            break;
        case TimerId::Timer4:
            CaretTick(*this);
            break;
        case TimerId::Timer5:
            input.UnlockClicks();
            break;
        case TimerId::MusicTimer:
            sound.MusicTick();
            break;
        case TimerId::NecroTimer1:
            necro.TypingTick();
            break;
        case TimerId::SkipTimer:
            comforts.SkipTick();
            break;
    }
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
