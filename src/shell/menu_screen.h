// The main menu (mode 222) and the section menus of "menus.scn" (mode 2): putting them on screen
// for "set section menu=", the hover that highlights an item, and the click that performs the
// hovered item's action.
#pragma once

#include <string>
#include <string_view>

#include "archive/fixed_picture.h"

#include "archive/fixed_picture.h"
namespace orvane {

class Shell;

class MenuScreen {
public:
    explicit MenuScreen(Shell& shell) : shell_(shell) {}

    // "set section menu=" (the interpreter has set ScriptPos back to the line itself).
    void Show(std::string_view line);

    // Mouse-move in mode 222 and in mode 2.
    void MainMenuHover(int x, int y);
    void SectionMenuHover(int x, int y);
    // The click in modes 2 and 222: HoverAction, whatever the pointer is over now.
    void PerformMenuAction();

    // The item under the pointer as last drawn: "bg" for none on a section menu, empty for none
    // on the main menu. Neither is cleared when a menu is shown, so a click before the first
    // move performs what was left there.
    std::string HoverName;
    std::string HoverAction;

private:
    void ShowMainMenu(std::string name);
    void ShowSectionMenu(std::string_view name);
    void JumpToScene();

    Shell& shell_;
};

inline constexpr char kMainMenuPicture[] = "main_menu.jpg";
// The fourth variant's picture, once sys_3 is 1.
inline constexpr char kLastMainMenuPicture[] = "main_menu2.jpg";
FixedPictures MainMenuPictures(bool lastVariant);

}  // namespace orvane
