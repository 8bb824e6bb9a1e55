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

struct SaveFile {
    std::string name;            // without folder, lower-cased, CP1251: what the game lists
    std::filesystem::path path;  // the file itself

    bool operator==(const SaveFile&) const = default;
};

// Every file whose lower-cased name contains ".sav", newest first (by modification time, then
// by name). Names on disk are UTF-8; one that is not is taken as CP1251 (a save copied from the
// game's own folder). False when the folder cannot be listed (or not to its end).
bool ScanSaveFolder(const std::filesystem::path& folder, std::vector<SaveFile>& saves);

}  // namespace orvane
