#include "shell/interface_commands.h"

#include "archive/cursor_decoder.h"
#include "base/files.h"
#include "base/log.h"
#include "base/text.h"
#include "script/command_params.h"
#include "script/script_files.h"
#include "shell/section_files.h"
#include "shell/shell.h"

namespace orvane {
namespace {

// A cursor file holds a few small pictures; anything this large is not one.
constexpr size_t kMaxCursorFileBytes = size_t{4} << 20;

}  // namespace

void InterfaceCommands::SetInterface(std::string_view line) {
    GameState& game = shell_.game;
    ClearStage(game, ClearKind::Interface);
    const std::string section(RestOf(line, "set interface ").value_or(""));
    StringList& lines = game.lists.TextDefaults;
    lines.clear();
    LoadScriptFile(game.folders.gameDir, kInterfaceFile, lines);
    const std::optional<InterfaceSection> found = FindInterfaceSection(lines, section);
    if (!found) {
        LogError(std::string(kInterfaceFile) + " has no section \"" + Cp1251ToUtf8(section) + "\"");
    }
    const size_t first = found ? found->header + 1 : 0, end = found ? found->end : 0;
    for (size_t at = first; at < end; ++at) {
        const std::string_view text = lines[at];
        if (Trim(text).empty()) continue;
        const std::optional<InterfaceItemLine> item = ParseInterfaceItemLine(text);
        if (!item) {
            LogError(std::string(kInterfaceFile) + ": the item \"" + Cp1251ToUtf8(text) +
                     "\" is not LEVEL:NAME:X:Y:FLAG; it is left out");
            continue;
        }
        if (item->flag != "0") {
            game.stage.InterfaceItems.push_back(item->name + ":" + item->x + ":" + item->y + ":" +
                                                item->rest);
        }
        AddStageItem(game, item->name, item->level, 255, ":" + item->x + ":" + item->y);
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
