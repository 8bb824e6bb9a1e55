// The engine's one random generator: the 15-bit linear congruential generator of the C library
// the game was built with, so that a seeded run deals the same cards and picks the same choices.
#pragma once

#include <cstdint>

namespace orvane {

class RandomGenerator {
public:
    void Seed(uint32_t seed) { state_ = seed; }
    // 0..32767.
    int Next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }
    // 0..n-1; 0 when n is not positive.
    int Random(int n) { return n <= 0 ? 0 : Next() % n; }

    uint32_t state() const { return state_; }

private:
    uint32_t state_ = 1;  // the library's state before any seeding
};

}  // namespace orvane
