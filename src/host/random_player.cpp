#include "host/random_player.h"

#include <algorithm>
#include <array>

#include "platform/platform.h"

namespace orvane {
namespace {

constexpr std::array<const char*, 9> kNamedKeys = {"esc",  "enter", "backspace", "f2",  "left",
                                                   "up",   "right", "down",      "space"};

}  // namespace

std::string RandomPlayer::Point() {
    return std::to_string(Below(kScreenWidth)) + " " + std::to_string(Below(kScreenHeight));
}

std::string RandomPlayer::KeyName() {
    // Named keys as often as letters: they are the ones screens listen to.
    if (Below(2) == 0) return kNamedKeys[static_cast<size_t>(Below(kNamedKeys.size()))];
    return std::string(1, static_cast<char>('a' + Below(26)));
}

std::string RandomPlayer::NextLine(uint64_t remainingMs) {
    // A button held down is let go soon, as a player's would be.
    if (!heldButton_.empty() && Below(3) == 0) {
        const std::string button = heldButton_;
        heldButton_.clear();
        return "up " + Point() + " " + button;
    }
    const int roll = Below(100);
    if (roll < 30) {
        const uint64_t ms = static_cast<uint64_t>(Below(8) == 0 ? 1000 + Below(6000) : Below(400));
        return "wait " + std::to_string(std::min(ms, remainingMs));
    }
    if (roll < 50) return "move " + Point();
    if (roll < 68) return "click " + Point();
    if (roll < 74) return "click " + Point() + " right";
    if (roll < 75) return "click " + Point() + " middle";
    if (roll < 78 && heldButton_.empty()) {
        heldButton_ = Below(4) == 0 ? "right" : "left";
        return "down " + Point() + " " + heldButton_;
    }
    if (roll < 84) return "drag " + Point() + " " + Point();
    return "key " + KeyName();
}

}  // namespace orvane
