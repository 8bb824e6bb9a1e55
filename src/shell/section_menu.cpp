// "set section menu=": the main menu of the unlocked variant, or a menu section of "menus.scn"
// with its items and their highlight pictures.
#include "base/log.h"
#include "base/text.h"
#include "render/display.h"
#include "script/command_params.h"
#include "script/script_files.h"
#include "script/triggers.h"
#include "shell/menu_entry.h"
#include "shell/menu_pictures.h"
#include "shell/menu_screen.h"
#include "shell/section_files.h"
#include "shell/shell.h"

namespace orvane {
namespace {

// Loads a picture of the game data into `slot` at its own size. Null when it cannot be kept.
Surface* LoadIntoSlot(GameState& game, int slot, std::string_view file) {
    std::string error;
    Surface* surface = game.slots.CreateFromPicture(slot, game.pictures.Take(file), error);
    if (!surface) {
        LogError(std::string(kMenusFile) + ": cannot show " + Cp1251ToUtf8(file) + ": " + error);
    }
    return surface;
}

// NAME:X1:Y1:X2:Y2 action=ACTION bg=PICTURE. Nothing, with a message, for a line that is not.
std::optional<MenuEntryLine> ReadEntryLine(const std::string& line) {
    std::optional<MenuEntryLine> parsed = ParseMenuEntryLine(line);
    if (!parsed) {
        LogError(std::string(kMenusFile) + ": the item \"" + Cp1251ToUtf8(line) +
                 "\" is not NAME:X1:Y1:X2:Y2; it is left out");
    }
    return parsed;
}

}  // namespace

FixedPictures MainMenuPictures(bool lastVariant) {
    // A missing JPEG is not black: the menu would show the last picture decoded.
    FixedPictures pictures = {{kMainMenuPicture, PictureNeed::Required}};
    if (lastVariant) pictures.push_back({kLastMainMenuPicture, PictureNeed::Required});
    return pictures;
}

void MenuScreen::Show(std::string_view line) {
    GameState& game = shell_.game;
    // The section files are read into the list the text defaults came from; the defaults
    // themselves were taken from it at start-up.
    StringList& section = game.lists.TextDefaults;
    section.clear();
    LoadScriptFile(game.folders.gameDir, kMenusFile, section);
    ClearStage(game, ClearKind::All);
    std::string name(Trim(RestOf(line, "menu=").value_or("")));
    if (StartsWith(name, "main_menu")) {
        ShowMainMenu(std::move(name));
    } else {
        ShowSectionMenu(name);
    }
}

void MenuScreen::ShowMainMenu(std::string name) {
    GameState& game = shell_.game;
    if (GetTrigger(game.Triggers, "sys_1") == "1") name = "main_menu2";
    if (GetTrigger(game.Triggers, "sys_2") == "1") name = "main_menu3";
    if (GetTrigger(game.Triggers, "sys_3") == "1") name = "main_menu4";
    game.MenuKind = 4;
    if (name == "main_menu2") game.MenuKind = 5;
    if (name == "main_menu3") game.MenuKind = 6;
    if (name == "main_menu4") game.MenuKind = 7;
    Surface& plain = game.slots.Create(kSlotMenuPicture, kScreenWidth, kScreenHeight);
    game.pictures.LoadPicture(plain, game.MenuKind == 7 ? kLastMainMenuPicture : kMainMenuPicture);
    game.slots.SetPoolInUse(kSlotMenuPicture, true);
    if (Surface* back = game.slots.Get(kSlotBackBuffer)) DrawScreenPicture(*back, plain, false);
    Present(game.slots, game.platform);
    game.ScreenMode = 222;
}

void MenuScreen::ShowSectionMenu(std::string_view name) {
    GameState& game = shell_.game;
    Stage& stage = game.stage;
    const StringList& lines = game.lists.TextDefaults;
    stage.MenuItems.clear();
    const std::optional<MenuSection> section = FindMenuSection(lines, name);
    if (!section) {
        LogError(std::string(kMenusFile) + " has no menu \"" + Cp1251ToUtf8(name) +
                 "\" (a line holding \" " + Cp1251ToUtf8(name) + ";\"); nothing is shown");
        return;
    }
    game.Animating = true;
    // The background: the line after the header, "bg=PICTURE".
    int width = 0;
    if (Surface* plain = LoadIntoSlot(game, kSlotMenuPicture, section->background)) {
        width = plain->width;
        if (Surface* back = game.slots.Get(kSlotBackBuffer)) {
            DrawScreenPicture(*back, *plain, false);
        }
    }
    game.slots.SetPoolInUse(kSlotMenuPicture, true);
    stage.MenuItems.push_back("bg:0:0:0:0:" + std::to_string(stage.MenuOffset) + ":0");
    stage.MenuOffset += width;
    for (size_t at = section->firstEntry; at < section->end; ++at) {
        if (Trim(lines[at]).empty()) continue;
        std::optional<MenuEntryLine> item = ReadEntryLine(lines[at]);
        if (!item) continue;
        // The lowest free stage surface; 10 is the menu's own, and 0 means none was free.
        const int slot = game.slots.FirstFreePoolSlot();
        if (slot >= 0 && LoadIntoSlot(game, slot, item->picture)) {
            game.slots.SetPoolInUse(slot, true);
            item->entry.pic = slot - PoolSlotOf(0);
        }
        stage.MenuItems.push_back(item->entry.Format());
    }
    game.ScreenMode = 2;
    game.MenuKind = 2;
    game.Animating = false;
    Present(game.slots, game.platform);
}

}  // namespace orvane
