#include "script/script_files.h"

#include "archive/pak_entry.h"
#include "archive/picture_loader.h"
#include "base/files.h"
#include "base/log.h"

namespace orvane {

bool LoadScriptFile(const std::filesystem::path& gameDir, std::string_view name, StringList& lines) {
    if (std::optional<std::filesystem::path> file = FindLooseFile(gameDir, name)) {
        std::string text, error;
        if (!ReadFileBounded(*file, kMaxFileBytes, text, error)) {
            LogError(error);
            return false;
        }
        lines = SplitTextFileLines(text);
        return true;
    }
    const std::optional<std::filesystem::path> archive = FindLooseFile(gameDir, kMainArchive);
    if (!archive) return false;
    PakConsumers consumers;
    consumers.lines = &lines;
    std::string error;
    const int result =
        ReadPakEntry(name, static_cast<int>(PakMode::ScriptText), consumers, *archive, error);
    if (result == kPakBroken) LogError(error);
    return result == kPakEntryRead;
}

}  // namespace orvane
