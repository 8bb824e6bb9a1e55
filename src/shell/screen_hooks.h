// The screens that take input in their own modes: menus, saves and loading, options, gallery,
// in-game menu, journal and the mini-games. Each arrives with its own work; until then its
// place in the input order is held by these hooks, which do nothing.
#pragma once

namespace orvane {

class ScreenHooks {
public:
    virtual ~ScreenHooks() = default;

    // Mouse-down of the screens that own a mode.
    virtual void CodePuzzleClick(int, int) {}        // 8
    virtual void LoadActionBarClick(int, int) {}     // 22
    virtual void LoadCarouselClick() {}              // 21
    virtual void GalleryFullViewClick() {}           // 51
    virtual void GalleryClick() {}                   // 5
    virtual void ConfirmPanelClick(int, int) {}      // 41, 42, 43
    virtual void GameMenuClick() {}                  // 40
    virtual void OptionsClick(int, int) {}           // 20
    virtual void MenuAction() {}                     // 2, 222: the hovered item's action
    virtual void NecroClick(int, int) {}             // 4
    virtual void CardsClick(int, int) {}             // 3, 31
    virtual void JournalClick() {}                   // 7, 71

    // Mouse-move (hover) of the same screens.
    virtual void MainMenuHover(int, int) {}          // 222
    virtual void ConfirmPanelHover(int, int) {}      // 41, 42, 43
    virtual void GameMenuHover(int, int) {}          // 40
    // True when the pointer is over the action bar (the event ends there).
    virtual bool LoadActionBarHover(int, int) { return false; }  // 22
    virtual void LoadCarouselHover(int, int) {}      // 21
    virtual void GalleryHover(int, int) {}           // 5
    virtual void CodePuzzleHover(int, int) {}        // 8
    virtual void JournalHover(int, int) {}           // 7, 71
    virtual void SectionMenuHover(int, int) {}       // 2
    virtual void CardsHover(int, int) {}             // 3, 31
    virtual void NecroHover(int, int) {}             // 4
    virtual void OptionsHover(int, int) {}           // 20

    // Mouse-up: only a card being dragged on the table uses it.
    virtual bool CardBeingDragged() const { return false; }
    virtual void CardDrop(int, int) {}

    virtual void OpenGameMenu() {}
    virtual void CloseGameMenu() {}

    // Screens above the shell that the shell opens or returns to.
    virtual void StartCardsFromMenu() {}  // the main menu's "cards"
    // The in-game menu closes over the screen of `mode` it was opened from: true when that
    // screen came back, false when the game goes on as a scene.
    virtual bool ResumeAfterGameMenu(int /*mode*/) { return false; }
};

}  // namespace orvane
