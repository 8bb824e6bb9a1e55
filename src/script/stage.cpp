#include "script/stage.h"

#include <algorithm>

#include "base/decimal.h"
#include "base/log.h"
#include "base/text.h"
#include "render/blend.h"
#include "render/display.h"
#include "script/game_state.h"

namespace orvane {
namespace {

void ReleasePoolSurface(GameState& game, int surface) {
    if (surface < 1 || surface > kPoolSize) return;
    game.slots.Release(PoolSlotOf(surface));
    game.slots.SetPoolInUse(PoolSlotOf(surface), false);
}

// Removes every record whose name begins with `kindPrefix`.
void RemoveKind(GameState& game, std::string_view kindPrefix) {
    RemoveStageItemsIf(game, [&](const StageItem& item) { return StartsWith(item.name, kindPrefix); });
}

void ResetScroll(Stage& stage) {
    stage.ScrollKind = "0";
    stage.ScrollStepX = 0;
    stage.ScrollStepY = 0;
}

}  // namespace

StageItem* Stage::FindByPrefix(std::string_view prefix) {
    for (StageItem& item : StageItems) {
        if (item.NameStartsWith(prefix)) return &item;
    }
    return nullptr;
}

StringList Stage::FormatStageItems() const {
    StringList lines;
    for (const StageItem& item : StageItems) lines.push_back(item.Format());
    if (endMarker) lines.emplace_back();
    return lines;
}

void InsertStageRecord(Stage& stage, StageItem item) {
    auto& items = stage.StageItems;
    auto at = std::find_if(items.begin(), items.end(),
                           [&](const StageItem& other) { return other.level >= item.level; });
    items.insert(at, std::move(item));
    stage.endMarker = true;
}

std::optional<std::string> CatalogFile(const StringList& catalog, std::string_view name) {
    const std::string key = std::string(name) + ":";
    for (const std::string& line : catalog) {
        if (StartsWith(line, key)) return line.substr(line.find(':') + 1);
    }
    return std::nullopt;
}

bool AddStageItem(GameState& game, std::string_view name, int level, int opacity,
                  std::string_view align) {
    const std::optional<std::string> file = CatalogFile(game.lists.ObjectCatalog, name);
    if (!file) return false;
    game.stage.endMarker = true;
    Image picture = game.pictures.Take(*file);
    const StagePoint at = StagePosition(align, picture.width, picture.height);
    const int slot = game.slots.FirstFreePoolSlot();
    if (slot < 0) {
        LogError("cannot show " + Cp1251ToUtf8(name) + ": all " + std::to_string(kPoolSize) +
                 " picture surfaces of the stage are in use");
        return false;
    }
    std::string error;
    Surface* surface = game.slots.CreateFromPicture(slot, std::move(picture), error);
    if (!surface) {
        LogError("cannot show " + Cp1251ToUtf8(name) + ": " + error);
        return false;
    }
    surface->IndexTransparentSpans();
    game.slots.SetPoolInUse(slot, true);
    StageItem item;
    item.level = level;
    item.name = std::string(name);
    item.opacity = opacity;
    item.width = surface->width;
    item.height = surface->height;
    item.surface = slot - PoolSlotOf(0);
    item.x = at.x;
    item.y = at.y;
    InsertStageRecord(game.stage, std::move(item));
    return true;
}

void RemoveStageItemsIf(GameState& game, const std::function<bool(const StageItem&)>& match,
                        bool firstOnly) {
    auto& items = game.stage.StageItems;
    for (size_t i = 0; i < items.size();) {
        if (!match(items[i])) {
            ++i;
            continue;
        }
        ReleasePoolSurface(game, items[i].surface);
        items.erase(items.begin() + static_cast<std::ptrdiff_t>(i));
        if (firstOnly) return;
    }
}

void RemoveStageItem(GameState& game, std::string_view name) {
    RemoveStageItemsIf(game, [&](const StageItem& item) { return item.NameIs(name); });
}

void ShowAtLevel(Stage& stage, std::string_view prefix, int level) {
    std::vector<StageItem> moved;
    auto& items = stage.StageItems;
    for (size_t i = 0; i < items.size();) {
        if (items[i].NameStartsWith(prefix)) {
            moved.push_back(std::move(items[i]));
            items.erase(items.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
    for (StageItem& item : moved) {
        item.level = level;
        InsertStageRecord(stage, std::move(item));
    }
}

void HideByPrefix(Stage& stage, std::string_view prefix) {
    for (StageItem& item : stage.StageItems) {
        if (item.NameStartsWith(prefix)) item.level = 0;
    }
}

void ClearStage(GameState& game, ClearKind kind) {
    Stage& stage = game.stage;
    switch (kind) {
        case ClearKind::All:
            for (int slot = kSlotPoolFirst; slot <= kSlotPoolLast; ++slot) game.slots.Release(slot);
            game.slots.ClearPoolFlags();
            for (int slot = kSlotScreenFirst; slot <= kSlotScreenLast; ++slot) {
                game.slots.Release(slot);
            }
            game.slots.Release(kSlotThumbnail);
            stage.RightButtonAllowed = true;
            stage.MenuOffset = 0;
            stage.MoveList.clear();
            stage.StageItems.clear();
            stage.endMarker = false;
            stage.FadeEffects.clear();
            stage.Cycles.clear();
            game.platform.SetTimerEnabled(TimerId::Timer3, false);
            stage.MenuItems.clear();
            ResetScroll(stage);
            game.platform.SetTimerEnabled(TimerId::Timer2, false);
            stage.InterfaceShown = false;
            break;
        case ClearKind::Objects:
            RemoveKind(game, "obj");
            break;
        case ClearKind::Backgrounds:
            RemoveKind(game, "bg");
            break;
        case ClearKind::Characters:
            RemoveKind(game, "ch");
            break;
        case ClearKind::Interface:
            stage.InterfaceItems.clear();
            stage.InterfaceShown = false;
            RemoveKind(game, "if");
            break;
        case ClearKind::Scroll:
            ResetScroll(stage);
            break;
        case ClearKind::Cycles:
            for (const StageCycle& cycle : stage.Cycles) {
                for (const std::string& frame : cycle.frames) RemoveStageItem(game, frame);
            }
            stage.Cycles.clear();
            game.platform.SetTimerEnabled(TimerId::Timer3, false);
            break;
    }
}

StagePoint StagePosition(std::string_view align, int w, int h) {
    if (align == "center") return {(1024 - w) / 2, (768 - h) / 2};
    if (align == "left") return {0, (768 - h) / 2};
    if (align == "right") return {1024 - w, (768 - h) / 2};
    if (align == "lcenter") return {(512 - w) / 2, (768 - h) / 2};
    if (align == "rcenter") return {512 + (512 - w) / 2, (768 - h) / 2};
    if (StartsWith(align, ":")) {
        const std::string_view rest = align.substr(1);
        const size_t colon = rest.find(':');
        const std::string_view x = rest.substr(0, colon);
        const std::string_view y = colon == std::string_view::npos ? "" : rest.substr(colon + 1);
        return {ParseDecimal(Trim(x)).value_or(0), ParseDecimal(Trim(y)).value_or(0)};
    }
    return {0, 0};  // "default" and any other word
}

void ComposeFrame(GameState& game) {
    Stage& stage = game.stage;
    Surface* back = game.slots.Get(kSlotBackBuffer);
    if (!back) return;
    const bool cycling = !stage.Cycles.empty();
    if (!cycling) {
        if (const Surface* black = game.slots.Get(kSlotBlack)) CopyRect(*back, 0, 0, *black);
    }
    if (game.ScreenMode == 2) return;
    if (game.ScreenMode == 1) {
        // While a cycle runs the bottom strip belongs to the text panel.
        const int bottom = cycling ? 668 : 768;
        for (const StageItem& item : stage.StageItems) {
            if (item.level == 0) continue;
            if (cycling && StartsWith(item.name, "if1_3")) continue;
            // In 64 bits: a record (a saved one too) may hold any int in any field. What passes
            // the test below lies on the screen, so the rectangle fits an int again.
            const int64_t x = item.x, y = item.y, w = item.width, h = item.height;
            if ((x < 1 && -x >= w) || x >= 1024 || (y < 1 && -y >= h) || y >= 768) continue;
            const int64_t cutRight = x + w >= 1024 ? x + w - 1024 : 0;
            const int64_t cutBottom = y + h >= bottom ? y + h - bottom : 0;
            const Rect from{static_cast<int>(std::max<int64_t>(0, -x)),
                            static_cast<int>(std::max<int64_t>(0, -y)),
                            static_cast<int>(w - cutRight), static_cast<int>(h - cutBottom)};
            const int left = static_cast<int>(std::max<int64_t>(x, 0));
            const int top = static_cast<int>(std::max<int64_t>(y, 0));
            if (item.surface < 1 || item.surface > kPoolSize) continue;
            const Surface* picture = game.slots.Get(PoolSlotOf(item.surface));
            if (!picture) continue;
            const bool opaque = (StartsWith(item.name, "bg") || StartsWith(item.name, "if")) &&
                                item.opacity == 255;
            if (opaque) {
                CopyRect(*back, left, top, *picture, &from);
            } else {
                BlendBlit(*back, *picture, left, top, &from, item.opacity);
            }
        }
    }
    Present(game.slots, game.platform);
}

}  // namespace orvane
