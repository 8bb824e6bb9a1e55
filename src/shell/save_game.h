// Saving and loading games. A save is an archive of exactly two entries: the state text
// ("temp_.tmp", save_state_text.h) and the thumbnail ("screen_.bmp", a 400 x 300 BMP). It is
// built in memory and written at once into the player's save folder, named after the time.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "audio/sound_player.h"
#include "base/wall_time.h"
#include "render/surface.h"
#include "script/game_state.h"
#include "shell/save_folder.h"
#include "shell/save_state_text.h"

namespace orvane {

// Where the scene of a save is looked for from ScriptPos: back from the in-game menu, forward
// from the journal (whose page is shown before its scene line comes).
enum class SceneSearch { Backward, Forward };

// The scene that a save names: the text after "scene " of the nearest line holding it, from
// ScriptPos in the direction given (backward stops before line 0). Nothing when none is found.
std::optional<std::string> FindSaveScene(const GameState& game, SceneSearch search);

// Writes a save of the game into `folder`, named after `time` (a save of the same minute is
// replaced). SceneName becomes the scene found (it stays when none is); ScriptPos is untouched.
// The thumbnail is the one taken when the menu or the journal opened (game.thumbnailBmp), else
// the back buffer as it is now. Returns the file written, or nothing with the reason in `error`.
// Telling the player and listing the folder again are the caller's.
std::optional<SaveFile> SaveGame(GameState& game, const std::filesystem::path& folder,
                                 SceneSearch search, const WallTime& time, std::string& error);

// Reads a save: its state, after checking that the thumbnail is there and decodes too. Nothing,
// with the reason in `error`, for a damaged save.
std::optional<SavedState> ReadSaveGame(const std::filesystem::path& save, std::string& error);

// Loads the save at `save`: restores its state (ApplyStateText), starts the playlist again from
// its first track at the music volume, blacks out the back buffer and sets ScreenMode to 1. The
// caller then locks clicks and runs the script, which starts the saved scene from its line.
// A damaged save changes nothing: the reason goes to stderr and the result is false.
bool LoadGame(GameState& game, SoundPlayer& sound, const std::filesystem::path& save);

// The thumbnail of a save as the load screen shows it: 400 x 300, the picture at its top left.
// A damaged save gives a black one and false, with the reason in `error`.
bool ReadSaveThumbnail(const std::filesystem::path& save, Surface& thumbnail, std::string& error);

}  // namespace orvane
