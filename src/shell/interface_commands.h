// "set interface" (the in-game interface pictures of a section of "interface.scn") and
// "set cursor=" (the mouse pointer from a cursor file of the game folder).
#pragma once

#include <string>
#include <string_view>

namespace orvane {

class Shell;

class InterfaceCommands {
public:
    explicit InterfaceCommands(Shell& shell) : shell_(shell) {}

    // "set interface SECTION": the section's pictures go on the stage; those whose FLAG is not
    // "0" are recorded in InterfaceItems as well. Nothing is drawn until the next composition.
    void SetInterface(std::string_view line);
    // "set cursor=FILE".
    void SetCursor(std::string_view line);
    // The pointer from cursor file `file` of the game folder. A file that is missing or does not
    // load keeps the pointer as it is; `reportMissing` says whether a missing one is worth a word.
    bool LoadCursor(std::string_view file, bool reportMissing);

    // The file of the last "set cursor=" that took effect (engine text).
    std::string CursorFile;

private:
    Shell& shell_;
};

}  // namespace orvane
