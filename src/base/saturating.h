// Arithmetic on numbers that scripts and saved games supply, which may be anything a 32-bit int
// holds: computed in 64 bits and brought back into the int range, so that an extreme value
// stops at the end of the range instead of wrapping round.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace orvane {

constexpr int ClampToInt(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int>::min(),
                                                std::numeric_limits<int>::max()));
}

constexpr int SaturatingAdd(int a, int64_t b) {
    return ClampToInt(int64_t{a} + b);
}

}  // namespace orvane
