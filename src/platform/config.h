// Where the game is: the stand-in for the original's registry key ("Path", "CD_Path"), read
// from orvane.ini in the user's configuration folder and overridden by command-line options.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/files.h"

namespace orvane {

inline constexpr char kConfigFileName[] = "orvane.ini";

// The player's choices that outlive a run: the two volume levels of the options screen and
// full screen.
struct PlayerSettings {
    int soundVolume = 5;  // -1 (silence) .. 9
    int musicVolume = 5;  // -1 (silence) .. 9
    bool fullscreen = false;

    bool operator==(const PlayerSettings&) const = default;
};

struct ConfigValues {
    bool found = false;  // the file exists, as the registry key existed
    std::optional<std::string> path;    // "Path": the game folder
    std::optional<std::string> cdPath;  // "CD_Path": the folder that holds "Sounds.pak"
};

// Reads `key=value` lines; `[sections]`, blank lines and lines starting with # or ; are
// skipped; keys compare without regard to case. A missing file is not an error.
ConfigValues ReadConfigFile(const std::filesystem::path& file);

// "SoundVolume", "MusicVolume" and "FullScreen" of the same file in place of those of
// `settings`; a value out of range is reported and left out, so the default stands.
PlayerSettings ReadPlayerSettings(const std::filesystem::path& file, PlayerSettings settings = {});

// Writes the settings into the file atomically, creating it (and its folder) when needed. Every
// other line of the file stays as it was; a setting's line is rewritten where it stands.
bool WritePlayerSettings(const std::filesystem::path& file, const PlayerSettings& settings,
                         std::string& error);

// Sets each key to its value (keys compare without regard to case), atomically, creating the file
// and its folder when needed; every other line stays as it was.
bool WriteSettings(const std::filesystem::path& file,
                   const std::vector<std::pair<std::string, std::string>>& wanted,
                   std::string& error);

// Calls `use` with each key (lower-cased) and value (unquoted) of the file; false when there is
// no file to read.
bool ForEachSetting(const std::filesystem::path& file,
                    const std::function<void(const std::string&, const std::string&)>& use);
void ReportIgnoredSetting(const std::filesystem::path& file, const std::string& key,
                          const std::string& value, const char* wanted);

// $XDG_CONFIG_HOME/orvane/orvane.ini, or ~/.config/orvane/orvane.ini.
std::filesystem::path DefaultConfigFile(const std::function<const char*(const char*)>& getenv);
// $XDG_DATA_HOME/orvane, or ~/.local/share/orvane: below it, each game whose folder is not
// writable keeps the player's files in a folder of its own (PlayerFolderName).
std::filesystem::path DefaultPlayerDataDir(const std::function<const char*(const char*)>& getenv);

// The folder below the player data folder for the game in `gameDir` (absolute): its name, "-"
// and eight hex digits of a hash of the whole path, so that two installed games of the same name
// keep apart and one game finds its files again at every start.
std::string PlayerFolderName(const std::filesystem::path& gameDir);

struct GameFolders {
    std::filesystem::path gameDir;    // GamePath: scripts, archives, pictures
    std::filesystem::path cdDir;      // CdPath: "Sounds.pak"
    std::filesystem::path playerDir;  // saves, the player's trigger file, screenshots
};

struct FolderOverrides {
    std::optional<std::filesystem::path> gameDir;  // --game-dir
    std::optional<std::filesystem::path> cdDir;    // --cd-dir
};

// With no configuration the current folder is both the game and the data folder. The player's
// files stay in the game folder when it is writable, as the original kept them, and move to
// `playerDataDir` / PlayerFolderName(gameDir) (created on demand) when it is not.
GameFolders ResolveGameFolders(
    const ConfigValues& config, const FolderOverrides& overrides,
    const std::filesystem::path& currentDir, const std::filesystem::path& playerDataDir,
    const std::function<bool(const std::filesystem::path&)>& isWritable = IsWritableDirectory);

}  // namespace orvane
