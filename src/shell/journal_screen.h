// The journal (modes 7 and 71): a full-screen page that the script opens between scenes with
// "set journal". It offers to save the game (with a yes/no question) or to close; either way the
// script then goes on from the line after "set journal" on an empty stage.
#pragma once

#include "archive/fixed_picture.h"

namespace orvane {

class Shell;

class JournalScreen {
public:
    explicit JournalScreen(Shell& shell) : shell_(shell) {}

    // "set journal" (the interpreter has moved ScriptPos past the line and stops).
    void Open();
    // Modes 7 and 71: the hover lights a button and sets JournalHoverButton; the click acts on it.
    void Hover(int x, int y);
    void Click();

    // 1 save, 2 close (mode 7); 3 yes, 4 no (mode 71); 0 none.
    int JournalHoverButton = 0;

private:
    void SaveAndGoOn();
    // Back to the scene: the game screen as it was, then the script from after the journal.
    // With `compose`, the empty stage is drawn before the script runs.
    void GoOn(bool compose);

    Shell& shell_;
};

FixedPictures JournalPictures();

}  // namespace orvane
