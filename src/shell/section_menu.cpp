// "set section menu=": the main menu of the unlocked variant, or a menu section of "menus.scn"
// with its items and their highlight pictures.
#include "base/decimal.h"
#include "base/log.h"
#include "base/text.h"
#include "render/display.h"
#include "script/command_params.h"
#include "script/script_files.h"
#include "script/stage_records.h"
#include "script/triggers.h"
#include "shell/menu_entry.h"
#include "shell/menu_pictures.h"
#include "shell/menu_screen.h"
#include "shell/shell.h"

namespace orvane {
namespace {

constexpr char kMenusFile[] = "menus.scn";

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
std::optional<MenuEntry> ReadEntryLine(const std::string& line, std::string& picture) {
    const size_t blank = line.find(' ');
    const std::string_view head = std::string_view(line).substr(0, blank);
    const std::vector<std::string_view> fields = SplitFields(head, ':');
    MenuEntry entry;
    bool ok = fields.size() >= 5;
    int* numbers[] = {&entry.x1, &entry.y1, &entry.x2, &entry.y2};
    for (size_t i = 0; ok && i < 4; ++i) {
        const std::optional<int32_t> value = ParseDecimal(fields[i + 1]);
        ok = value.has_value();
        if (ok) *numbers[i] = *value;
    }
    if (!ok) {
        LogError(std::string(kMenusFile) + ": the item \"" + Cp1251ToUtf8(line) +
                 "\" is not NAME:X1:Y1:X2:Y2; it is left out");
        return std::nullopt;
    }
    entry.name = std::string(fields[0]);
    const std::string_view rest =
        blank == std::string::npos ? std::string_view() : std::string_view(line).substr(blank);
    if (const std::optional<std::string_view> action = RestOf(rest, "action=")) {
        entry.action = std::string(action->substr(0, action->find(' ')));
    }
    picture = std::string(Trim(RestOf(rest, "bg=").value_or("")));
    return entry;
}

}  // namespace

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
    game.pictures.LoadPicture(plain, game.MenuKind == 7 ? "main_menu2.jpg" : "main_menu.jpg");
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
    const std::string header = " " + std::string(name) + ";";
    size_t at = 0;
    while (at < lines.size() && !Contains(lines[at], header)) ++at;
    if (at == lines.size()) {
        LogError(std::string(kMenusFile) + " has no menu \"" + Cp1251ToUtf8(name) +
                 "\" (a line holding \"" + Cp1251ToUtf8(header) + "\"); nothing is shown");
        return;
    }
    game.Animating = true;
    ++at;
    // The background: the line after the header, "bg=PICTURE".
    const std::string background =
        at < lines.size() ? std::string(Trim(RestOf(lines[at], "bg=").value_or(""))) : "";
    int width = 0;
    if (Surface* plain = LoadIntoSlot(game, kSlotMenuPicture, background)) {
        width = plain->width;
        if (Surface* back = game.slots.Get(kSlotBackBuffer)) {
            DrawScreenPicture(*back, *plain, false);
        }
    }
    game.slots.SetPoolInUse(kSlotMenuPicture, true);
    stage.MenuItems.push_back("bg:0:0:0:0:" + std::to_string(stage.MenuOffset) + ":0");
    stage.MenuOffset += width;
    // The items, up to a line that begins with "end" (or the end of the file).
    for (++at; at < lines.size() && !StartsWith(lines[at], "end"); ++at) {
        if (Trim(lines[at]).empty()) continue;
        std::string picture;
        std::optional<MenuEntry> entry = ReadEntryLine(lines[at], picture);
        if (!entry) continue;
        // The lowest free stage surface; 10 is the menu's own, and 0 means none was free.
        const int slot = game.slots.FirstFreePoolSlot();
        if (slot >= 0 && LoadIntoSlot(game, slot, picture)) {
            game.slots.SetPoolInUse(slot, true);
            entry->pic = slot - PoolSlotOf(0);
        }
        stage.MenuItems.push_back(entry->Format());
    }
    game.ScreenMode = 2;
    game.MenuKind = 2;
    game.Animating = false;
    Present(game.slots, game.platform);
}

}  // namespace orvane
