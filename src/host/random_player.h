// The random player of the soak: lines of event text (moves, clicks of either button, drags,
// keys of the event file's table, keys held and let go, the wheel, a game controller's buttons
// and stick, waits), from a generator of its own, so that the game's own random numbers go as
// they would.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace orvane {

class RandomPlayer {
public:
    explicit RandomPlayer(uint64_t seed) : random_(seed) {}
    // The next line to play; a wait lasts no longer than `remainingMs`.
    std::string NextLine(uint64_t remainingMs);

private:
    int Below(int n) { return static_cast<int>(random_() % static_cast<uint64_t>(n)); }
    std::string Point();
    std::string KeyName();
    // What a player lets go of now and then; nothing when nothing is let go this time.
    std::optional<std::string> LetGo();
    std::string Hold();
    std::string PadButton();
    std::string PadStick();

    std::mt19937_64 random_;
    std::string heldButton_;               // empty: none
    std::vector<std::string> heldKeys_;    // by their event-file names
    std::vector<std::string> heldPad_;     // controller buttons
    std::vector<std::string> tiltedAxes_;  // controller axes away from the middle
};

}  // namespace orvane
