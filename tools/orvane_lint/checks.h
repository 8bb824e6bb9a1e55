// The checks, one group a file. Each reports what it finds into the context's findings.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "lint_context.h"
#include "script/command_table.h"

namespace orvane::lint {

// The whole game folder; `cdDir` holds "Sounds.pak".
void LintGame(const std::filesystem::path& gameDir, const std::filesystem::path& cdDir,
              Findings& findings);

// master.scn line by line: the command each line is taken for, blocks, and each command's
// parameters (command_checks.cpp).
void LintMaster(LintContext& c);
void CheckCommand(LintContext& c, Command command, const std::string& line, int number);

// Jumps, triggers and conditions.
void GatherAssignments(LintContext& c);
void CheckJump(LintContext& c, std::string_view file, int number, std::string_view target);
void CheckAssignment(LintContext& c, std::string_view file, int number,
                     std::string_view assignment);
// Whether triggers.scn declares `name`; else an error that ends in `consequence`.
bool CheckDeclared(LintContext& c, std::string_view file, int number, std::string_view name,
                   std::string_view consequence);
void CheckCondition(LintContext& c, int number, std::string_view condition);
// The scenes that the phone game's ending triggers can choose, from the line "game=necro".
void CheckNecroEndings(LintContext& c, int number);

// Sections of menus.scn and interface.scn named by the script, and the main menu's lines.
void CheckMenu(LintContext& c, int number, std::string_view name);
void CheckMainMenus(LintContext& c);
void CheckInterface(LintContext& c, int number, std::string_view section);

// The data files: the catalogue, the code puzzle's lines, the playlist, the phone story.
void LintCatalog(LintContext& c);
void LintCodeLines(LintContext& c, int gameLine);
void CheckTrack(LintContext& c, std::string_view file, int number, std::string_view name);
void LintPlaylist(LintContext& c);
void LintNecroScript(LintContext& c, int gameLine);
// gallery.scn by the gallery's own reader; whether it has an entry to show.
bool LintGallery(LintContext& c);

// Whether a card game can start: a line "game=cards", or a menu item that starts one.
bool CardsReachable(const LintContext& c);
// The pictures the screens that the game can reach load by their own names.
void CheckFixedPictures(LintContext& c, bool galleryHasEntries);

}  // namespace orvane::lint
