// The two animation ticks: Timer2 (fades, then the quake, then moves) and Timer3 (frame cycles).
#include <algorithm>

#include "base/saturating.h"
#include "base/text.h"
#include "script/interpreter.h"

namespace orvane {
namespace {

constexpr int kOptionsScreen = 20;

// Which kinds of item a quake of `kind` leaves still.
bool QuakeMoves(std::string_view name, std::string_view kind) {
    if (StartsWith(name, "bg")) return kind != "c" && kind != "i";
    if (StartsWith(name, "ch")) return kind != "b" && kind != "i";
    if (StartsWith(name, "if")) return kind != "ai" && kind != "c" && kind != "b";
    return true;
}

}  // namespace

bool Interpreter::AnimationsIdle() const {
    const Stage& stage = game_.stage;
    return stage.FadeEffects.empty() && stage.MoveList.empty() && !stage.Quake;
}

void Interpreter::FinishAnimations() {
    Stage& stage = game_.stage;
    stage.FadeEffects.clear();
    stage.MoveList.clear();
    stage.Quake.reset();
    stage.MotionActive = false;
    game_.Animating = false;
    game_.platform.SetTimerEnabled(TimerId::Timer2, false);
    RunScript();
}

void Interpreter::MainTick() {
    if (game_.Suspended || game_.ScreenMode == kOptionsScreen) return;
    Stage& stage = game_.stage;
    ++stage.TickCount;

    // Fades. With no move running, only the first unfinished fade advances in a tick.
    for (size_t j = 0; j < stage.FadeEffects.size();) {
        game_.Animating = true;
        const StageFade fade = stage.FadeEffects[j];
        StageItem* item = stage.FindByPrefix(fade.name);
        const int d = item ? item->opacity : 0;
        const bool finished = !item || (fade.step > 0 && d >= fade.target) || d == fade.target ||
                              d < 1 || d > 255;
        if (finished) {
            // A fade whose item is gone is over too: nothing else would ever end it.
            stage.FadeEffects.erase(stage.FadeEffects.begin() + static_cast<std::ptrdiff_t>(j));
            if (AnimationsIdle()) {
                FinishAnimations();
                return;
            }
            continue;
        }
        item->opacity = std::clamp(SaturatingAdd(d, fade.step), 0, 255);
        if (stage.MoveList.empty()) {
            ComposeFrame(game_);
            return;
        }
        ++j;
    }

    // The quake; moves wait while it runs.
    if (stage.Quake) {
        QuakeState& quake = *stage.Quake;
        if (quake.wait > 0) {
            --quake.wait;
            return;
        }
        if (quake.count > 0) {
            // Displacements are negated and added in 64 bits: a saved quake may hold any int.
            int64_t dx = 0, dy = 0;
            std::string next;
            if (quake.dir == "nu") dx = -int64_t{quake.ax}, dy = -int64_t{quake.ay}, next = "u";
            else if (quake.dir == "u") dx = quake.ax, dy = quake.ay, next = "nd";
            else if (quake.dir == "nd") dx = quake.cx, dy = quake.cy, next = "d";
            else dx = -int64_t{quake.cx}, dy = -int64_t{quake.cy}, next = "nu";
            for (StageItem& item : stage.StageItems) {
                if (!QuakeMoves(item.name, quake.kind)) continue;
                item.x = SaturatingAdd(item.x, dx);
                item.y = SaturatingAdd(item.y, dy);
            }
            quake.dir = next;
            --quake.count;
            quake.wait = SaturatingAdd(quake.period, -1);
            ComposeFrame(game_);
            return;
        }
        stage.Quake.reset();
        if (AnimationsIdle()) FinishAnimations();
        return;
    }

    // Moves.
    bool active = false;
    bool changed = false;
    for (size_t j = 0; j < stage.MoveList.size();) {
        active = true;
        StageMove& move = stage.MoveList[j];
        StageItem* item = stage.FindByPrefix(move.name);
        if (!item) {
            // The item left the stage: the move can never end, so it is dropped.
            stage.MoveList.erase(stage.MoveList.begin() + static_cast<std::ptrdiff_t>(j));
            continue;
        }
        // A countdown below 0 (only a damaged saved game holds one) would never reach a step.
        move.countdown = std::max(move.countdown, 0);
        if (move.countdown == 0) {
            changed = true;
            if (move.steps == 0) {
                item->x = move.fx;
                item->y = move.fy;
                stage.MoveList.erase(stage.MoveList.begin() + static_cast<std::ptrdiff_t>(j));
                continue;
            }
            --move.steps;
            move.countdown = SaturatingAdd(move.interval, -1);
            move.x = SaturatingAdd(move.x, move.dx);
            move.y = SaturatingAdd(move.y, move.dy);
            item->x = move.x;
            item->y = move.y;
        }
        if (move.countdown >= 1) --move.countdown;
        ++j;
    }
    if (changed) ComposeFrame(game_);
    if (!active && AnimationsIdle()) FinishAnimations();
}

void Interpreter::CycleTick() {
    if (game_.Suspended || game_.ScreenMode == kOptionsScreen) return;
    Stage& stage = game_.stage;
    for (size_t c = 0; c < stage.Cycles.size(); ++c) {
        StageCycle& cycle = stage.Cycles[c];
        if (cycle.countdown == 0) {
            cycle.countdown = SaturatingAdd(cycle.period, -1);
            const std::string old = cycle.Frame(cycle.current);
            cycle.current = cycle.current >= cycle.count ? 1 : cycle.current + 1;
            const std::string shown = cycle.Frame(cycle.current);
            const int level = cycle.level;
            if (!old.empty()) HideByPrefix(stage, old);
            if (!shown.empty()) ShowAtLevel(stage, shown, level);
            ComposeFrame(game_);
            // Drawing cannot change the cycles, but stay safe if it ever does.
            if (c >= stage.Cycles.size()) return;
        }
        StageCycle& after = stage.Cycles[c];
        after.countdown = std::max(SaturatingAdd(after.countdown, -1), 0);
    }
}

}  // namespace orvane
