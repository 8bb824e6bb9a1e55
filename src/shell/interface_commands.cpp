#include "shell/interface_commands.h"

#include "archive/cursor_decoder.h"
#include "base/decimal.h"
#include "base/files.h"
#include "base/log.h"
#include "base/text.h"
#include "script/command_params.h"
#include "script/script_files.h"
#include "script/stage_records.h"
#include "shell/shell.h"

namespace orvane {
namespace {

constexpr char kInterfaceFile[] = "interface.scn";
// A cursor file holds a few small pictures; anything this large is not one.
constexpr size_t kMaxCursorFileBytes = size_t{4} << 20;

// What follows the first `count` fields of a ":" record, colons and all; empty when there is
// nothing more.
std::string_view AfterFields(std::string_view record, int count) {
    size_t at = 0;
    for (int field = 0; field < count; ++field) {
        const size_t colon = record.find(':', at);
        if (colon == std::string_view::npos) return {};
        at = colon + 1;
    }
    return record.substr(at);
}

}  // namespace

void InterfaceCommands::SetInterface(std::string_view line) {
    GameState& game = shell_.game;
    ClearStage(game, ClearKind::Interface);
    const std::string section(RestOf(line, "set interface ").value_or(""));
    StringList& lines = game.lists.TextDefaults;
    lines.clear();
    LoadScriptFile(game.folders.gameDir, kInterfaceFile, lines);
    size_t at = 0;
    while (at < lines.size() && !StartsWith(lines[at], section)) ++at;
    if (at == lines.size()) {
        LogError(std::string(kInterfaceFile) + " has no section \"" + Cp1251ToUtf8(section) + "\"");
    }
    // LEVEL:NAME:X:Y:FLAG:REST, up to the line "end".
    for (++at; at < lines.size() && Trim(lines[at]) != "end"; ++at) {
        const std::string_view item = lines[at];
        if (Trim(item).empty()) continue;
        std::vector<std::string_view> fields = SplitFields(item, ':');
        const std::optional<int32_t> level =
            fields.size() >= 5 ? ParseDecimal(fields[0]) : std::nullopt;
        if (!level) {
            LogError(std::string(kInterfaceFile) + ": the item \"" + Cp1251ToUtf8(item) +
                     "\" is not LEVEL:NAME:X:Y:FLAG; it is left out");
            continue;
        }
        const std::string name(fields[1]), x(fields[2]), y(fields[3]);
        if (fields[4] != "0") {
            const std::string rest(AfterFields(item, 5));
            game.stage.InterfaceItems.push_back(name + ":" + x + ":" + y + ":" + rest);
        }
        AddStageItem(game, name, *level, 255, ":" + x + ":" + y);
    }
    game.stage.InterfaceShown = true;
}

void InterfaceCommands::SetCursor(std::string_view line) {
    const std::string file(Trim(RestOf(line, "set cursor=").value_or("")));
    if (LoadCursor(file, true)) CursorFile = file;
}

bool InterfaceCommands::LoadCursor(std::string_view file, bool reportMissing) {
    GameState& game = shell_.game;
    const std::string shown = Cp1251ToUtf8(file);
    const std::optional<std::filesystem::path> path = FindLooseFile(game.folders.gameDir, file);
    if (!path) {
        if (reportMissing) LogError("the cursor file " + shown + " is not in the game folder");
        return false;
    }
    std::string bytes, error;
    CursorPicture cursor;
    if (!ReadFileBounded(*path, kMaxCursorFileBytes, bytes, error) ||
        !DecodeCursor(bytes, cursor, error)) {
        LogError("cursor " + shown + ": " + error + "; the pointer stays as it was");
        return false;
    }
    game.platform.SetCursor(cursor.picture, cursor.hotX, cursor.hotY);
    return true;
}

}  // namespace orvane
