// One entry of MenuItems, the items of the section menu on screen: NAME:X1:Y1:X2:Y2:PIC:ACTION.
// The first entry of a menu is its background, "bg:0:0:0:0:OFFSET:0".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

struct MenuEntry {
    std::string name;
    int x1 = 0;          // left
    int y1 = 0;          // top
    int x2 = 0;          // right
    int y2 = 0;          // bottom
    int pic = 0;         // the pool surface (1..15) of the highlighted look; 0 none
    std::string action;  // the rest of the record, colons and all

    std::string Format() const;
    // Nothing for a record that is not one (a damaged saved game).
    static std::optional<MenuEntry> Parse(std::string_view record);
    // Strictly inside: the border itself belongs to no item.
    bool Contains(int x, int y) const { return x1 < x && x < x2 && y1 < y && y < y2; }
};

}  // namespace orvane
