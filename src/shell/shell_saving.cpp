// Saving a game, shared by the in-game menu and the journal.
#include "base/log.h"
#include "shell/shell.h"

namespace orvane {

std::optional<SaveFile> Shell::SaveGameNow(SceneSearch search) {
    if (!saveFolder) {
        LogError("the game cannot be saved: there is no save folder");
        return std::nullopt;
    }
    std::string error;
    std::optional<SaveFile> saved =
        SaveGame(game, *saveFolder, search, game.platform.WallClock(), error);
    if (!saved) {
        LogError("the game cannot be saved: " + error);
        return std::nullopt;
    }
    if (!ScanSaveFolder(*saveFolder, SaveGames)) LogError("the save folder cannot be listed");
    return saved;
}

}  // namespace orvane
