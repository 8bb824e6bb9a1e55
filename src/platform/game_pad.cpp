#include "platform/game_pad.h"

#include <algorithm>
#include <cmath>

#include "platform/keycodes.h"
#include "platform/platform.h"

namespace orvane {
namespace {

// Sticks rest a little off centre; below this they count as still.
constexpr int kDeadZone = 8000;
// Pixels a second at full tilt: slow at first for aiming, faster once held.
constexpr double kStartSpeed = 250.0;
constexpr double kTopSpeed = 1100.0;
constexpr double kRampMs = 700.0;
// A step after a long gap (the engine was blocked) moves as far as one of this length.
constexpr uint64_t kLongestStepMs = 50;

// -1..1 beyond the dead zone, squared so that a small tilt aims finely.
double Tilt(int value) {
    const int magnitude = std::min(std::abs(value), 32767);
    if (magnitude <= kDeadZone) return 0.0;
    const double t = static_cast<double>(magnitude - kDeadZone) / (32767 - kDeadZone);
    return (value < 0 ? -1.0 : 1.0) * t * t;
}

}  // namespace

std::optional<PadButton> PadButtonFromName(std::string_view name) {
    static constexpr std::pair<std::string_view, PadButton> kNames[] = {
        {"a", PadButton::A},
        {"b", PadButton::B},
        {"x", PadButton::X},
        {"y", PadButton::Y},
        {"start", PadButton::Start},
        {"back", PadButton::Back},
        {"leftshoulder", PadButton::LeftShoulder},
        {"rightshoulder", PadButton::RightShoulder},
        {"dpup", PadButton::DpadUp},
        {"dpdown", PadButton::DpadDown},
        {"dpleft", PadButton::DpadLeft},
        {"dpright", PadButton::DpadRight},
    };
    for (const auto& [text, button] : kNames) {
        if (name == text) return button;
    }
    return std::nullopt;
}

std::optional<PadAxis> PadAxisFromName(std::string_view name) {
    if (name == "leftx") return PadAxis::LeftX;
    if (name == "lefty") return PadAxis::LeftY;
    if (name == "rightx") return PadAxis::RightX;
    if (name == "righty") return PadAxis::RightY;
    return std::nullopt;
}

void GamePad::PointerAt(int x, int y) {
    // The mouse (or the warp that follows a steered move) reports whole pixels: the part of a
    // pixel already steered is kept when it names the same point.
    if (FramePoint{x, y} == pointer()) return;
    x_ = std::clamp(x, 0, kScreenWidth - 1);
    y_ = std::clamp(y, 0, kScreenHeight - 1);
}

FramePoint GamePad::pointer() const {
    return {static_cast<int>(std::floor(x_)), static_cast<int>(std::floor(y_))};
}

void GamePad::Button(PadButton button, bool down, EventHandler& handler) {
    const FramePoint at = pointer();
    switch (button) {
        case PadButton::A:
        case PadButton::B: {
            const MouseButton mouse =
                button == PadButton::A ? MouseButton::Left : MouseButton::Right;
            if (down)
                handler.FormMouseDown(mouse, at.x, at.y);
            else
                handler.FormMouseUp(mouse, at.x, at.y);
            break;
        }
        case PadButton::Start:
            if (down)
                handler.FormKeyDown(vk::Escape);
            else
                handler.FormKeyUp(vk::Escape);
            break;
        case PadButton::RightShoulder:
            handler.OnSkipButton(down);
            break;
        case PadButton::DpadUp:
        case PadButton::DpadDown:
        case PadButton::DpadLeft:
        case PadButton::DpadRight:
            dpad_[static_cast<int>(button) - static_cast<int>(PadButton::DpadUp)] = down;
            if (!Steering()) steeringSince_.reset();
            break;
        default:
            break;
    }
}

void GamePad::Axis(PadAxis axis, int value) {
    if (axis == PadAxis::LeftX) stickX_ = value;
    if (axis == PadAxis::LeftY) stickY_ = value;
    // Letting go ends the acceleration: the next push starts slow again.
    if (!Steering()) steeringSince_.reset();
}

void GamePad::LetGo() {
    stickX_ = stickY_ = 0;
    for (bool& held : dpad_) held = false;
    steeringSince_.reset();
}

bool GamePad::Steering() const {
    return Tilt(stickX_) != 0.0 || Tilt(stickY_) != 0.0 || dpad_[0] || dpad_[1] || dpad_[2] ||
           dpad_[3];
}

std::optional<FramePoint> GamePad::Step(uint64_t now) {
    if (!Steering()) {
        steeringSince_.reset();
        return std::nullopt;
    }
    if (!steeringSince_) {
        // The first step moves at once, by one step's length.
        steeringSince_ = now;
        lastStep_ = now >= static_cast<uint64_t>(kStepMs) ? now - kStepMs : 0;
    }
    const uint64_t elapsed = std::min(now > lastStep_ ? now - lastStep_ : 0, kLongestStepMs);
    lastStep_ = now;
    const double held = static_cast<double>(now - *steeringSince_);
    const double speed = kStartSpeed + (kTopSpeed - kStartSpeed) * std::min(held / kRampMs, 1.0);
    // The d-pad tilts fully; with the stick it adds, and a diagonal moves no faster.
    double dx = Tilt(stickX_) + (dpad_[3] ? 1.0 : 0.0) - (dpad_[2] ? 1.0 : 0.0);
    double dy = Tilt(stickY_) + (dpad_[1] ? 1.0 : 0.0) - (dpad_[0] ? 1.0 : 0.0);
    const double length = std::hypot(dx, dy);
    if (length > 1.0) {
        dx /= length;
        dy /= length;
    }
    const FramePoint before = pointer();
    const double distance = speed * static_cast<double>(elapsed) / 1000.0;
    // Just short of the far edge, so that the point stays inside the frame.
    x_ = std::clamp(x_ + dx * distance, 0.0, kScreenWidth - 1e-6);
    y_ = std::clamp(y_ + dy * distance, 0.0, kScreenHeight - 1e-6);
    const FramePoint after = pointer();
    if (after == before) return std::nullopt;
    return after;
}

}  // namespace orvane
