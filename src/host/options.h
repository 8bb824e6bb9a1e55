// The command line of the `orvane` program.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/config.h"
#include "platform/display_settings.h"

namespace orvane {

struct LaunchOptions {
    bool help = false;
    bool version = false;
    bool headless = false;
    FolderOverrides folders;
    std::optional<std::filesystem::path> configFile;  // instead of the default orvane.ini
    std::optional<std::filesystem::path> eventsFile;
    std::optional<std::filesystem::path> audioOut;  // headless: the mixed sound as a WAV file
    std::optional<int64_t> clock;  // headless: the wall clock at start, seconds since 1970 (UTC)
    std::optional<int64_t> soakSeconds;  // headless: random play for this long of virtual time
    std::optional<uint64_t> seed;        // of the random play
    std::optional<std::filesystem::path> keepEvents;  // the random play's events, always
    std::optional<std::filesystem::path> stateOut;    // headless: the state dump at the end
    std::optional<FrameScaling> scaling;
    std::optional<RendererChoice> renderer;
    std::optional<int> audioBufferFrames;
};

// False with a message for a command line that cannot be understood.
bool ParseLaunchOptions(const std::vector<std::string>& args, LaunchOptions& options,
                        std::string& error);

std::string UsageText();

// The display settings of orvane.ini with the command line's over them; the window's size is
// kept in `settingsFile`.
DisplaySettings WithDisplayOptions(const LaunchOptions& options, DisplaySettings fromFile,
                                   const std::filesystem::path& settingsFile);

}  // namespace orvane
