#include "shell/menu_screen.h"

#include <algorithm>

#include "base/text.h"
#include "render/blend.h"
#include "render/display.h"
#include "shell/menu_entry.h"
#include "shell/menu_pictures.h"
#include "shell/shell.h"

namespace orvane {
namespace {

// The seven rows of the main menu. Every row takes 79 <= X <= 213; its marker goes at x = 55.
struct MainMenuRow {
    int top;
    int bottom;  // inclusive
    const char* action;
    int markerY;
    bool unlocked;  // only from the second variant on
};

constexpr MainMenuRow kMainMenuRows[] = {
    {276, 298, "0_main", 278, false},  {329, 351, "load", 331, false},
    {382, 404, "options", 384, false}, {435, 457, "gallery", 437, false},
    {488, 510, "making", 490, true},   {541, 563, "cards", 543, true},
    {594, 616, "exit", 596, false},
};
constexpr int kMainMenuLeft = 79;
constexpr int kMainMenuRight = 213;
constexpr int kMarkerX = 55;
constexpr char kUnavailable[] = "nope";
constexpr char kNoSectionItem[] = "bg";

bool VariantUnlocksAll(int menuKind) {
    return menuKind >= 5 && menuKind <= 7;
}

}  // namespace

void MenuScreen::MainMenuHover(int x, int y) {
    GameState& game = shell_.game;
    Surface* back = game.slots.Get(kSlotBackBuffer);
    if (!back) return;
    std::string name;
    for (const MainMenuRow& row : kMainMenuRows) {
        if (x < kMainMenuLeft || x > kMainMenuRight || y < row.top || y > row.bottom) continue;
        const bool available = !row.unlocked || VariantUnlocksAll(game.MenuKind);
        name = available ? row.action : kUnavailable;
        if (const Surface* marker = game.slots.Get(available ? kSlotRedBox : kSlotBlack)) {
            const Rect box{0, 0, 19, 19};
            CopyRect(*back, kMarkerX, row.markerY, *marker, &box);
        }
        break;
    }
    // The same item again draws nothing new; an unavailable one shows its marker every time.
    if (name == HoverName && name != kUnavailable) return;
    HoverName = name;
    if (name.empty()) {
        if (const Surface* plain = game.slots.Get(kSlotMenuPicture)) {
            DrawScreenPicture(*back, *plain, false);
        }
    }
    HoverAction = name;
    Present(game.slots, game.platform);
}

void MenuScreen::SectionMenuHover(int x, int y) {
    GameState& game = shell_.game;
    // A selection screen (kind 3) has no items to hover.
    if (game.MenuKind != 2) return;
    Surface* back = game.slots.Get(kSlotBackBuffer);
    if (!back) return;
    for (const std::string& record : game.stage.MenuItems) {
        if (record.empty()) continue;
        const std::optional<MenuEntry> entry = MenuEntry::Parse(record);
        if (!entry) continue;
        if (!entry->Contains(x, y)) {
            HoverAction.clear();
            continue;
        }
        // The first item that holds the pointer wins, even where a later one overlaps it.
        HoverAction = entry->action;
        if (entry->name == HoverName) return;
        HoverName = entry->name;
        // Surface 10 holds the menu's own picture, and 0 means the item got none.
        if (entry->pic >= 1 && entry->pic <= kPoolSize &&
            PoolSlotOf(entry->pic) != kSlotMenuPicture) {
            if (const Surface* lit = game.slots.Get(PoolSlotOf(entry->pic))) {
                DrawScreenPicture(*back, *lit, true);
            }
        }
        Present(game.slots, game.platform);
        return;
    }
    if (HoverName == kNoSectionItem) return;
    HoverName = kNoSectionItem;
    if (const Surface* plain = game.slots.Get(kSlotMenuPicture)) {
        DrawScreenPicture(*back, *plain, true);
    }
    Present(game.slots, game.platform);
}

void MenuScreen::PerformMenuAction() {
    const std::string action = HoverAction;
    if (action.empty() || action == kUnavailable) return;
    if (action == "exit") {
        // No question is asked: the application ends and the ordinary shutdown runs.
        shell_.game.platform.RequestQuit();
    } else if (action == "main") {
        shell_.GoToMainMenu();
    } else if (action == "load") {
        shell_.OpenLoadScreenFromMenu();
    } else if (action == "cards") {
        shell_.StartCardsFromMenu();
    } else if (action == "options") {
        shell_.options.Open(/*fromGame=*/false);
    } else if (action == "fullscreen") {
        shell_.game.platform.SetFullscreen(true);
        shell_.options.SaveSettings();
        shell_.GoToMainMenu();
    } else if (action == "gallery") {
        shell_.OpenGallery();
    } else {
        JumpToScene();
    }
}

void MenuScreen::JumpToScene() {
    GameState& game = shell_.game;
    // The label line is lower-cased before the comparison but the action is not, so a scene
    // named in a menu must be written in lower case to be found.
    const std::optional<int> label = shell_.interpreter.FindScene(Trim(HoverAction));
    if (!label) return;  // the menu stays
    game.ScriptPos = *label;
    ClearStage(game, ClearKind::All);
    game.ScreenMode = 1;
    HoverAction.clear();
    shell_.interpreter.RunScript();
}

}  // namespace orvane
