// The files of the game folder as the engine finds them: a loose file first (its name matched
// without regard to case), else the entry of that name in the archive.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "findings.h"
#include "script/script_files.h"

namespace orvane::lint {

class GameData {
public:
    GameData(std::filesystem::path gameDir, std::filesystem::path cdDir, Findings& findings);

    // The lines of a script file as the engine reads it; nothing when it is in neither place.
    const std::optional<StringList>& Script(std::string_view name);
    // Only the archive's entry: a loose file of that name is not read as the script.
    std::optional<StringList> ArchiveScript(std::string_view name);

    bool HasLooseFile(std::string_view name) const;
    // Pictures: loose, else in "Orvane.pak".
    bool HasPicture(std::string_view name);
    // Voices: loose in the game folder, else in "Sounds.pak" of the CD folder.
    bool HasVoice(std::string_view name);

private:
    // The entry names of an archive, lower-cased as the reader compares them; empty when the
    // archive is missing (a broken one is reported once).
    const std::set<std::string>& EntriesOf(const std::filesystem::path& dir,
                                           std::string_view archive);

    std::filesystem::path gameDir_;
    std::filesystem::path cdDir_;
    Findings& findings_;
    std::map<std::string, std::optional<StringList>> scripts_;
    std::map<std::string, std::set<std::string>> entries_;
};

}  // namespace orvane::lint
