#include "shell/save_folder.h"

#include <algorithm>
#include <chrono>

#include "base/files.h"
#include "base/text.h"

namespace orvane {

std::optional<std::filesystem::path> PrepareSaveFolder(const std::filesystem::path& playerDir) {
    std::error_code ec;
    if (auto found = FindCaseInsensitive(playerDir, "Save")) {
        if (std::filesystem::is_directory(*found, ec)) return found;
        return std::nullopt;
    }
    const std::filesystem::path folder = playerDir / "Save";
    std::filesystem::create_directories(folder, ec);
    if (ec) return std::nullopt;
    return folder;
}

bool ScanSaveFolder(const std::filesystem::path& folder, std::vector<SaveFile>& saves) {
    struct Found {
        SaveFile file;
        std::filesystem::file_time_type modified;
    };
    saves.clear();
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec) return false;
    std::vector<Found> found;
    bool complete = true;
    for (std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) {
            complete = false;
            break;
        }
        const std::string onDisk = it->path().filename().string();
        // A save being written lies beside its target under a hidden temporary name.
        if (onDisk.empty() || onDisk[0] == '.') continue;
        std::string name = LowerCaseCp1251(Utf8ToCp1251(onDisk).value_or(onDisk));
        if (!Contains(name, ".sav") || !it->is_regular_file(ec)) continue;
        const auto modified = it->last_write_time(ec);
        found.push_back({{std::move(name), it->path()}, ec ? decltype(modified){} : modified});
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        if (a.modified != b.modified) return a.modified > b.modified;
        return a.file.name < b.file.name;
    });
    saves.reserve(found.size());
    for (Found& f : found) saves.push_back(std::move(f.file));
    return complete;
}

}  // namespace orvane
