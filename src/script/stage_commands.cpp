// The script commands that put pictures on the stage, take them off, fade, move and cycle them.
#include <algorithm>

#include "base/log.h"
#include "base/saturating.h"
#include "base/text.h"
#include "render/blend.h"
#include "render/display.h"
#include "render/step_pacer.h"
#include "script/command_params.h"
#include "script/command_table.h"
#include "script/interpreter.h"

namespace orvane {
namespace {

constexpr int kTickMs = 50;
constexpr int kDefaultLevel = 1;

// The signed change per tick of a fade from `from` to `to` over `ticks` ticks. A change too
// small to show in one tick still moves by one, so that the fade ends.
int FadeStep(int from, int to, int ticks) {
    const int64_t change = (int64_t{to} - from) / std::max(ticks, 1);
    if (change == 0 && from != to) return to > from ? 1 : -1;
    return ClampToInt(change);
}

bool LineStartsWithAny(const StringList& lines, int index,
                       std::initializer_list<std::string_view> prefixes) {
    if (index < 0 || index >= static_cast<int>(lines.size())) return false;
    const std::string& next = lines[static_cast<size_t>(index)];
    return std::any_of(prefixes.begin(), prefixes.end(),
                       [&](std::string_view prefix) { return StartsWith(next, prefix); });
}

}  // namespace

bool Interpreter::NextLineStartsAnimation(int index) const {
    return LineStartsWithAny(game_.lists.ScriptLines, index + 1, {"move ", "set opacity"});
}

void Interpreter::StartFade(const std::string& name, int step, int target) {
    game_.stage.FadeEffects.push_back(StageFade{name, step, target});
}

Interpreter::Flow Interpreter::SetItem(const std::string& line, int index,
                                       std::string_view command) {
    const std::string nameKey = " " + std::string(command) + "=";
    const std::optional<std::string_view> name = RestOf(line, nameKey);
    if (!name) return Flow::Continue;
    NumberReader numbers(kScriptFileName, index, line);
    int level = memory_.level.value_or(kDefaultLevel);
    int opacity = memory_.opacity;
    if (auto value = ValueOf(line, "level=")) {
        if (auto parsed = numbers.Read(*value, "level")) level = *parsed;
    }
    if (auto value = ValueOf(line, "opacity=")) {
        if (auto parsed = numbers.Read(*value, "opacity")) opacity = *parsed;
    }
    std::optional<std::vector<int>> effect;
    if (auto value = ValueOf(line, "effect=opacity:")) {
        effect = numbers.ReadList(*value, 3, "effect");
    }
    if (numbers.failed()) return Flow::Continue;
    memory_.level = level;
    memory_.opacity = opacity;
    const std::string_view align = ValueOf(line, "align=").value_or("");
    const std::string itemName(*name);
    AddStageItem(game_, itemName, level, opacity, align);

    if (effect) {
        const int from = (*effect)[0], to = (*effect)[1], ms = (*effect)[2];
        // A fade down keeps its start value as the target, so it ends at once; fading out is
        // "set opacity"'s work.
        StartFade(itemName, FadeStep(from, to, ms / kTickMs), to >= from ? to : from);
        if (StageItem* item = game_.stage.FindByPrefix(itemName)) item->opacity = from;
        game_.Animating = true;
        game_.platform.SetTimerEnabled(TimerId::Timer2, true);
        if (command == "bg") ComposeFrame(game_);
        return Flow::Stop;
    }
    // Consecutive set lines are drawn once, after the last of them.
    if (command == "bg" || !LineStartsWithAny(game_.lists.ScriptLines, index + 1,
                                              {"set bg", "set character", "set object"})) {
        ComposeFrame(game_);
    }
    return Flow::Continue;
}

Interpreter::Flow Interpreter::DeleteItem(const std::string& line) {
    const std::string name(Trim(*RestOf(line, "delete ")));
    RemoveStageItemsIf(game_, [&](const StageItem& item) { return item.NameIs(name); }, true);
    ComposeFrame(game_);
    return Flow::Continue;
}

void Interpreter::ClearLevel(const std::string& line, int index) {
    NumberReader numbers(kScriptFileName, index, line);
    const std::optional<int> level = numbers.Read(line.substr(12), "level");
    if (!level) return;
    RemoveStageItemsIf(game_, [&](const StageItem& item) { return item.level == *level; });
}

Interpreter::Flow Interpreter::Move(const std::string& line, int index) {
    const std::optional<std::string_view> name = RestOf(line, " object=");
    NumberReader numbers(kScriptFileName, index, line);
    int delay = 0;
    if (auto value = ValueOf(line, "delay=")) delay = numbers.Read(*value, "delay").value_or(0);
    // A countdown below 0 would never reach the first step, and the move would never end.
    delay = std::max(delay, 0);
    auto start = numbers.ReadList(PairValueOf(line, "start=").value_or(""), 2, "start");
    auto finish = numbers.ReadList(PairValueOf(line, "finish=").value_or(""), 2, "finish");
    auto time = numbers.ReadList(PairValueOf(line, "time=").value_or(""), 2, "time");
    const StageItem* item = name ? game_.stage.FindByPrefix(*name) : nullptr;
    if (numbers.failed() || !item) {
        // Nothing to move: waiting here would wait for ever.
        return Flow::Continue;
    }
    const int total = (*time)[0];
    const int interval = std::max((*time)[1], 1);
    // A time shorter than one interval is a single step.
    const int steps = std::max(total / interval, 1);
    StageMove move;
    move.name = std::string(*name);
    move.countdown = delay;
    move.steps = steps;
    move.interval = interval;
    move.dx = ClampToInt((int64_t{(*finish)[0]} - (*start)[0]) / steps);
    move.dy = ClampToInt((int64_t{(*finish)[1]} - (*start)[1]) / steps);
    move.x = item->x;
    move.y = item->y;
    move.fx = (*finish)[0];
    move.fy = (*finish)[1];
    game_.stage.MoveList.push_back(std::move(move));
    game_.stage.MotionActive = true;
    game_.Animating = true;
    game_.platform.SetTimerEnabled(TimerId::Timer2, true);
    return NextLineStartsAnimation(index) ? Flow::Continue : Flow::Stop;
}

Interpreter::Flow Interpreter::SetOpacity(const std::string& line, int index) {
    const std::optional<std::string_view> name = RestOf(line, " object=");
    const size_t colon = line.find(':');
    NumberReader numbers(kScriptFileName, index, line);
    std::string values;
    if (colon != std::string::npos) {
        const size_t blank = line.find(' ', colon);
        values = line.substr(colon + 1, blank == std::string::npos ? 0 : blank - colon - 1);
    }
    const auto fade = numbers.ReadList(values, 3, "opacity");
    if (!fade || !name) return Flow::Continue;
    const int from = (*fade)[0], to = (*fade)[1], ticks = (*fade)[2] / kTickMs;
    const int step = FadeStep(from, to, ticks);
    const std::string itemName(*name);
    if (step > 0) {
        // A blocking fade-in: the picture is drawn again and again with a small opacity over
        // whatever the screen shows, building it up. The record itself does not change.
        const StageItem* item = game_.stage.FindByPrefix(itemName);
        const Surface* picture =
            item ? game_.slots.Get(PoolSlotOf(item->surface)) : nullptr;
        Surface* back = game_.slots.Get(kSlotBackBuffer);
        if (!item || !picture || !back) return Flow::Stop;
        // In 64 bits, as the record may hold any int. An item wholly off the screen is not
        // drawn, but the fade still takes its time.
        const int64_t x = item->x, y = item->y, w = item->width, h = item->height;
        const bool onScreen = x > -w && x < 1024 && y > -h && y < 768;
        Rect from;
        if (onScreen) {
            from = {static_cast<int>(std::max<int64_t>(0, -x)),
                    static_cast<int>(std::max<int64_t>(0, -y)),
                    static_cast<int>(std::min<int64_t>(w, 1024 - x)),
                    static_cast<int>(std::min<int64_t>(h, 768 - y))};
        }
        const int left = static_cast<int>(std::clamp<int64_t>(x, 0, 1024));
        const int top = static_cast<int>(std::clamp<int64_t>(y, 0, 768));
        // A blocking step shows every pass, faded out or not.
        ReleasePresents(game_.slots, game_.platform, /*show=*/false);
        StepPacer pacer(game_.platform);
        game_.Animating = true;
        for (int pass = 0; pass < std::max(ticks, 1) + 20; ++pass) {
            if (onScreen) BlendBlit(*back, *picture, left, top, &from, step);
            Present(game_.slots, game_.platform);
            pacer.Wait(0);
        }
        game_.Animating = false;
        return Flow::Stop;
    }
    StartFade(itemName, step, to);
    if (StageItem* item = game_.stage.FindByPrefix(itemName)) item->opacity = from;
    if (NextLineStartsAnimation(index)) return Flow::Continue;
    ComposeFrame(game_);
    game_.Animating = true;
    game_.platform.SetTimerEnabled(TimerId::Timer2, true);
    return Flow::Stop;
}

void Interpreter::SetCycle(const std::string& line, int index) {
    const CycleHeader header = ReadCycleHeader(line);
    NumberReader numbers(kScriptFileName, index, line);
    const std::optional<int> period = numbers.Read(header.period, "period");
    const std::optional<int> level = numbers.Read(header.level, "level");

    StageCycle cycle;
    cycle.name = std::string(header.name);
    const StringList& lines = game_.lists.ScriptLines;
    const size_t first = static_cast<size_t>(game_.ScriptPos);
    const size_t end = CycleBlockEnd(lines, first);
    for (size_t i = first; i < end; ++i) cycle.frames.emplace_back(CycleFrameName(Trim(lines[i])));
    // A block that is never closed ends with the script.
    game_.ScriptPos = static_cast<int>(std::min(end + 1, lines.size()));
    if (!period || !level) return;
    if (cycle.frames.empty()) {
        LogError(std::string(kScriptFileName) + ":" + std::to_string(index + 1) +
                 ": the cycle " + Cp1251ToUtf8(cycle.name) + " has no frames");
        return;
    }
    cycle.period = *period;
    cycle.level = *level;
    cycle.count = static_cast<int>(cycle.frames.size());
    ShowAtLevel(game_.stage, cycle.frames.front(), cycle.level);
    game_.stage.Cycles.push_back(std::move(cycle));
    game_.platform.SetTimerEnabled(TimerId::Timer3, true);
    ComposeFrame(game_);
}

void Interpreter::DeleteCycle(const std::string& line) {
    const std::string name(Trim(*RestOf(line, "delete cycle ")));
    auto& cycles = game_.stage.Cycles;
    auto it = std::find_if(cycles.begin(), cycles.end(),
                           [&](const StageCycle& c) { return StartsWith(c.Format(), name + ":"); });
    if (it == cycles.end()) return;
    const std::string frame = it->Frame(it->current);
    if (!frame.empty()) HideByPrefix(game_.stage, frame);
    cycles.erase(it);
    if (cycles.empty()) game_.platform.SetTimerEnabled(TimerId::Timer3, false);
}

}  // namespace orvane
