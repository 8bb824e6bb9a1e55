// A game controller as the engine hears it: the sticks and the d-pad steer the pointer over the
// 1024 x 768 frame, the buttons become clicks and keys. Both backends feed it, so the headless
// driver plays a pad exactly as a real one plays.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/events.h"
#include "platform/frame_pointer.h"

namespace orvane {

enum class PadButton {
    A,
    B,
    X,
    Y,
    Start,
    Back,
    LeftShoulder,
    RightShoulder,
    DpadUp,
    DpadDown,
    DpadLeft,
    DpadRight
};
enum class PadAxis { LeftX, LeftY, RightX, RightY };

// The names of the event file (and of SDL's controller mapping); nothing for an unknown name.
std::optional<PadButton> PadButtonFromName(std::string_view name);
std::optional<PadAxis> PadAxisFromName(std::string_view name);

class GamePad {
public:
    // How often a steered pointer moves: once a display refresh.
    static constexpr int kStepMs = 16;

    // Where the mouse left the pointer: the pad steers on from there.
    void PointerAt(int x, int y);
    FramePoint pointer() const;

    // A button pressed or let go: A clicks the left button at the pointer, B the right one,
    // Start is Esc and the right shoulder holds the skip; the d-pad steers.
    void Button(PadButton button, bool down, EventHandler& handler);
    // An axis moved (-32768..32767); the left stick steers, the right one is not used.
    void Axis(PadAxis axis, int value);

    // The controller is gone: nothing steers any more.
    void LetGo();

    // True while the pointer is being steered: the backend then calls Step every kStepMs.
    bool Steering() const;
    // Moves the pointer for the time since the last step. The new point when it moved to
    // another pixel (the backend then delivers the move), else nothing.
    std::optional<FramePoint> Step(uint64_t now);

private:
    double x_ = 512.0;
    double y_ = 384.0;
    int stickX_ = 0;
    int stickY_ = 0;
    bool dpad_[4] = {};  // up, down, left, right
    // When the steering began and when the pointer last moved; none while it rests.
    std::optional<uint64_t> steeringSince_;
    uint64_t lastStep_ = 0;
};

}  // namespace orvane
