#include "script/interpreter.h"

#include <algorithm>

#include "base/log.h"
#include "base/text.h"
#include "render/display.h"
#include "render/screen_fade.h"
#include "script/command_params.h"
#include "script/command_table.h"
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
    // A label line and "clear all" clear the stage, then go on through the table like any line.
    if (StartsWith(line, "scene ")) {
        ClearStage(game_, ClearKind::All);
        game_.SceneName = std::string(Trim(std::string_view(line).substr(6)));
    }
    if (StartsWith(line, "clear all")) ClearStage(game_, ClearKind::All);
    Stage& stage = game_.stage;
    const Command command = MatchCommand(line);
    switch (command) {
        case Command::None:
        case Command::Comment:
        // "reload objects", "set menu=" and "set music" do nothing, and the table passes them
        // on; these cases only keep the switch whole.
        case Command::Scene:
        case Command::ClearAll:
        case Command::ReloadObjects:
        case Command::SetMenu:
        case Command::SetMusic:
            return Flow::Continue;
        case Command::Delay: {
            NumberReader numbers(kScriptFileName, index, line);
            if (auto ms = numbers.Read(line.substr(10), "delay")) {
                ReleasePresents(game_.slots, game_.platform);
                game_.platform.Sleep(*ms);
            }
            return Flow::Continue;
        }
        case Command::Qmove:
            Qmove(line, index);
            return Flow::Continue;
        case Command::SetSpacing:
            SetSpacing(line, index);
            return Flow::Continue;
        case Command::ClearLevel:
            ClearLevel(line, index);
            return Flow::Continue;
        case Command::SetCycle:
            SetCycle(line, index);
            return Flow::Continue;
        case Command::SetJournal:
            hooks_.OpenJournal();
            return Flow::Stop;
        case Command::If:
            if (const std::optional<std::string> target = ApplyIf(line, game_.Triggers)) {
                JumpTo(*target);
            }
            return Flow::Continue;
        case Command::Goto:
            JumpTo(Trim(*RestOf(line, "goto ")));
            return Flow::Continue;
        case Command::SetTrigger:
            SetTriggerLine(game_.Triggers, line);
            return Flow::Continue;
        case Command::SfxVolume:
            AdjustVolume(line, index, game_.SfxVolumeLevel);
            return Flow::Continue;
        case Command::Dissolve:
        case Command::Fade:
            // The transition runs to its end, then the script goes on from the next line as a
            // new run, which is what running the interpreter afresh from the effect amounts to.
            Transition(line, index, StartsWith(line, "set dissolve="));
            memory_ = RunMemory{};
            return Flow::Continue;
        case Command::Volume:
            game_.VolumeLevel = 1;
            AdjustVolume(line, index, game_.VolumeLevel);
            return Flow::Continue;
        case Command::RightButton:
            stage.RightButtonAllowed = StartsWith(line, "rightbutton=yes");
            return Flow::Continue;
        case Command::Quake:
            return Quake(line, index);
        case Command::SetEnter:
            SetEnter(game_, line);
            return Flow::Stop;
        case Command::SetText:
            SetText(game_, hooks_, line);
            return Flow::Stop;
        case Command::SetCursor:
            hooks_.SetCursor(line);
            return Flow::Continue;
        case Command::SetPlaylist:
            ReadPlaylistBlock();
            hooks_.StartPlaylist();
            ComposeFrame(game_);
            return Flow::Continue;
        case Command::ClearInterface:
        case Command::ClearObjects:
        case Command::DeleteCycle:
        case Command::ClearBg:
        case Command::ClearCharacters:
        case Command::ClearKeys:
        case Command::ClearCycles:
            Clear(line, command);
            return Flow::Continue;
        case Command::SetObject:
            return SetItem(line, index, "object");
        case Command::SetSelectionText:
            SetSelectionText(game_);
            hooks_.ShowSelection(line);
            return Flow::Stop;
        case Command::DeleteJournal:
            ClearStage(game_, ClearKind::All);
            return Flow::Continue;
        case Command::Delete:
            return DeleteItem(line);
        case Command::SetBg:
            return SetItem(line, index, "bg");
        case Command::SetCharacter:
            return SetItem(line, index, "character");
        case Command::SetInterface:
            hooks_.SetInterface(line);
            return Flow::Continue;
        case Command::SetScroll:
            SetScroll(line, index);
            return Flow::Continue;
        case Command::SetSectionMenu:
            game_.ScriptPos = index;
            hooks_.ShowSectionMenu(line);
            return Flow::Stop;
        case Command::Move:
            return Move(line, index);
        case Command::SetOpacity:
            return SetOpacity(line, index);
        case Command::SetPause:
            game_.Paused = true;
            return Flow::Stop;
        case Command::End:
            return Flow::Stop;
        case Command::Game:
            return hooks_.StartMiniGame(line) ? Flow::Stop : Flow::Continue;
    }
    return Flow::Continue;
}

void Interpreter::Clear(const std::string& line, Command command) {
    constexpr std::pair<Command, ClearKind> kKinds[] = {
        {Command::ClearInterface, ClearKind::Interface},
        {Command::ClearObjects, ClearKind::Objects},
        {Command::ClearBg, ClearKind::Backgrounds},
        {Command::ClearCharacters, ClearKind::Characters},
        {Command::ClearKeys, ClearKind::Scroll},
        {Command::ClearCycles, ClearKind::Cycles},
    };
    if (command == Command::DeleteCycle) DeleteCycle(line);
    for (const auto& [clearing, kind] : kKinds) {
        if (clearing == command) ClearStage(game_, kind);
    }
    ComposeFrame(game_);
}

void Interpreter::SetScroll(const std::string& line, int index) {
    Stage& stage = game_.stage;
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
    const size_t first = static_cast<size_t>(game_.ScriptPos);
    const size_t end = PlaylistBlockEnd(lines, first);
    StringList playlist;
    for (size_t i = first; i < end; ++i) playlist.push_back(LowerCaseCp1251(Trim(lines[i])));
    game_.lists.Playlist = std::move(playlist);
    // A block that is never closed ends with the script.
    game_.ScriptPos = static_cast<int>(std::min(end + 1, lines.size()));
}

}  // namespace orvane
