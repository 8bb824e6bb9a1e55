// The load screen: the saved games as a carousel of three thumbnails over "load.jpg", with page
// turns and the way back (mode 21), and the action bar of the save in the centre, which loads,
// cancels or deletes it (mode 22).
#pragma once

#include <array>

#include "archive/fixed_picture.h"
#include "render/surface.h"
#include "shell/load_carousel.h"
#include "shell/save_folder.h"

namespace orvane {

class Shell;

class LoadScreen {
public:
    explicit LoadScreen(Shell& shell) : shell_(shell) {}

    // From the main menu and from the in-game menu: the newest save in the centre. Nothing
    // happens while there is no save.
    void Open();

    // Mode 21: the hover sets LoadHoverButton and lights its control; the click acts on it.
    void CarouselHover(int x, int y);
    void CarouselClick();
    // Mode 22: true when the pointer is on a button of the action bar. The click loads, cancels
    // or deletes by LoadHoverButton; a delete also wants the pointer on its button at (x, y).
    bool ActionBarHover(int x, int y);
    void ActionBarClick(int x, int y);

    // CarouselLeft, CarouselCentre and CarouselRight.
    CarouselPositions carousel;
    // The saves shown on the left, in the centre and on the right; the centre one is loaded or
    // deleted.
    SaveFile LeftSave, SelectedSave, RightSave;
    // 1 back or cancel, 2 the centre picture or load, 3 previous, 4 next, 5 delete; 0 none.
    int LoadHoverButton = 0;

private:
    // The resting layout at the carousel's positions, with `litControl` lit on the control strip
    // when it is not 0.
    void ShowLoadScreen(int litControl = 0);
    void DrawControls(int lit);
    void DrawSaveLabel();
    void Turn(bool forward);
    void LoadSelected();
    void DeleteSelected();
    void BackToMainMenu();
    // The screen's pictures are given back when the player leaves it.
    void ReleasePictures();

    Shell& shell_;
    Surface background_;  // "load.jpg"
    Surface frame_;       // "load_ramka.bmp"
    Surface controls_;    // "right_buttons.bmp": the control strip and the action bar
    // The thumbnails on show, left to right.
    std::array<Surface, 3> thumbnails_;
    // Whether a button of the action bar is lit on the screen.
    bool barLit_ = false;
};

FixedPictures LoadScreenPictures();

}  // namespace orvane
