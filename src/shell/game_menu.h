// The in-game menu (mode 40) that the right button or Esc opens over a scene: resume, save, load,
// options, back to the main menu and quit, the last three guarded by a small yes/no panel
// (modes 43, 42 and 41). The menu keeps a copy of the game screen to return to.
#pragma once

#include "archive/fixed_picture.h"

namespace orvane {

class Shell;

class GameMenuScreen {
public:
    explicit GameMenuScreen(Shell& shell) : shell_(shell) {}

    // The right button in mode 1, or Esc on a screen that allows it.
    void Open();
    // Esc in mode 40: back to the game screen as it was, the dialogue left as it stands. A card
    // table comes back to its own mode; every other screen goes on as a scene.
    void Close();

    // Mode 40: the hover sets MenuHoverItem and its marker; the click acts on MenuHoverItem.
    void Hover(int x, int y);
    void Click();

    // Modes 41, 42 and 43: unlike the menu, the panels act on where the pointer is at the click.
    void PanelHover(int x, int y);
    void PanelClick(int x, int y);

private:
    void Resume();
    void SaveFromMenu();
    // Puts up the plain panel of `mode` and enters it.
    void OpenPanel(int mode);
    // A panel's "no": the menu picture again, in mode 40.
    void BackToMenu();
    // The load panel's "yes" (and one outcome of the quit panel's third button).
    void LeaveForLoadScreen();
    void QuitPanelThirdButton();

    Shell& shell_;
    int openedFrom_ = 1;  // the screen mode under the menu
};

FixedPictures GameMenuPictures();

}  // namespace orvane
