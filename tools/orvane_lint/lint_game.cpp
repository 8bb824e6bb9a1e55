#include "base/files.h"
#include "checks.h"
#include "minigames/necro_script.h"
#include "shell/section_files.h"

namespace orvane::lint {
namespace {

StringList ScriptOrEmpty(GameData& data, std::string_view name) {
    return data.Script(name).value_or(StringList{});
}

}  // namespace

void LintGame(const std::filesystem::path& gameDir, const std::filesystem::path& cdDir,
              Findings& findings) {
    GameData data(gameDir, cdDir, findings);
    LintContext c(data, findings);
    if (const auto& master = data.Script(kMasterFile)) {
        c.master = *master;
    } else {
        findings.Error(kMasterFile, 0, "not found, neither loose nor in Orvane.pak");
    }
    if (const auto& catalog = data.Script(kCatalogFile)) {
        c.catalog = *catalog;
    } else {
        findings.Error(kCatalogFile, 0,
                       "not found, neither loose nor in Orvane.pak: no item can be put on the "
                       "stage");
    }
    // The declarations come from the archive alone: a loose "triggers.scn" is the player's own
    // file of persistent triggers, which the engine merges in but never takes for the list.
    if (std::optional<StringList> triggers = data.ArchiveScript(kTriggersFile)) {
        c.triggers = std::move(*triggers);
    } else if (data.HasLooseFile(kTriggersFile)) {
        findings.Warning(kTriggersFile, 0,
                         "is read from Orvane.pak only; the loose file is taken for the "
                         "player's saved triggers, so no trigger is declared");
    }
    c.names = ScriptOrEmpty(data, kNamesFile);
    c.menus = ScriptOrEmpty(data, kMenusFile);
    c.interface = ScriptOrEmpty(data, kInterfaceFile);
    if (const auto& necro = data.Script(kNecroScriptFile)) {
        c.necro = *necro;
        c.hasNecroScript = true;
    }

    GatherAssignments(c);
    LintMaster(c);
    CheckMainMenus(c);
    LintCatalog(c);
    LintPlaylist(c);
    // Data files that no line of the script starts are still the game's: checked on their own.
    if (!c.codeChecked) LintCodeLines(c, 0);
    if (!c.necroChecked && c.hasNecroScript) LintNecroScript(c, 0);
    CheckFixedPictures(c, LintGallery(c));
}

}  // namespace orvane::lint
