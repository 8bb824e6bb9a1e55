#include "game_data.h"

#include "archive/pak_entry.h"
#include "archive/pak_reader.h"
#include "archive/picture_loader.h"
#include "base/files.h"
#include "base/text.h"

namespace orvane::lint {
namespace {

constexpr char kSoundArchive[] = "Sounds.pak";

}  // namespace

GameData::GameData(std::filesystem::path gameDir, std::filesystem::path cdDir, Findings& findings)
    : gameDir_(std::move(gameDir)), cdDir_(std::move(cdDir)), findings_(findings) {}

const std::optional<StringList>& GameData::Script(std::string_view name) {
    const std::string key(name);
    auto it = scripts_.find(key);
    if (it == scripts_.end()) {
        StringList lines;
        std::optional<StringList> read;
        if (LoadScriptFile(gameDir_, name, lines)) read = std::move(lines);
        it = scripts_.emplace(key, std::move(read)).first;
    }
    return it->second;
}

std::optional<StringList> GameData::ArchiveScript(std::string_view name) {
    const std::optional<std::filesystem::path> archive = FindLooseFile(gameDir_, kMainArchive);
    if (!archive) return std::nullopt;
    StringList lines;
    PakConsumers consumers;
    consumers.lines = &lines;
    std::string error;
    if (ReadPakEntry(name, static_cast<int>(PakMode::ScriptText), consumers, *archive, error) !=
        kPakEntryRead) {
        return std::nullopt;
    }
    return lines;
}

bool GameData::HasLooseFile(std::string_view name) const {
    return !Trim(name).empty() && FindLooseFile(gameDir_, name).has_value();
}

bool GameData::HasPicture(std::string_view name) {
    return HasLooseFile(name) || EntriesOf(gameDir_, kMainArchive).count(LowerCaseCp1251(name));
}

bool GameData::HasVoice(std::string_view name) {
    return HasLooseFile(name) || EntriesOf(cdDir_, kSoundArchive).count(LowerCaseCp1251(name));
}

const std::set<std::string>& GameData::EntriesOf(const std::filesystem::path& dir,
                                                 std::string_view archive) {
    const std::string key = (dir / archive).string();
    auto it = entries_.find(key);
    if (it != entries_.end()) return it->second;
    std::set<std::string>& names = entries_[key];
    const std::optional<std::filesystem::path> file = FindLooseFile(dir, archive);
    if (!file) return names;
    std::vector<PakEntry> entries;
    std::string error;
    if (!ListPakEntries(*file, entries, error)) {
        findings_.Error(std::string(archive), 0, error);
        return names;
    }
    for (const PakEntry& entry : entries) names.insert(LowerCaseCp1251(entry.name));
    return names;
}

}  // namespace orvane::lint
