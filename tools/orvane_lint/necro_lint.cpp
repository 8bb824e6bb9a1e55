// The phone game's story "default.scn", read by the phone game's own line rules.
#include "base/text.h"
#include "checks.h"
#include "line_checker.h"
#include "minigames/necro_script.h"

namespace orvane::lint {

void LintNecroScript(LintContext& c, int gameLine) {
    c.necroChecked = true;
    if (!c.hasNecroScript) {
        LineChecker(c, kMasterFile, gameLine)
            .Error(
                "default.scn is not found; the phone game has "
                "no story");
        return;
    }
    const StringList& lines = c.necro;
    for (size_t k = kNecroFirstScreenLine; k < lines.size(); ++k) {
        const std::string& line = lines[k];
        LineChecker check(c, kNecroScriptFile, static_cast<int>(k) + 1);
        if (IsNecroScreenLine(line)) {
            const std::string sound = NecroSoundName(line);
            if (!sound.empty() && !c.data.HasLooseFile(sound)) {
                check.Error("sound " + Quoted(sound) +
                            " is not in the game folder (the phone plays loose files only)");
            }
            if (k + 2 >= lines.size()) {
                check.Error("the screen lacks its two picture lines");
                continue;
            }
            LineChecker(c, kNecroScriptFile, static_cast<int>(k) + 2)
                .Picture(NecroFirstPicture(lines[k + 1]));
            const std::string second = NecroSecondPicture(lines[k + 2]);
            if (!IsNoPicture(second)) {
                LineChecker(c, kNecroScriptFile, static_cast<int>(k) + 3).Picture(second);
            }
        } else if (IsNecroChoiceLine(line)) {
            const std::string choice = NecroChoiceOf(line);
            const std::string_view target = NecroChoiceTarget(choice);
            if (target.empty()) {
                check.Error("the choice has no \"//LABEL\" to go to");
            } else if (!FindNecroLabel(lines, target)) {
                check.Error("the choice goes to " + Quoted(target) + ", but no line is that label");
            }
        } else if (IsNecroTriggerLine(line)) {
            const std::string lower = LowerCaseCp1251(line);
            const std::string entry(Trim(lower.substr(lower.find("set trigger") + 11)));
            const size_t eq = entry.find('=');
            CheckAssignment(c, kNecroScriptFile, static_cast<int>(k) + 1,
                            eq == std::string::npos ? entry
                                                    : std::string(Trim(entry.substr(0, eq))) + "=" +
                                                          std::string(Trim(entry.substr(eq + 1))));
        }
    }
}

}  // namespace orvane::lint
