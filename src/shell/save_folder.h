// The save folder of the player's files and the list of saved games in it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// The folder "Save" below `playerDir`, found without regard to case; created when missing.
// Nothing when it cannot be had.
std::optional<std::filesystem::path> PrepareSaveFolder(const std::filesystem::path& playerDir);

// Every entry whose lower-cased name contains ".sav", lower-cased, in name order. False when
// the folder cannot be listed.
bool ListSaveGames(const std::filesystem::path& folder, std::vector<std::string>& names);

}  // namespace orvane
