// The three yes/no panels of the in-game menu: where each stands, where its buttons are, and the
// rows of "right_buttons.bmp" that show it plain or with one button lit.
#pragma once

#include "render/surface.h"

namespace orvane {

inline constexpr int kQuitPanelMode = 41;
inline constexpr int kMainMenuPanelMode = 42;
inline constexpr int kLoadPanelMode = 43;

enum class PanelButton { None, Yes, No, Third };

struct ConfirmPanel {
    int x = 0;  // where the panel is drawn
    int y = 0;
    int width = 0;  // 100, or 210 with the quit panel's third button
    bool third = false;
    // The rows of the buttons reach one pixel further down for the hover of this panel.
    bool tallHover = false;
};

// The panel of mode 41, 42 or 43; null for any other mode.
const ConfirmPanel* ConfirmPanelOf(int mode);

// The button of `panel` at (x, y), the ranges inclusive; `hovering` picks the hover's ranges.
PanelButton PanelButtonAt(const ConfirmPanel& panel, int x, int y, bool hovering);

// Draws the plain panel from `pictures` (the panels picture) and, over it, the row with `lit`
// highlighted.
void DrawConfirmPanel(Surface& back, const Surface& pictures, const ConfirmPanel& panel,
                      PanelButton lit);

}  // namespace orvane
