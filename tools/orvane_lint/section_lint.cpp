// The sections of menus.scn and interface.scn that the script names, and the main menu's lines.
#include "base/text.h"
#include "checks.h"
#include "line_checker.h"
#include "shell/section_files.h"

namespace orvane::lint {
namespace {

// What a click on a menu item does: one of the shell's own actions, or a jump to a scene.
void CheckMenuAction(LintContext& c, int number, std::string_view action) {
    static constexpr std::string_view kBuiltIn[] = {"exit",    "main",    "load", "cards",
                                                    "options", "gallery", "nope", "fullscreen"};
    if (action.empty()) {
        c.findings.Warning(kMenusFile, number, "the item has no action=; clicking it does nothing");
        return;
    }
    for (std::string_view builtIn : kBuiltIn) {
        if (action == builtIn) {
            c.menuActions.emplace(std::string(action), number);
            return;
        }
    }
    CheckJump(c, kMenusFile, number, Trim(action));
}

}  // namespace

void CheckMenu(LintContext& c, int number, std::string_view name) {
    if (StartsWith(name, "main_menu")) {
        if (c.mainMenuLine == 0) c.mainMenuLine = number;
        return;
    }
    const std::optional<MenuSection> section = FindMenuSection(c.menus, name);
    if (!section) {
        c.findings.Error(kMasterFile, number,
                         "menu " + Quoted(name) + ": menus.scn has no line holding \" " +
                             Cp1251ToUtf8(name) + ";\"");
        return;
    }
    if (!c.checkedMenus.insert(std::string(name)).second) return;
    const int header = static_cast<int>(section->header) + 1;
    LineChecker background(c, kMenusFile, header + 1);
    if (section->background.empty()) {
        background.Error("the line after the menu's header has no bg=PICTURE");
    } else {
        background.Picture(section->background);
    }
    if (section->end == c.menus.size()) {
        c.findings.Warning(kMenusFile, header,
                           "menu " + Quoted(name) +
                               " is not closed by a line beginning with \"end\"; it runs to the "
                               "end of the file");
    }
    for (size_t k = section->firstEntry; k < section->end; ++k) {
        if (Trim(c.menus[k]).empty()) continue;
        const int line = static_cast<int>(k) + 1;
        LineChecker check(c, kMenusFile, line);
        const std::optional<MenuEntryLine> item = ParseMenuEntryLine(c.menus[k]);
        if (!item) {
            check.Error("is not NAME:X1:Y1:X2:Y2 action=ACTION bg=PICTURE; the item is left out");
            continue;
        }
        check.Picture(item->picture);
        CheckMenuAction(c, line, item->entry.action);
    }
}

void CheckMainMenus(LintContext& c) {
    if (c.mainMenuLine == 0) return;
    LineChecker check(c, kMasterFile, c.mainMenuLine);
    // A screen goes back to the main menu by running the line of the variant the persistent
    // triggers choose, found by exact comparison: no blanks around it, no other case.
    for (int variant = 1; variant <= 4; ++variant) {
        const std::string unlock = "sys_" + std::to_string(variant - 1);
        if (variant > 1 && !c.Declared(unlock)) continue;
        const std::string wanted = "set section menu=main_menu" + std::to_string(variant);
        bool found = false;
        for (const std::string& line : c.master) found = found || line == wanted;
        if (!found) {
            check.Error("no line is exactly \"" + wanted +
                        "\", so going back to the main menu does nothing" +
                        (variant > 1 ? " once " + unlock + " is 1" : std::string()));
        }
    }
}

void CheckInterface(LintContext& c, int number, std::string_view name) {
    const std::optional<InterfaceSection> section = FindInterfaceSection(c.interface, name);
    if (!section) {
        c.findings.Error(
            kMasterFile, number,
            "interface " + Quoted(name) + ": interface.scn has no line beginning with it");
        return;
    }
    if (!c.checkedInterfaces.insert(std::string(name)).second) return;
    if (section->end == c.interface.size()) {
        c.findings.Warning(kInterfaceFile, static_cast<int>(section->header) + 1,
                           "section " + Quoted(name) +
                               " is not closed by a line \"end\"; its items run to the end of "
                               "the file");
    }
    for (size_t k = section->header + 1; k < section->end; ++k) {
        if (Trim(c.interface[k]).empty()) continue;
        LineChecker check(c, kInterfaceFile, static_cast<int>(k) + 1);
        const std::optional<InterfaceItemLine> item = ParseInterfaceItemLine(c.interface[k]);
        if (!item) {
            check.Error("is not LEVEL:NAME:X:Y:FLAG; the item is left out");
            continue;
        }
        check.Item(item->name);
        check.Number(Trim(item->x), "x");
        check.Number(Trim(item->y), "y");
    }
}

}  // namespace orvane::lint
