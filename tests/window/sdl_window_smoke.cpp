// Opens the real window and shows one frame of a colour a screen probe can find, then runs the
// event loop until the process is told to end. The colour appears only after a timer fired and
// a Sleep returned, so the probe finding it means the loop works, not only the drawing.
#include <algorithm>
#include <cstdio>
#include <string>

#include "base/image.h"
#include "platform/sdl_platform.h"

namespace {

using namespace orvane;

// T is set on purpose: the window must ignore it.
constexpr uint32_t kColour = MakePixel(200, 40, 160, 0x80);

class SmokeHandler : public EventHandler {
public:
    explicit SmokeHandler(SdlPlatform& platform) : platform_(platform) {}

    bool showedColour() const { return showedColour_; }

    void OnTimer(TimerId timer) override {
        platform_.SetTimerEnabled(timer, false);
        platform_.Sleep(100);
        std::fill(frame_.pixels.begin(), frame_.pixels.end(), kColour);
        platform_.Present(frame_);
        showedColour_ = true;
    }
    void FormPaint() override { platform_.Present(frame_); }

    void FormMouseDown(MouseButton, int, int) override {}
    void FormMouseMove(int, int) override {}
    void FormMouseUp(MouseButton, int, int) override {}
    void FormKeyDown(int) override {}
    void OnMinimize() override {}
    void OnRestore() override {}
    bool WriteStateDump(const std::string&) override { return false; }

private:
    SdlPlatform& platform_;
    Image frame_{kScreenWidth, kScreenHeight};
    bool showedColour_ = false;
};

}  // namespace

int main() {
    SdlPlatform platform;
    if (!platform.OpenWindow()) return 1;
    SmokeHandler handler(platform);
    handler.FormPaint();
    platform.SetTimerInterval(TimerId::Timer1, 200);
    platform.SetTimerEnabled(TimerId::Timer1, true);
    platform.Run(handler);
    if (!handler.showedColour()) {
        std::fprintf(stderr, "sdl_window_smoke: the timer never fired\n");
        return 1;
    }
    return 0;
}
