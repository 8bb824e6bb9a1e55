// Where the running program lives, so that files installed with it are found from there and a
// whole installation can be moved to another prefix.
#pragma once

#include <filesystem>
#include <optional>

namespace orvane {

// The program's own file, with symbolic links resolved (/proc/self/exe); failing that, argv[0]
// when it names a path. Nothing when neither tells.
std::optional<std::filesystem::path> RunningProgramFile(const char* argv0);

}  // namespace orvane
