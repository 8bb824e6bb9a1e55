// What every check of a game shares: its files, what was found so far, the lists the engine
// loads at start-up, and the facts gathered from the whole script before the lines are checked.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "findings.h"
#include "game_data.h"
#include "script/scene_index.h"
#include "script/script_files.h"

namespace orvane::lint {

inline constexpr char kMasterFile[] = "master.scn";
inline constexpr char kCatalogFile[] = "objects.scn";
inline constexpr char kTriggersFile[] = "triggers.scn";
inline constexpr char kNamesFile[] = "names.scn";
inline constexpr char kCodeFile[] = "code.scn";
inline constexpr char kPlaylistFile[] = "playlist.scn";
inline constexpr char kGalleryFile[] = "gallery.scn";

struct LintContext {
    LintContext(GameData& gameData, Findings& found) : data(gameData), findings(found) {}

    GameData& data;
    Findings& findings;
    StringList master;     // master.scn
    StringList catalog;    // objects.scn
    StringList triggers;   // triggers.scn as the archive declares it
    StringList names;      // names.scn
    StringList menus;      // menus.scn
    StringList interface;  // interface.scn
    StringList necro;      // default.scn
    bool hasNecroScript = false;

    // Every trigger name that some line assigns: "set trigger", the actions of "if", and the
    // phone game's trigger lines; with the values assigned, NAME=VALUE.
    std::set<std::string> assignedNames;
    std::set<std::string> assignments;
    // The menus and interface sections already checked, so each is reported once.
    std::set<std::string> checkedMenus;
    std::set<std::string> checkedInterfaces;
    // The shell's own actions ("cards", "gallery", ...) that items of the menus shown perform,
    // each with the menus.scn line of its first item.
    std::map<std::string, int> menuActions;
    int mainMenuLine = 0;  // the first line that shows a main menu, 0 when none does
    bool codeChecked = false;
    bool necroChecked = false;

    // The label line of scene `name` by the engine's own matching.
    std::optional<int> FindScene(std::string_view name) { return scenes.Find(master, 0, name); }
    // A catalogue line NAME:FILE for exactly `name`, or one whose name begins with `prefix`.
    bool InCatalog(std::string_view name) const;
    bool CatalogHasPrefix(std::string_view prefix) const;
    // Whether triggers.scn declares `name` (an entry beginning NAME=).
    bool Declared(std::string_view name) const;

    SceneIndex scenes;
};

}  // namespace orvane::lint
