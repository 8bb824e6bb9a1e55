#include "shell/game_menu_panels.h"

namespace orvane {
namespace {

constexpr ConfirmPanel kQuitPanel{320, 540, 210, true, false};
constexpr ConfirmPanel kMainMenuPanel{320, 485, 100, false, true};
constexpr ConfirmPanel kLoadPanel{320, 380, 100, false, false};

// Button columns from the panel's left edge, inclusive.
struct Span {
    int from;
    int to;
};
constexpr Span kYes{1, 49};
constexpr Span kNo{52, 99};
constexpr Span kThird{102, 179};
constexpr int kButtonHeight = 20;

// Rows of the panels picture; the third button's row is drawn two pixels lower than the others.
constexpr int kPlainTop = 90, kPlainBottom = 115;
constexpr int kYesTop = 60, kYesBottom = 90;
constexpr int kNoTop = 29, kNoBottom = 60;
constexpr int kThirdTop = 0, kThirdBottom = 30, kThirdDrop = 2;

bool Within(int v, int from, int to) {
    return from <= v && v <= to;
}

}  // namespace

const ConfirmPanel* ConfirmPanelOf(int mode) {
    switch (mode) {
        case kQuitPanelMode:
            return &kQuitPanel;
        case kMainMenuPanelMode:
            return &kMainMenuPanel;
        case kLoadPanelMode:
            return &kLoadPanel;
        default:
            return nullptr;
    }
}

PanelButton PanelButtonAt(const ConfirmPanel& panel, int x, int y, bool hovering) {
    const int bottom = panel.y + kButtonHeight + (hovering && panel.tallHover ? 1 : 0);
    if (!Within(y, panel.y, bottom)) return PanelButton::None;
    const int dx = x - panel.x;
    if (Within(dx, kYes.from, kYes.to)) return PanelButton::Yes;
    if (Within(dx, kNo.from, kNo.to)) return PanelButton::No;
    if (panel.third && Within(dx, kThird.from, kThird.to)) return PanelButton::Third;
    return PanelButton::None;
}

void DrawConfirmPanel(Surface& back, const Surface& pictures, const ConfirmPanel& panel,
                      PanelButton lit) {
    const auto row = [&](int top, int bottom, int width, int dy) {
        const Rect from{0, top, width, bottom};
        CopyRect(back, panel.x, panel.y + dy, pictures, &from);
    };
    row(kPlainTop, kPlainBottom, panel.width, 0);
    switch (lit) {
        case PanelButton::Yes:
            row(kYesTop, kYesBottom, panel.width, 0);
            break;
        case PanelButton::No:
            row(kNoTop, kNoBottom, panel.width, 0);
            break;
        case PanelButton::Third:
            row(kThirdTop, kThirdBottom, kQuitPanel.width, kThirdDrop);
            break;
        case PanelButton::None:
            break;
    }
}

}  // namespace orvane
