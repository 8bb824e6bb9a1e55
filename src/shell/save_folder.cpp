#include "shell/save_folder.h"

#include <algorithm>

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

bool ListSaveGames(const std::filesystem::path& folder, std::vector<std::string>& names) {
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec) return false;
    std::vector<std::string> found;
    for (std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) return false;
        const std::string utf8 = it->path().filename().string();
        const std::string name = LowerCaseCp1251(Utf8ToCp1251(utf8).value_or(utf8));
        if (Contains(name, ".sav")) found.push_back(name);
    }
    // The directory gives no order of its own; a stable one keeps the load screen predictable.
    std::sort(found.begin(), found.end());
    names = std::move(found);
    return true;
}

}  // namespace orvane
