// The game state a save holds, as the text the game has always written: the scene name and the
// names, then six sections after lines of "----" (stage items, moves, menu items, triggers,
// interface items, cycles), every line ending CR LF. Inside the save every byte is stored one
// less (modulo 256).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "script/game_state.h"

namespace orvane {

// The name of the state text inside a save.
inline constexpr char kStateEntryName[] = "temp_.tmp";

// What a state text restores. The cycles section is written but never read back: the scene
// that a load starts again sets up its own.
struct SavedState {
    std::string sceneName;
    StringList names;
    StringList stageItems;  // as the lists were held, empty entries included
    StringList moves;
    StringList menuItems;
    StringList triggers;
    StringList interfaceItems;

    bool operator==(const SavedState&) const = default;
};

// The state text of `game` (CP1251, plain). Triggers that hold "sys_" or "gal_" belong to the
// player's installation, not to one game, and are left out.
std::string StateText(const GameState& game);
// Plain text to stored bytes and back.
std::string EncodeStateText(std::string_view plain);
std::string DecodeStateText(std::string_view stored);

// Reads the stored bytes of a state text. Nothing, with the reason in `error`, when they are
// not one (no scene line, sections missing).
std::optional<SavedState> ReadStateText(std::string_view stored, std::string& error);

// Puts the saved lists in place of the game's: names, stage items, moves, menu items and
// interface items are replaced and the cycles emptied; the triggers keep their "sys_" and "gal_"
// entries and take the saved ones after them. ScriptPos goes to the scene's line when the
// script has one and stays where it was otherwise.
void ApplyStateText(GameState& game, const SavedState& saved);

// The index of the last line of `lines` that, trimmed, reads "scene NAME" (letter case aside).
std::optional<int> FindLastSceneLine(const StringList& lines, std::string_view sceneName);

}  // namespace orvane
