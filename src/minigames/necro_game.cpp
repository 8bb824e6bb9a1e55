// The phone game's states and what each key does in them.
#include "minigames/necro_game.h"

#include "base/log.h"
#include "base/text.h"
#include "minigames/necro_keys.h"
#include "minigames/necro_script.h"
#include "render/display.h"
#include "script/stage.h"
#include "shell/shell.h"

namespace orvane {
namespace {

constexpr int kPhoneMode = 4;
constexpr int kTypingMs = 100;

enum MenuItem { kStartItem = 1, kHelpItem = 4, kLeaveItem = 5 };
enum PauseOption { kLeaveOption = 1, kGoBackOption = 2 };

}  // namespace

bool NecroGame::Start() {
    GameState& game = shell_.game;
    StringList lines;
    if (!LoadScriptFile(game.folders.gameDir, kNecroScriptFile, lines)) {
        LogError(std::string("there is no ") + kNecroScriptFile + "; the phone game is skipped");
        return false;
    }
    NecroState = kMainMenu;
    NecroLines = std::move(lines);
    ClearStage(game, ClearKind::All);
    NecroOptions = {};
    optionCount_ = 0;
    NecroOption = 0;
    NecroKey = 0;
    typing_.Clear();
    game.platform.SetTimerEnabled(TimerId::NecroTimer1, false);
    // A sound of an earlier game has long ended: the first screen's sound plays even if it is
    // the same one.
    NecroLastSound.clear();
    shell_.sound.ForgetEffect();

    ShowTitles();
    game.ScreenMode = kPhoneMode;
    game.platform.SetTimerInterval(TimerId::NecroTimer1, kTypingMs);
    NecroPos = kNecroFirstScreenLine;
    NecroMenuItem = 1;
    DrawMainMenu();
    Show();
    return true;
}

void NecroGame::Click(int x, int y) {
    // The key under the pointer is the one pressed, even when no move came before the press.
    Hover(x, y);
    switch (NecroState) {
        case kMainMenu:
            return MainMenuKey(NecroKey);
        case kHelp:
            return BackToMainMenu();
        case kTextScreen:
            return TextScreenKey(NecroKey);
        case kChoiceScreen:
            return ChoiceKey(NecroKey);
        case kPauseMenu:
            return PauseMenuKey(NecroKey);
    }
}

void NecroGame::Hover(int x, int y) {
    const NecroKeyArea key = NecroKeyAt(x, y);
    if (key.key == NecroKey && key.area.left == litArea_.left && key.area.top == litArea_.top) {
        return;
    }
    NecroKey = key.key;
    litArea_ = key.area;
    LightKey();
    Show();
}

void NecroGame::MainMenuKey(int key) {
    switch (key) {
        case kNecroDown:
            NecroMenuItem = NecroMenuItem % kMenuItems + 1;
            DrawMainMenu();
            return Show();
        case kNecroUp:
            NecroMenuItem = (NecroMenuItem + kMenuItems - 2) % kMenuItems + 1;
            DrawMainMenu();
            return Show();
        case kNecroRight:
            return ToggleSound();
        case kNecroSelect:
            if (NecroMenuItem == kStartItem) return ShowNecroScreen(static_cast<size_t>(NecroPos));
            if (NecroMenuItem == kHelpItem) {
                NecroState = kHelp;
                DrawHelp();
                return Show();
            }
            if (NecroMenuItem == kLeaveItem) return Leave("_off");
            return;
    }
}

void NecroGame::TextScreenKey(int key) {
    Platform& platform = shell_.game.platform;
    if (key == kNecroUp) return OpenPauseMenu();
    if (key == kNecroRight) return ToggleSound();
    if (key != kNecroDown && key != kNecroSelect) return;
    if (platform.timers().Enabled(TimerId::NecroTimer1)) {
        typing_.FinishPage([this](std::string_view line, int number, size_t first) {
            DrawTypedLine(line, number, first);
        });
        platform.SetTimerEnabled(TimerId::NecroTimer1, false);
        return Show();
    }
    if (!NecroText().empty()) {
        // The page was full: the next one is typed on a clean display.
        DrawDisplay();
        typing_.Restart();
        platform.SetTimerEnabled(TimerId::NecroTimer1, true);
        return Show();
    }
    NextAfterText();
}

void NecroGame::NextAfterText() {
    const size_t textLine = static_cast<size_t>(NecroPos);
    const size_t next = textLine + 1;
    if (PastTheEnd(next) || IsNecroEndLine(NecroLines[next])) return EndNecro();
    if (IsNecroTextLine(NecroLines[next])) {
        NecroPos = static_cast<int>(next);
        DrawDisplay();
        StartTyping(NecroTextOf(NecroLines[next]));
        return Show();
    }
    if (IsNecroChoiceLine(NecroLines[next])) {
        NecroPos = static_cast<int>(next);
        DrawDisplay();
        ReadChoices();
        return;
    }
    ShowNecroScreen(NextNecroScreenSearch(NecroLines, textLine));
}

void NecroGame::ChoiceKey(int key) {
    const int count = optionCount();
    if (count == 0) return;
    if (key == kNecroRight) return ToggleSound();
    if (key == kNecroSelect) return PickChoice();
    if (key == kNecroUp)
        NecroOption = (NecroOption + count - 2) % count + 1;
    else if (key == kNecroDown)
        NecroOption = NecroOption % count + 1;
    else
        return;
    DrawDisplay();
    DrawOptions();
    Show();
}

void NecroGame::PickChoice() {
    const std::string& option = NecroOptions[static_cast<size_t>(NecroOption - 1)];
    const std::string_view target = NecroChoiceTarget(option);
    const std::optional<size_t> label = FindNecroLabel(NecroLines, target);
    if (!label) {
        LogError(std::string(kNecroScriptFile) + " has no line \"" + Cp1251ToUtf8(target) +
                 "\" for the choice \"" + Cp1251ToUtf8(NecroChoiceText(option)) +
                 "\"; the choice stays on the phone");
        return;
    }
    ShowNecroScreen(*label + 1);
}

void NecroGame::PauseMenuKey(int key) {
    if (key == kNecroLeft || key == kNecroRight) {
        NecroOption = NecroOption == kLeaveOption ? kGoBackOption : kLeaveOption;
        DrawPauseMenu();
        return Show();
    }
    if (key != kNecroSelect) return;
    if (NecroOption == kLeaveOption) return BackToMainMenu();
    // Back to the text screen as it was when the menu opened; its typing goes on.
    RestoreSavedFrame();
    NecroState = kTextScreen;
    Show();
}

void NecroGame::ToggleSound() {
    soundOn = !soundOn;
    if (!soundOn) {
        shell_.sound.StopEffect();
    } else if (!NecroLastSound.empty()) {
        shell_.sound.PlayEffect(NecroLastSound);
    }
}

void NecroGame::PlaySound(const std::string& name) {
    if (name.empty() || name == NecroLastSound) return;
    NecroLastSound = name;
    if (soundOn) shell_.sound.PlayEffect(name);
}

bool NecroGame::PastTheEnd(size_t line) const {
    if (line < NecroLines.size()) return false;
    LogError(std::string(kNecroScriptFile) +
             " ends without \"//END//\"; the phone game ends there");
    return true;
}

void NecroGame::ShowNecroScreen(size_t from) {
    GameState& game = shell_.game;
    NecroOptions = {};
    optionCount_ = 0;
    NecroState = kTextScreen;
    typing_.Clear();
    game.platform.SetTimerEnabled(TimerId::NecroTimer1, false);
    const size_t screen = RunNecroTriggerLines(NecroLines, from, game.Triggers);
    // A screen needs its own line and the two picture lines after it.
    if (PastTheEnd(screen + 2)) return EndNecro();
    NecroPos = static_cast<int>(screen);
    PlaySound(NecroSoundName(NecroLines[screen]));
    first_ = LoadScreenPicture(kFirstPictureSlot, NecroFirstPicture(NecroLines[screen + 1]), true);
    const std::string second = NecroSecondPicture(NecroLines[screen + 2]);
    hasSecond_ = !IsNoPicture(second);
    if (hasSecond_) second_ = LoadScreenPicture(kSecondPictureSlot, second, false);
    NecroPos = static_cast<int>(screen + 3);
    DrawDisplay();
    NecroOption = 0;
    if (ReadChoices()) return;
    const size_t at = static_cast<size_t>(NecroPos);
    if (at < NecroLines.size() && IsNecroTextLine(NecroLines[at])) {
        StartTyping(NecroTextOf(NecroLines[at]));
        return Show();
    }
    Show();
    if (PastTheEnd(at) || IsNecroEndLine(NecroLines[at])) EndNecro();
}

bool NecroGame::ReadChoices() {
    NecroOptions = {};
    optionCount_ = 0;
    while (optionCount_ < kMaxOptions && static_cast<size_t>(NecroPos) < NecroLines.size() &&
           IsNecroChoiceLine(NecroLines[static_cast<size_t>(NecroPos)])) {
        NecroOptions[static_cast<size_t>(optionCount_++)] =
            NecroChoiceOf(NecroLines[static_cast<size_t>(NecroPos)]);
        ++NecroPos;
    }
    if (optionCount_ == 0) return false;
    NecroOption = 1;
    NecroState = kChoiceScreen;
    DrawOptions();
    Show();
    return true;
}

void NecroGame::StartTyping(std::string_view text) {
    typing_.Begin(text);
    shell_.game.platform.SetTimerEnabled(TimerId::NecroTimer1, true);
}

void NecroGame::TypingTick() {
    GameState& game = shell_.game;
    if (game.Suspended) return;
    if (game.ScreenMode != kPhoneMode) {
        // The phone was left through the in-game menu: nothing is typed on other screens.
        game.platform.SetTimerEnabled(TimerId::NecroTimer1, false);
        return;
    }
    if (NecroState == kPauseMenu) return;
    bool drawn = false;
    const bool typing = typing_.Tick([&](std::string_view line, int number, size_t first) {
        DrawTypedLine(line, number, first);
        drawn = true;
    });
    if (!typing) game.platform.SetTimerEnabled(TimerId::NecroTimer1, false);
    if (drawn) Show();
}

void NecroGame::BackToMainMenu() {
    NecroPos = kNecroFirstScreenLine;
    NecroMenuItem = 1;
    typing_.Clear();
    shell_.game.platform.SetTimerEnabled(TimerId::NecroTimer1, false);
    DrawMainMenu();
    Show();
    NecroState = kMainMenu;
}

void NecroGame::Leave(std::string_view suffix) {
    GameState& game = shell_.game;
    const std::string label = NecroEndingLabel(game.Triggers, suffix);
    typing_.Clear();
    game.platform.SetTimerEnabled(TimerId::NecroTimer1, false);
    ClearStage(game, ClearKind::All);
    game.text.ShownText.clear();
    game.platform.SetTimerEnabled(TimerId::Timer1, false);
    game.ScreenMode = 1;
    if (!label.empty()) {
        if (const std::optional<size_t> at = FindNecroEndingScene(game.lists.ScriptLines, label)) {
            game.ScriptPos = static_cast<int>(*at);
        } else {
            LogError("the script has no line \"scene " + label +
                     "\"; it goes on after \"game=necro\"");
        }
    }
    shell_.interpreter.RunScript();
}

}  // namespace orvane
