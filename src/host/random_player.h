// The random player of the soak: lines of event text (moves, clicks of either button, drags,
// keys of the event file's table, waits), from a generator of its own, so that the game's own
// random numbers go as they would.
#pragma once

#include <cstdint>
#include <random>
#include <string>

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

    std::mt19937_64 random_;
    std::string heldButton_;  // empty: none
};

}  // namespace orvane
