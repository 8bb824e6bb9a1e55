// What the running process holds of the machine, read from /proc: for the random-play soak,
// which checks that a long run keeps its memory and file descriptors flat.
#pragma once

#include <cstdint>
#include <optional>

namespace orvane {

// The resident set size in bytes; nothing where /proc cannot tell.
std::optional<uint64_t> ResidentBytes();

// The file descriptors open in this process; nothing where /proc cannot tell.
std::optional<int> OpenFileDescriptors();

}  // namespace orvane
