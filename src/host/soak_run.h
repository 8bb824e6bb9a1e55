// `orvane --headless --soak SECONDS`: the game played by random input on the virtual clock,
// in as many runs of the game as it takes (a run that the game itself ends is followed by a
// fresh start), with checks on crashes, endless loops, memory, descriptors and the save folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "platform/config.h"

namespace orvane {

struct SoakSettings {
    GameFolders folders;
    std::optional<std::filesystem::path> settingsFile;
    int64_t seconds = 0;  // of virtual time
    uint64_t seed = 1;
    int64_t wallClockStart = 0;  // seconds since 1970, local time read as UTC
    // Where the events go even when nothing went wrong; nothing: only on failure.
    std::optional<std::filesystem::path> keepEvents;
    // The state dump of the last run at its end.
    std::optional<std::filesystem::path> stateOut;
};

// Prints the report on stdout; returns the exit status (0: nothing went wrong).
int RunSoak(const SoakSettings& settings);

}  // namespace orvane
