#include "shell/input_dispatch.h"

#include "base/saturating.h"
#include "base/text.h"
#include "platform/keycodes.h"
#include "render/blend.h"
#include "render/display.h"
#include "render/text_renderer.h"
#include "script/text_commands.h"
#include "shell/screenshot.h"

namespace orvane {
namespace {

constexpr int kClickLockMs = 750;

bool ModeIn(int mode, std::initializer_list<int> modes) {
    for (int m : modes) {
        if (mode == m) return true;
    }
    return false;
}

}  // namespace

void InputDispatch::LockClicks() {
    game_.clicksLocked = true;
    game_.platform.SetTimerInterval(TimerId::Timer5, kClickLockMs);
    game_.platform.SetTimerEnabled(TimerId::Timer5, true);
}

void InputDispatch::UnlockClicks() {
    game_.clicksLocked = false;
    game_.platform.SetTimerEnabled(TimerId::Timer5, false);
}

void InputDispatch::MouseDown(MouseButton button, int x, int y) {
    if (game_.clicksLocked || game_.Suspended || game_.Animating) return;
    // The mode is read afresh at every test: a screen that changes it is seen as the new mode.
    const auto mode = [&] { return game_.ScreenMode; };
    if (mode() == 8) return screens_.CodePuzzleClick(x, y);
    if (mode() == 22) return screens_.LoadActionBarClick(x, y);
    if (mode() == 21) return screens_.LoadCarouselClick();
    if (mode() == 51) return screens_.GalleryFullViewClick();
    if (mode() == 5) return screens_.GalleryClick();
    if (ModeIn(mode(), {43, 42, 41})) return screens_.ConfirmPanelClick(x, y);
    if (mode() == 40) return screens_.GameMenuClick();
    if (mode() == 20) return screens_.OptionsClick(x, y);
    if (button == MouseButton::Right && mode() == 1 && game_.stage.RightButtonAllowed) {
        return screens_.OpenGameMenu();
    }
    if (mode() == 14) return;
    if (game_.Paused) {
        game_.Paused = false;
        interpreter_.RunScript();
        return;
    }
    if (mode() == 1) return SceneClick();
    if (ModeIn(mode(), {2, 222})) return screens_.MenuAction();
    if (mode() == 4) return screens_.NecroClick(x, y);
    if (ModeIn(mode(), {31, 3})) return screens_.CardsClick(x, y);
    if (ModeIn(mode(), {7, 71})) return screens_.JournalClick();
}

void InputDispatch::RepaintTextPanel() {
    Surface* back = game_.slots.Get(kSlotBackBuffer);
    if (!back) return;
    for (const StageItem& item : game_.stage.StageItems) {
        if (item.level == 0 || item.surface < 1 || item.surface > 10) continue;
        const Surface* picture = game_.slots.Get(PoolSlotOf(item.surface));
        if (!picture) continue;
        if (StartsWith(item.name, "if1_2")) {
            const Rect strip{0, 0, 1024, 102};
            BlendBlit(*back, *picture, 0, 665, &strip, 255);
        } else if (StartsWith(item.name, "if1_3")) {
            const Rect strip{0, 0, 1024, 98};
            BlendBlit(*back, *picture, 0, 668, &strip, 255);
        }
    }
}

void InputDispatch::SceneClick() {
    TextState& text = game_.text;
    if (text.ShownText.empty()) {
        // The panel is empty: the click continues the script, wiping the old text first.
        if (game_.stage.Cycles.empty()) {
            ComposeFrame(game_);
        } else {
            RepaintTextPanel();
        }
        interpreter_.RunScript();
        return;
    }
    if (text.TextClickSetting == "no") return;
    if (game_.platform.timers().Enabled(TimerId::Timer1)) {
        FinishPage(game_);
        return;
    }
    StartNextPage(game_);
    if (!game_.stage.Cycles.empty()) {
        RepaintTextPanel();
        Present(game_.slots, game_.platform);
    }
    ComposeFrame(game_);
}

void InputDispatch::MouseMove(int x, int y) {
    if (game_.Suspended) return;
    const auto mode = [&] { return game_.ScreenMode; };
    if (mode() == 222) return screens_.MainMenuHover(x, y);
    if (ModeIn(mode(), {43, 41, 42})) return screens_.ConfirmPanelHover(x, y);
    if (mode() == 40) return screens_.GameMenuHover(x, y);
    if (mode() == 22 && screens_.LoadActionBarHover(x, y)) return;
    if (mode() == 21) return screens_.LoadCarouselHover(x, y);
    if (mode() == 5) return screens_.GalleryHover(x, y);
    if (mode() == 20) return screens_.OptionsHover(x, y);
    if (mode() == 14) return;
    if (mode() == 8) return screens_.CodePuzzleHover(x, y);
    if (ModeIn(mode(), {7, 71})) return screens_.JournalHover(x, y);
    if (mode() == 2) return screens_.SectionMenuHover(x, y);
    if (ModeIn(mode(), {31, 3})) return screens_.CardsHover(x, y);
    if (mode() == 4) return screens_.NecroHover(x, y);
}

void InputDispatch::MouseUp(MouseButton, int x, int y) {
    if (game_.Suspended || game_.ScreenMode == 14) return;
    if (game_.ScreenMode == 3 && screens_.CardBeingDragged()) screens_.CardDrop(x, y);
}

void InputDispatch::KeyDown(int key) {
    if (game_.Suspended) return;
    const auto mode = [&] { return game_.ScreenMode; };
    if (mode() == 14) return NameEntryKey(key);
    if (mode() == 40 && key == vk::Escape) return screens_.CloseGameMenu();
    if (key != vk::Escape || ModeIn(mode(), {2, 222, 20, 5, 21, 22})) {
        if (key == 'S') {
            TakeScreenshot(game_);
        } else if (key == vk::F2) {
            // The script starts again at its first line; the stage stays as it is.
            game_.ScriptPos = 0;
            interpreter_.RunScript();
        } else {
            ScrollStage(key);
        }
        return;
    }
    screens_.OpenGameMenu();
}

void InputDispatch::ScrollStage(int key) {
    const Stage& stage = game_.stage;
    if (stage.ScrollKind == "0") return;
    // The steps are the script's numbers: negated and added in 64 bits, the sum saturating.
    int64_t dx = 0, dy = 0;
    if (key == vk::Left) dx = -int64_t{stage.ScrollStepX};
    else if (key == vk::Right) dx = stage.ScrollStepX;
    else if (key == vk::Up) dy = -int64_t{stage.ScrollStepY};
    else if (key == vk::Down) dy = stage.ScrollStepY;
    else return;
    const char* prefix = stage.ScrollKind == "bg" ? "bg" : stage.ScrollKind == "character" ? "ch" : nullptr;
    if (prefix) {
        for (StageItem& item : game_.stage.StageItems) {
            if (StartsWith(item.name, prefix)) {
                item.x = SaturatingAdd(item.x, dx);
                item.y = SaturatingAdd(item.y, dy);
            }
        }
    }
    ComposeFrame(game_);
}

}  // namespace orvane
