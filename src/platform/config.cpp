#include "platform/config.h"

#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string_view>
#include <utility>

#include "base/decimal.h"
#include "base/files.h"
#include "base/log.h"
#include "base/text.h"

namespace orvane {
namespace {

std::filesystem::path HomeRelative(const std::function<const char*(const char*)>& getenv,
                                   const char* variable, const char* fallback) {
    const char* value = getenv(variable);
    if (value && *value) return std::filesystem::path(value) / "orvane";
    const char* home = getenv("HOME");
    return std::filesystem::path(home && *home ? home : ".") / fallback / "orvane";
}

std::filesystem::path Absolute(const std::filesystem::path& p, const std::filesystem::path& base) {
    std::filesystem::path absolute = (p.is_absolute() ? p : base / p).lexically_normal();
    // "/games/orvane/" is the same game as "/games/orvane", and must find the same player folder.
    if (!absolute.has_filename() && absolute.has_relative_path()) absolute = absolute.parent_path();
    return absolute;
}

// FNV-1a, 32 bits: offset basis 2166136261, prime 16777619, over the bytes of the path as the
// file system spells it. Simple, and the same on every machine and in every version, which is
// what matters: a changed hash would lose the player's saves.
uint32_t Fnv1a32(std::string_view bytes) {
    uint32_t hash = 2166136261u;
    for (const char c : bytes) {
        hash ^= static_cast<uint8_t>(c);
        hash *= 16777619u;
    }
    return hash;
}

constexpr size_t kMaxConfigBytes = 1 << 20;

}  // namespace

bool ForEachSetting(const std::filesystem::path& file,
                    const std::function<void(const std::string&, const std::string&)>& use) {
    std::string text, error;
    if (!ReadFileBounded(file, kMaxConfigBytes, text, error)) return false;
    for (const std::string& raw : SplitTextFileLines(text)) {
        const std::string_view line = Trim(raw);
        if (line.empty() || line[0] == '#' || line[0] == ';' || line[0] == '[') continue;
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        const std::string key = LowerCaseCp1251(Trim(line.substr(0, eq)));
        std::string value(Trim(line.substr(eq + 1)));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        use(key, value);
    }
    return true;
}

void ReportIgnoredSetting(const std::filesystem::path& file, const std::string& key,
                          const std::string& value, const char* wanted) {
    LogWarning(file.string() + ": " + key + " should be " + wanted + ", not \"" + value +
               "\"; the game's default stands");
}

ConfigValues ReadConfigFile(const std::filesystem::path& file) {
    ConfigValues values;
    values.found = ForEachSetting(file, [&](const std::string& key, const std::string& value) {
        if (key == "path") values.path = value;
        if (key == "cd_path") values.cdPath = value;
    });
    return values;
}

PlayerSettings ReadPlayerSettings(const std::filesystem::path& file, PlayerSettings settings) {
    ForEachSetting(file, [&](const std::string& key, const std::string& value) {
        if (key == "soundvolume" || key == "musicvolume") {
            const std::optional<int32_t> level = ParseDecimal(value);
            if (!level || *level < -1 || *level > 9) {
                ReportIgnoredSetting(file, key, value, "a level from -1 to 9");
                return;
            }
            (key == "soundvolume" ? settings.soundVolume : settings.musicVolume) = *level;
        } else if (key == "fullscreen") {
            if (value != "0" && value != "1") {
                ReportIgnoredSetting(file, key, value, "0 or 1");
                return;
            }
            settings.fullscreen = value == "1";
        }
    });
    return settings;
}

bool WritePlayerSettings(const std::filesystem::path& file, const PlayerSettings& settings,
                         std::string& error) {
    return WriteSettings(file,
                         {{"SoundVolume", std::to_string(settings.soundVolume)},
                          {"MusicVolume", std::to_string(settings.musicVolume)},
                          {"FullScreen", settings.fullscreen ? "1" : "0"}},
                         error);
}

bool WriteSettings(const std::filesystem::path& file,
                   const std::vector<std::pair<std::string, std::string>>& wanted,
                   std::string& error) {
    std::string text;
    std::error_code ec;
    if (std::filesystem::exists(file, ec)) {
        // "--config /dev/null" reads as an empty file, but must never be replaced by one.
        if (!std::filesystem::is_regular_file(file, ec)) {
            error = file.string() + " is not a regular file";
            return false;
        }
        if (!ReadFileBounded(file, kMaxConfigBytes, text, error)) return false;
    }
    std::vector<bool> written(wanted.size());
    std::string out;
    for (const std::string& line : SplitTextFileLines(text)) {
        const size_t eq = line.find('=');
        const std::string key =
            eq == std::string::npos ? std::string() : LowerCaseCp1251(Trim(line.substr(0, eq)));
        bool ours = false;
        for (size_t i = 0; i < wanted.size(); ++i) {
            if (key != LowerCaseCp1251(wanted[i].first)) continue;
            ours = true;
            // A key given twice keeps only its first place.
            if (!written[i]) out += wanted[i].first + "=" + wanted[i].second + "\n";
            written[i] = true;
        }
        if (!ours) out += line + "\n";
    }
    for (size_t i = 0; i < wanted.size(); ++i) {
        if (!written[i]) out += wanted[i].first + "=" + wanted[i].second + "\n";
    }
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
    return WriteFileAtomic(file, out, error);
}

std::filesystem::path DefaultConfigFile(const std::function<const char*(const char*)>& getenv) {
    return HomeRelative(getenv, "XDG_CONFIG_HOME", ".config") / kConfigFileName;
}

std::filesystem::path DefaultPlayerDataDir(const std::function<const char*(const char*)>& getenv) {
    return HomeRelative(getenv, "XDG_DATA_HOME", ".local/share");
}

std::string PlayerFolderName(const std::filesystem::path& gameDir) {
    char hash[9];
    std::snprintf(hash, sizeof hash, "%08x", Fnv1a32(gameDir.native()));
    const std::string name = gameDir.filename().string();
    // The root folder has no name of its own.
    return (name.empty() ? std::string("game") : name) + "-" + hash;
}

GameFolders ResolveGameFolders(const ConfigValues& config, const FolderOverrides& overrides,
                               const std::filesystem::path& currentDir,
                               const std::filesystem::path& playerDataDir,
                               const std::function<bool(const std::filesystem::path&)>& isWritable) {
    GameFolders folders;
    folders.gameDir = currentDir;
    folders.cdDir = currentDir;
    if (config.found) {
        if (config.cdPath && !config.cdPath->empty()) folders.cdDir = *config.cdPath;
        if (config.path && !config.path->empty()) folders.gameDir = *config.path;
    }
    if (overrides.gameDir) {
        folders.gameDir = *overrides.gameDir;
        // A game folder named on the command line carries its sounds unless told otherwise.
        if (!(config.found && config.cdPath && !config.cdPath->empty())) {
            folders.cdDir = *overrides.gameDir;
        }
    }
    if (overrides.cdDir) folders.cdDir = *overrides.cdDir;
    folders.gameDir = Absolute(folders.gameDir, currentDir);
    folders.cdDir = Absolute(folders.cdDir, currentDir);
    folders.playerDir = isWritable(folders.gameDir)
                            ? folders.gameDir
                            : playerDataDir / PlayerFolderName(folders.gameDir);
    return folders;
}

}  // namespace orvane
