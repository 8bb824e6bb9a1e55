// gallery.scn, read one line at a time by the gallery's own reader, so that each line it leaves
// out is reported at its place.
#include "base/text.h"
#include "checks.h"
#include "line_checker.h"
#include "minigames/card_game.h"
#include "script/triggers.h"
#include "shell/gallery_entries.h"

namespace orvane::lint {
namespace {

// Whether anything can make the trigger hold "yes", which alone unlocks the picture.
bool CanUnlock(const LintContext& c, const std::string& trigger) {
    const std::string prefix = trigger + "=";
    for (const std::string& assignment : c.assignments) {
        if (StartsWith(assignment, prefix) && Contains(assignment.substr(prefix.size()), "yes")) {
            return true;
        }
    }
    if (Contains(GetTrigger(c.triggers, trigger), "yes")) return true;
    if (!CardsReachable(c)) return false;
    for (const std::string& prize : CardPrizeTriggers()) {
        if (prize == trigger) return true;
    }
    return false;
}

}  // namespace

bool LintGallery(LintContext& c) {
    const std::optional<StringList>& lines = c.data.Script(kGalleryFile);
    if (!lines) return false;
    bool hasEntries = false;
    for (size_t k = 0; k < lines->size(); ++k) {
        const std::string& line = (*lines)[k];
        if (line.empty()) continue;
        const int number = static_cast<int>(k) + 1;
        LineChecker check(c, kGalleryFile, number);
        const std::vector<GalleryEntry> entry = ReadGalleryEntries({line});
        if (entry.empty()) {
            check.Error("is not TRIGGER:PICTURE; the gallery leaves the line out");
            continue;
        }
        hasEntries = true;
        check.Picture(entry[0].picture);
        if (!CheckDeclared(c, kGalleryFile, number, entry[0].trigger,
                           "the picture is never unlocked")) {
            continue;
        }
        if (!CanUnlock(c, entry[0].trigger)) {
            check.Warning("nothing sets trigger " + Quoted(entry[0].trigger) +
                          " to a value holding \"yes\"; the picture stays locked");
        }
    }
    return hasEntries;
}

}  // namespace orvane::lint
