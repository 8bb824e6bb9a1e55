#include "script/triggers.h"

#include <unordered_map>
#include <vector>

#include "archive/pak_entry.h"
#include "archive/pak_format.h"
#include "archive/picture_loader.h"
#include "base/files.h"
#include "base/log.h"
#include "base/text.h"

namespace orvane {
namespace {

std::optional<std::filesystem::path> PlayerTriggerFile(const std::filesystem::path& gameDir,
                                                       const std::filesystem::path& playerDir) {
    if (auto file = FindLooseFile(playerDir, kTriggerFile)) return file;
    // A read-only game folder may still ship the player's file of an earlier install.
    if (playerDir != gameDir) return FindLooseFile(gameDir, kTriggerFile);
    return std::nullopt;
}

}  // namespace

bool IsPersistentTriggerName(std::string_view entry) {
    return StartsWith(entry, "sys_") || StartsWith(entry, "gal_");
}

void LoadTriggers(const std::filesystem::path& gameDir, const std::filesystem::path& playerDir,
                  StringList& triggers) {
    if (const auto archive = FindLooseFile(gameDir, kMainArchive)) {
        PakConsumers consumers;
        consumers.lines = &triggers;
        std::string error;
        if (ReadPakEntry(kTriggerFile, static_cast<int>(PakMode::ScriptText), consumers, *archive,
                         error) == kPakBroken) {
            LogError(error);
        }
    }
    const std::optional<std::filesystem::path> saved = PlayerTriggerFile(gameDir, playerDir);
    if (!saved) return;
    std::string bytes, error;
    if (!ReadFileBounded(*saved, kMaxFileBytes, bytes, error)) {
        LogError(error + " (the game's default triggers are used)");
        return;
    }
    MergeSavedTriggers(triggers, DecodeTriggerFile(bytes));
}

void MergeSavedTriggers(StringList& triggers, const StringList& saved) {
    auto nameOf = [](const std::string& entry) { return entry.substr(0, entry.find('=')); };
    // Where each name stands, so that a long file costs no more than reading it.
    std::unordered_map<std::string, std::vector<size_t>> places;
    for (size_t i = 0; i < triggers.size(); ++i) places[nameOf(triggers[i])].push_back(i);
    for (const std::string& entry : saved) {
        if (entry.empty()) continue;
        std::vector<size_t>& at = places[nameOf(entry)];
        if (at.empty()) {
            at.push_back(triggers.size());
            triggers.push_back(entry);
        } else {
            for (size_t i : at) triggers[i] = entry;
        }
    }
}

std::string EncodeTriggerFile(const StringList& triggers) {
    std::string plain;
    for (const std::string& entry : triggers) {
        if (Contains(entry, "sys_") || Contains(entry, "gal_")) {
            plain += entry;
            plain += "\r\n";
        }
    }
    return EncodeScriptBytes(plain);
}

StringList DecodeTriggerFile(std::string_view stored) {
    const std::string text = DecodeScriptBytes(stored);
    StringList entries;
    size_t start = 0;
    for (size_t lf = text.find('\n'); lf != std::string::npos; lf = text.find('\n', start)) {
        std::string entry = text.substr(start, lf - start);
        if (!entry.empty() && entry.back() == '\r') entry.pop_back();
        entries.push_back(std::move(entry));
        start = lf + 1;
    }
    return entries;
}

bool SaveTriggers(const StringList& triggers, const std::filesystem::path& playerDir,
                  std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(playerDir, ec);
    const std::filesystem::path file =
        FindLooseFile(playerDir, kTriggerFile).value_or(playerDir / kTriggerFile);
    return WriteFileAtomic(file, EncodeTriggerFile(triggers), error);
}

std::string GetTrigger(const StringList& triggers, std::string_view name) {
    const std::string prefix = std::string(name) + "=";
    for (const std::string& entry : triggers) {
        if (StartsWith(entry, prefix)) return entry.substr(prefix.size());
    }
    return {};
}

void SetTrigger(StringList& triggers, std::string_view name, std::string_view value) {
    const std::string prefix = std::string(name) + "=";
    for (std::string& entry : triggers) {
        if (StartsWith(entry, prefix)) entry = prefix + std::string(value);
    }
}

}  // namespace orvane
