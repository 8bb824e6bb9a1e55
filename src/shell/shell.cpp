#include "shell/shell.h"

#include "script/stage.h"
#include "script/triggers.h"

namespace orvane {

std::string Shell::MainMenuVariant() const {
    std::string name = "main_menu1";
    if (GetTrigger(game.Triggers, "sys_1") == "1") name = "main_menu2";
    if (GetTrigger(game.Triggers, "sys_2") == "1") name = "main_menu3";
    if (GetTrigger(game.Triggers, "sys_3") == "1") name = "main_menu4";
    return name;
}

void Shell::GoToMainMenu() {
    // The line must be exactly this text: no trimming, no change of case.
    const std::string line = "set section menu=" + MainMenuVariant();
    const StringList& lines = game.lists.ScriptLines;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] != line) continue;
        ClearStage(game, ClearKind::All);
        game.text.ShownText.clear();
        game.platform.SetTimerEnabled(TimerId::Timer1, false);
        game.ScriptPos = static_cast<int>(i);
        interpreter.RunScript();
        return;
    }
}

}  // namespace orvane
