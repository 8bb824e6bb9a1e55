// The phone story "default.scn" and the rules for reading its lines.
//
// A screen is a "//SCREEN SOUND" line, a line naming the first picture after a six-character
// label, a line naming the second after a ten-character one ("dot.bmp": none), then up to three
// "//IF//TEXT//LABEL" choices, or one "//TEXT//TEXT", or "//END//". A line "//LABEL" is where a
// choice of that label goes on. "SET TRIGGER NAME=VALUE" lines before a screen set a trigger
// when the screen is shown, once: they are then taken out of the list.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "script/script_files.h"

namespace orvane {

inline constexpr char kNecroScriptFile[] = "default.scn";
// The first two lines are not part of the story.
inline constexpr int kNecroFirstScreenLine = 2;

bool IsNecroScreenLine(std::string_view line);
bool IsNecroTriggerLine(std::string_view line);
bool IsNecroChoiceLine(std::string_view line);
bool IsNecroTextLine(std::string_view line);
bool IsNecroEndLine(std::string_view line);

// Runs and removes the trigger lines from `from` up to the next screen line, whose index is
// returned (lines.size() when the story has no further screen).
size_t RunNecroTriggerLines(StringList& lines, size_t from, StringList& triggers);

// Where the next screen is looked for when a text screen at `textLine` is done: two lines after
// the one that follows the text, as the stories are laid out, unless a screen line stands closer.
size_t NextNecroScreenSearch(const StringList& lines, size_t textLine);

// The parts of a screen's lines, without surrounding blanks.
std::string NecroSoundName(std::string_view screenLine);
std::string NecroFirstPicture(std::string_view line);
std::string NecroSecondPicture(std::string_view line);
bool IsNoPicture(std::string_view name);  // "dot.bmp"
// The text of a "//TEXT//" line.
std::string NecroTextOf(std::string_view line);
// A choice as kept: the line without its "//IF//".
std::string NecroChoiceOf(std::string_view line);
// What a kept choice shows, and the label line it leads to ("//" and the label).
std::string_view NecroChoiceText(std::string_view choice);
std::string_view NecroChoiceTarget(std::string_view choice);

// The line whose trimmed text is the trimmed `target`; nothing when there is none or `target` is
// blank.
std::optional<size_t> FindNecroLabel(const StringList& lines, std::string_view target);

// The scene the main script goes on at when the game ends ("_end") or is left from the phone's
// menu ("_off"): of 11, 12, 13, 21, 22 and 23, the last whose trigger "NN_necro" is "1" gives
// "NNxx_necro" + suffix. Empty when none is.
std::string NecroEndingLabel(const StringList& triggers, std::string_view suffix);
// The line of the main script that is "scene " and `label` once trimmed, written as it is (no
// change of case); nothing when there is none.
std::optional<size_t> FindNecroEndingScene(const StringList& script, std::string_view label);

}  // namespace orvane
