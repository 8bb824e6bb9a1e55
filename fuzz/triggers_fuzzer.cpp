// The player's trigger file: read and merged with the archive's declarations at start-up,
// written back at exit. What is written must read back as the same entries.
#include <cstdlib>

#include "archive/pak_format.h"
#include "archive/pak_writer.h"
#include "base/files.h"
#include "base/text.h"
#include "input_parts.h"
#include "scratch_folder.h"
#include "script/triggers.h"

namespace {

// The declarations of a game: ordinary and persistent ones, and one that only holds "sys_".
constexpr std::string_view kDeclared =
    "chapter=1\r\nsys_1=0\r\nsys_2=0\r\ngal_title=0\r\nlegal_x=0\r\nvisits=0";

const std::filesystem::path& GameWithTriggers() {
    static const std::filesystem::path* const game = [] {
        auto* folder = new std::filesystem::path(orvane::fuzz::FreshScratchFolder("game"));
        std::string error;
        orvane::WritePak(
            {orvane::PakSource{orvane::kTriggerFile, {}, orvane::EncodeScriptBytes(kDeclared)}},
            *folder / "Orvane.pak", error);
        return folder;
    }();
    return *game;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace orvane;
    const std::filesystem::path& game = GameWithTriggers();
    const std::filesystem::path player = fuzz::FreshScratchFolder("player");
    fuzz::WriteScratchFile("player/triggers.scn", fuzz::Bytes(data, size));

    StringList triggers;
    LoadTriggers(game, player, triggers);
    for (const StringList saved = triggers; const std::string& entry : saved) {
        const std::string name = entry.substr(0, entry.find('='));
        SetTrigger(triggers, name, GetTrigger(triggers, name) + "1");
    }
    std::string error;
    if (!SaveTriggers(triggers, player, error)) return 0;
    StringList persistent;
    for (const std::string& entry : triggers) {
        // The file keeps every entry that holds the marks anywhere, as the game wrote it.
        if (Contains(entry, "sys_") || Contains(entry, "gal_")) persistent.push_back(entry);
    }
    std::string written;
    ReadFileBounded(player / kTriggerFile, kMaxFileBytes, written, error);
    if (DecodeTriggerFile(written) != persistent) std::abort();
    return 0;
}
