// The sections of "menus.scn" and "interface.scn": where a section starts and ends and how its
// lines read. The menus and the interface are built by these rules, and the script linter checks
// the files by them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "script/script_files.h"
#include "shell/menu_entry.h"

namespace orvane {

inline constexpr char kMenusFile[] = "menus.scn";
inline constexpr char kInterfaceFile[] = "interface.scn";

// A menu section: its header is the first line holding " NAME;", the line after it says
// "bg=PICTURE", and its entries follow up to a line that begins with "end" (or the end of the
// file). Blank lines among the entries are skipped.
struct MenuSection {
    size_t header = 0;
    std::string background;  // the picture after "bg=" on the line after the header
    size_t firstEntry = 0;
    size_t end = 0;  // the "end" line, or the number of lines
};
std::optional<MenuSection> FindMenuSection(const StringList& lines, std::string_view name);

// An entry line NAME:X1:Y1:X2:Y2 action=ACTION bg=PICTURE; nothing when its head is not a name
// and four numbers. ACTION runs to the next blank, PICTURE to the end of the line.
struct MenuEntryLine {
    MenuEntry entry;
    std::string picture;
};
std::optional<MenuEntryLine> ParseMenuEntryLine(std::string_view line);

// An interface section: the first line that begins with the section's name, then its items up
// to the line "end" (or the end of the file). Blank lines among them are skipped.
struct InterfaceSection {
    size_t header = 0;
    size_t end = 0;
};
std::optional<InterfaceSection> FindInterfaceSection(const StringList& lines,
                                                     std::string_view name);

// An item LEVEL:NAME:X:Y:FLAG:REST; nothing when it has fewer than five fields or LEVEL is not
// a number. X and Y are kept as written: they become the stage position ":X:Y".
struct InterfaceItemLine {
    int level = 0;
    std::string name;
    std::string x;
    std::string y;
    std::string flag;  // "0": only shown; anything else: recorded in InterfaceItems too
    std::string rest;  // what follows FLAG, colons and all
};
std::optional<InterfaceItemLine> ParseInterfaceItemLine(std::string_view line);

}  // namespace orvane
