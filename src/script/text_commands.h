// The dialogue commands: the text defaults, "set text", "set selection text" and "set enter ",
// and the typewriter and caret ticks that show what they set up.
#pragma once

#include <string_view>

#include "script/game_state.h"
#include "script/script_hooks.h"

namespace orvane {

inline constexpr char kTextDefaultsFile[] = "default_text.scn";

// The ten lines of "default_text.scn", each with its key cut off by a fixed count.
TextDefaults ParseTextDefaults(const StringList& lines);
// Sets every text setting from the defaults: position, fonts, speed, spacing, lines, click.
void ApplyTextDefaults(GameState& game);

// "set text": sets the text up and starts typing it. The script then waits for a click.
void SetText(GameState& game, ScriptHooks& hooks, std::string_view line);
// The settings of a "set text" line are read before its "text=": what the text says is never
// taken for a setting.
std::string_view TextSettingsPart(std::string_view line);
void SetSelectionText(GameState& game);
void SetEnter(GameState& game, std::string_view line);

// Replaces every /vVAR/ by the value of the name variable VAR; an unknown variable is removed.
std::string ReplaceNameVariables(std::string_view text, const StringList& names);

// The typewriter (Timer1) and the name-entry caret (Timer4).
void TypewriterTick(GameState& game);
void CaretTick(GameState& game);

// Shows the rest of the current page at once (a click while typing).
void FinishPage(GameState& game);
// Starts typing the next page (a click when a full page is shown and more text follows).
void StartNextPage(GameState& game);

}  // namespace orvane
