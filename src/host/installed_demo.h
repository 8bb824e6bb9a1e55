// The demo game installed with the program stands in when no game was chosen, so that a fresh
// installation plays something and tells the player how to point it at a real game.
#pragma once

#include <filesystem>
#include <optional>

#include "platform/config.h"

namespace orvane {

// Relative to the folder of the program (PREFIX/bin), so that a moved prefix keeps working.
inline constexpr char kInstalledDemoFromBin[] = "../share/orvane/demo";

// True when the engine can start a game from `dir`: its master script, loose or in the archive.
bool HoldsGame(const std::filesystem::path& dir);

// The installed demo when neither the command line nor orvane.ini names a game folder, the
// current folder holds no game and the demo lies at kInstalledDemoFromBin from `programDir`.
std::optional<std::filesystem::path> DemoInsteadOfMissingGame(
    const ConfigValues& config, const FolderOverrides& overrides,
    const std::filesystem::path& currentDir, const std::filesystem::path& programDir);

// Points `overrides` at the installed demo in the case above and says so on stderr, with how to
// choose a game instead; a --cd-dir of the command line is kept.
void PlayInstalledDemoWhenNoGame(const ConfigValues& config, FolderOverrides& overrides,
                                 const std::filesystem::path& currentDir, const char* argv0);

}  // namespace orvane
