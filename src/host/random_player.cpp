#include "host/random_player.h"

#include <algorithm>
#include <array>

#include "platform/platform.h"

namespace orvane {
namespace {

constexpr std::array<const char*, 11> kNamedKeys = {
    "esc", "enter", "backspace", "f2", "left", "up", "right", "down", "space", "tab", "pagedown"};

// Mostly Ctrl, the skip, which must not run for the whole soak: whatever is held is let go soon.
constexpr std::array<const char*, 8> kHeldKeys = {"ctrl", "ctrl", "ctrl",  "shift",
                                                  "alt",  "tab",  "space", "enter"};

// The right shoulder holds the skip and the d-pad steers, both while held; A and B click.
constexpr std::array<const char*, 13> kPadButtons = {
    "a",      "a",      "b",       "start",        "back",         "x", "y", "dpup",
    "dpdown", "dpleft", "dpright", "leftshoulder", "rightshoulder"};
constexpr std::array<const char*, 4> kAxes = {"leftx", "lefty", "rightx", "righty"};

std::string TakeOne(std::vector<std::string>& list, size_t at) {
    std::string taken = list[at];
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(at));
    return taken;
}

}  // namespace

std::string RandomPlayer::Point() {
    return std::to_string(Below(kScreenWidth)) + " " + std::to_string(Below(kScreenHeight));
}

std::string RandomPlayer::KeyName() {
    // Named keys as often as letters: they are the ones screens listen to.
    if (Below(2) == 0) return kNamedKeys[static_cast<size_t>(Below(kNamedKeys.size()))];
    return std::string(1, static_cast<char>('a' + Below(26)));
}

std::optional<std::string> RandomPlayer::LetGo() {
    // A button held down is let go soon, as a player's would be.
    if (!heldButton_.empty() && Below(3) == 0) {
        const std::string button = heldButton_;
        heldButton_.clear();
        return "up " + Point() + " " + button;
    }
    if (!heldKeys_.empty() && Below(4) == 0) {
        return "release " + TakeOne(heldKeys_, static_cast<size_t>(Below(heldKeys_.size())));
    }
    if (!heldPad_.empty() && Below(3) == 0) {
        return "pad " + TakeOne(heldPad_, static_cast<size_t>(Below(heldPad_.size()))) + " up";
    }
    if (!tiltedAxes_.empty() && Below(4) == 0) {
        const size_t at = static_cast<size_t>(Below(tiltedAxes_.size()));
        return "pad axis " + TakeOne(tiltedAxes_, at) + " 0";
    }
    return std::nullopt;
}

std::string RandomPlayer::Hold() {
    const std::string key = kHeldKeys[static_cast<size_t>(Below(kHeldKeys.size()))];
    // A key already held is let go instead, so that no key is held twice.
    const auto held = std::find(heldKeys_.begin(), heldKeys_.end(), key);
    if (held != heldKeys_.end()) {
        heldKeys_.erase(held);
        return "release " + key;
    }
    heldKeys_.push_back(key);
    return "hold " + key;
}

std::string RandomPlayer::PadButton() {
    const std::string button = kPadButtons[static_cast<size_t>(Below(kPadButtons.size()))];
    const auto held = std::find(heldPad_.begin(), heldPad_.end(), button);
    if (held != heldPad_.end()) {
        heldPad_.erase(held);
        return "pad " + button + " up";
    }
    heldPad_.push_back(button);
    return "pad " + button + " down";
}

std::string RandomPlayer::PadStick() {
    // Mostly the left stick, which steers; pushed anywhere from a nudge inside the dead zone to
    // all the way.
    const std::string axis = kAxes[static_cast<size_t>(Below(4) == 0 ? 2 + Below(2) : Below(2))];
    const int value = Below(65536) - 32768;
    if (std::find(tiltedAxes_.begin(), tiltedAxes_.end(), axis) == tiltedAxes_.end()) {
        tiltedAxes_.push_back(axis);
    }
    return "pad axis " + axis + " " + std::to_string(value);
}

std::string RandomPlayer::NextLine(uint64_t remainingMs) {
    if (std::optional<std::string> letGo = LetGo()) return *letGo;
    const int roll = Below(100);
    if (roll < 30) {
        const uint64_t ms = static_cast<uint64_t>(Below(8) == 0 ? 1000 + Below(6000) : Below(400));
        return "wait " + std::to_string(std::min(ms, remainingMs));
    }
    if (roll < 46) return "move " + Point();
    if (roll < 62) return "click " + Point();
    if (roll < 67) return "click " + Point() + " right";
    if (roll < 68) return "click " + Point() + " middle";
    if (roll < 71 && heldButton_.empty()) {
        heldButton_ = Below(4) == 0 ? "right" : "left";
        return "down " + Point() + " " + heldButton_;
    }
    if (roll < 76) return "drag " + Point() + " " + Point();
    if (roll < 79) return Hold();
    if (roll < 82) return Below(3) == 0 ? "wheel up" : "wheel down";
    if (roll < 86) return PadButton();
    if (roll < 88) return PadStick();
    return "key " + KeyName();
}

}  // namespace orvane
