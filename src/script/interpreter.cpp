#include "script/interpreter.h"

#include <algorithm>

#include "base/log.h"
#include "base/text.h"
#include "render/display.h"
#include "render/screen_fade.h"
#include "script/command_params.h"
#include "script/conditions.h"
#include "script/text_commands.h"

namespace orvane {
namespace {

// A run that executes this many lines, or takes this many jumps, without waiting for anything
// is a script stuck in a loop; it is stopped rather than hanging the game. No scene of a game
// jumps more than a handful of times between two clicks.
constexpr long kMaxLinesPerRun = 1'000'000;
constexpr int kMaxJumpsPerRun = 10'000;

void ReportLoop(int index, std::string_view what, long count) {
    LogError(std::string(kScriptFileName) + ":" + std::to_string(index + 1) + ": the script " +
             std::string(what) + " without waiting (" + std::to_string(count) +
             " in one run); it is stopped here");
}

}  // namespace

void Interpreter::RunScript() {
    // However the run ends, the script now waits: what it drew must be on screen.
    struct ShowOnReturn {
        GameState& game;
        ~ShowOnReturn() { ReleasePresents(game.slots, game.platform); }
    } showOnReturn{game_};
    memory_ = RunMemory{};
    jumpsInRun_ = 0;
    const StringList& lines = game_.lists.ScriptLines;
    for (long executed = 0;; ++executed) {
        const int i = game_.ScriptPos;
        if (i < 0 || i >= static_cast<int>(lines.size())) return;
        if (executed == kMaxLinesPerRun) {
            ReportLoop(i, "keeps running lines", kMaxLinesPerRun);
            return;
        }
        game_.ScriptPos = i + 1;
        const std::string line(Trim(lines[static_cast<size_t>(i)]));
        if (Execute(line, i) == Flow::Stop) return;
        if (jumpsInRun_ >= kMaxJumpsPerRun) {
            ReportLoop(i, "keeps jumping", jumpsInRun_);
            return;
        }
    }
}

std::optional<int> Interpreter::FindScene(std::string_view name) const {
    return scenes_.Find(game_.lists.ScriptLines, game_.lists.scriptEdits, name);
}

bool Interpreter::JumpTo(std::string_view name) {
    const std::optional<int> target = FindScene(name);
    if (!target) return false;
    ++jumpsInRun_;
    game_.ScriptPos = *target;
    // The target runs as a run of its own, with nothing remembered from this one.
    memory_ = RunMemory{};
    return true;
}

Interpreter::Flow Interpreter::Execute(const std::string& line, int index) {
    if (StartsWith(line, "scene ")) {
        ClearStage(game_, ClearKind::All);
        game_.SceneName = std::string(Trim(std::string_view(line).substr(6)));
    }
    if (StartsWith(line, "set delay=")) {
        NumberReader numbers(kScriptFileName, index, line);
        if (auto ms = numbers.Read(line.substr(10), "delay")) {
            ReleasePresents(game_.slots, game_.platform);
            game_.platform.Sleep(*ms);
        }
        return Flow::Continue;
    }
    if (StartsWith(line, "clear all")) ClearStage(game_, ClearKind::All);
    return ExecuteFromDelay(line, index);
}

Interpreter::Flow Interpreter::ExecuteFromDelay(const std::string& line, int index) {
    Stage& stage = game_.stage;
    if (line.empty() || StartsWith(line, "--")) return Flow::Continue;
    if (StartsWith(line, "qmove ")) {
        Qmove(line, index);
        return Flow::Continue;
    }
    if (StartsWith(line, "set spacing")) {
        SetSpacing(line, index);
        return Flow::Continue;
    }
    if (StartsWith(line, "clear level=")) {
        ClearLevel(line, index);
        return Flow::Continue;
    }
    // "reload objects" and "set menu=" do nothing: such a line goes on through the tests.
    if (Contains(line, "set cycle ")) {
        SetCycle(line, index);
        return Flow::Continue;
    }
    if (Contains(line, "set journal") && line.size() == 11) {
        hooks_.OpenJournal();
        return Flow::Stop;
    }
    if (Contains(line, "if ")) {
        if (const std::optional<std::string> target = ApplyIf(line, game_.Triggers)) {
            JumpTo(*target);
        }
        return Flow::Continue;
    }
    if (Contains(line, "goto ")) {
        JumpTo(Trim(*RestOf(line, "goto ")));
        return Flow::Continue;
    }
    if (Contains(line, "set trigger")) {
        SetTriggerLine(game_.Triggers, line);
        return Flow::Continue;
    }
    if (StartsWith(line, "set sfx volume=")) {
        AdjustVolume(line, index, game_.SfxVolumeLevel);
        return Flow::Continue;
    }
    if (StartsWith(line, "set dissolve=") || StartsWith(line, "set fade=")) {
        // The transition runs to its end, then the script goes on from the next line as a new
        // run, which is what running the interpreter afresh from the effect amounts to.
        Transition(line, index, StartsWith(line, "set dissolve="));
        memory_ = RunMemory{};
        return Flow::Continue;
    }
    if (StartsWith(line, "set volume=")) {
        game_.VolumeLevel = 1;
        AdjustVolume(line, index, game_.VolumeLevel);
        return Flow::Continue;
    }
    if (StartsWith(line, "rightbutton=yes") || StartsWith(line, "rightbutton=no")) {
        stage.RightButtonAllowed = StartsWith(line, "rightbutton=yes");
        return Flow::Continue;
    }
    if (StartsWith(line, "quake")) return Quake(line, index);
    if (Contains(line, "set enter ")) {
        SetEnter(game_, line);
        return Flow::Stop;
    }
    if (Contains(line, "set text")) {
        SetText(game_, hooks_, line);
        return Flow::Stop;
    }
    if (Contains(line, "set cursor=")) {
        hooks_.SetCursor(line);
        return Flow::Continue;
    }
    if (Contains(line, "set playlist")) {
        ReadPlaylistBlock();
        hooks_.StartPlaylist();
        ComposeFrame(game_);
        return Flow::Continue;
    }
    // "set music" does nothing either.
    // The clearing commands, in the order they are tested; "delete cycle " stands among them.
    constexpr std::pair<const char*, std::optional<ClearKind>> kClears[] = {
        {"clear interface", ClearKind::Interface}, {"clear objects", ClearKind::Objects},
        {"delete cycle ", std::nullopt},           {"clear bg", ClearKind::Backgrounds},
        {"clear characters", ClearKind::Characters}, {"clear keys", ClearKind::Scroll},
        {"clear cycles", ClearKind::Cycles},
    };
    for (const auto& [keyword, kind] : kClears) {
        if (!Contains(line, keyword)) continue;
        if (kind) {
            ClearStage(game_, *kind);
        } else {
            DeleteCycle(line);
        }
        ComposeFrame(game_);
        return Flow::Continue;
    }
    if (Contains(line, "set object ")) return SetItem(line, index, "object");
    if (Contains(line, "set selection text")) {
        SetSelectionText(game_);
        hooks_.ShowSelection(line);
        return Flow::Stop;
    }
    if (Contains(line, "delete journal") && line.size() == 14) {
        ClearStage(game_, ClearKind::All);
        return Flow::Continue;
    }
    if (Contains(line, "delete ")) return DeleteItem(line);
    if (Contains(line, "set bg ")) return SetItem(line, index, "bg");
    if (Contains(line, "set character ")) return SetItem(line, index, "character");
    if (Contains(line, "set interface")) {
        hooks_.SetInterface(line);
        return Flow::Continue;
    }
    if (Contains(line, "set scroll ")) {
        const std::string_view value = *RestOf(line, "set scroll ");
        const size_t colon = value.find(':');
        NumberReader numbers(kScriptFileName, index, line);
        const auto steps = numbers.ReadList(
            colon == std::string_view::npos ? "" : value.substr(colon + 1), 2, "scroll step");
        if (steps) {
            stage.ScrollKind = std::string(value.substr(0, colon));
            stage.ScrollStepX = (*steps)[0];
            stage.ScrollStepY = (*steps)[1];
        }
        return Flow::Continue;
    }
    if (Contains(line, "set section menu=")) {
        game_.ScriptPos = index;
        hooks_.ShowSectionMenu(line);
        return Flow::Stop;
    }
    if (Contains(line, "move ")) return Move(line, index);
    if (Contains(line, "set opacity")) return SetOpacity(line, index);
    if (Contains(line, "set pause")) {
        game_.Paused = true;
        return Flow::Stop;
    }
    if (line == "end") return Flow::Stop;
    if (StartsWith(line, "game=")) {
        return hooks_.StartMiniGame(line) ? Flow::Stop : Flow::Continue;
    }
    return Flow::Continue;
}

void Interpreter::Transition(const std::string& line, int index, bool dissolve) {
    const std::string_view value = *RestOf(line, "=");
    const std::vector<std::string_view> fields = SplitFields(value, ':');
    NumberReader numbers(kScriptFileName, index, line);
    const std::optional<int> speed = numbers.Read(fields.size() > 1 ? fields[1] : "", "speed");
    const std::optional<int> limit = numbers.Read(fields.size() > 2 ? fields[2] : "", "limit");
    if (!speed || !limit) return;
    const bool out = fields[0] == "out";
    const FadeKind kind = dissolve ? (out ? FadeKind::ToWhite : FadeKind::FromWhite)
                                   : (out ? FadeKind::ToBlack : FadeKind::FromBlack);
    game_.Animating = true;
    ScreenFade(game_.slots, game_.platform, game_.pictures, kind, *speed / 50, *limit);
    game_.Animating = false;
}

void Interpreter::AdjustVolume(const std::string& line, int index, int& level) {
    const std::string_view value = *RestOf(line, "=");
    NumberReader numbers(kScriptFileName, index, line);
    const std::optional<int> amount = numbers.Read(value.empty() ? value : value.substr(1), "volume");
    if (!amount || value.empty()) return;
    // A "+" never raises a level of 0. A signed amount ("+-3", "--3") turns the test round, so
    // the result is still held to 0..10.
    const int64_t change = *amount;
    int64_t result = level;
    if (value[0] == '-' && level >= 1 && level - change >= 0) result = level - change;
    if (value[0] == '+' && level > 0 && level + change < 11) result = level + change;
    level = static_cast<int>(std::clamp<int64_t>(result, 0, 10));
    hooks_.SetWaveVolume(level);
}

void Interpreter::ReadPlaylistBlock() {
    const StringList& lines = game_.lists.ScriptLines;
    StringList playlist;
    int i = game_.ScriptPos;
    // A block that is never closed ends with the script.
    for (; i < static_cast<int>(lines.size()); ++i) {
        std::string entry = LowerCaseCp1251(Trim(lines[static_cast<size_t>(i)]));
        if (entry == "end") {
            ++i;
            break;
        }
        playlist.push_back(std::move(entry));
    }
    game_.lists.Playlist = std::move(playlist);
    game_.ScriptPos = i;
}

}  // namespace orvane
