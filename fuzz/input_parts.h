// Cutting one fuzz input into the parts a target feeds to different readers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

namespace orvane::fuzz {

// Between a file and the events that follow it in an input. A line of its own, so that seeds
// stay readable and a script rarely holds it by chance.
inline constexpr std::string_view kEventsMark = "\n#--events--#\n";

inline std::string_view Bytes(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The text before the first mark and what follows it; without a mark, the whole input and
// nothing.
inline std::pair<std::string_view, std::string_view> SplitAtMark(std::string_view input) {
    const size_t mark = input.find(kEventsMark);
    if (mark == std::string_view::npos) return {input, {}};
    return {input.substr(0, mark), input.substr(mark + kEventsMark.size())};
}

}  // namespace orvane::fuzz
