// The phone game (mode 4): a story told on the display of a drawn mobile phone whose keys the
// player presses with the mouse. Its screens come from "default.scn": two pictures, a sound, and
// a typed text or up to three choices. Lines of the story set triggers, and when it ends the
// triggers 11_necro .. 23_necro choose the scene where the main script goes on.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "archive/fixed_picture.h"
#include "minigames/necro_text.h"
#include "minigames/necro_typing.h"
#include "render/surface.h"
#include "script/script_files.h"

namespace orvane {

class Shell;

class NecroGame {
public:
    explicit NecroGame(Shell& shell) : shell_(shell) {}

    // "game=necro" (the interpreter has moved ScriptPos past the line): the titles, then the
    // phone's menu. False when there is no story to play: the script is to go on at once.
    bool Start();
    // Mode 4: a move lights the key under the pointer; a button press works that key.
    void Hover(int x, int y);
    void Click(int x, int y);
    // The typing timer.
    void TypingTick();

    enum State { kTextScreen = 1, kMainMenu = 2, kHelp = 4, kPauseMenu = 5, kChoiceScreen = 11 };
    static constexpr int kMenuItems = 5;
    static constexpr int kMaxOptions = 3;

    StringList NecroLines;
    int NecroPos = 0;
    int NecroState = 0;  // 0 until the game first starts
    int NecroMenuItem = 0;
    int NecroOption = 0;  // 1..3 on a choice screen; 1 leave, 2 go back on the pause menu
    std::array<std::string, kMaxOptions> NecroOptions;  // "TEXT//LABEL"; empty: no option
    int NecroKey = 0;
    std::string NecroLastSound;
    // The right key switches the phone's sounds off and on again.
    bool soundOn = true;
    const std::string& NecroText() const { return typing_.NecroText(); }
    int optionCount() const { return optionCount_; }

private:
    struct Placed {
        int x = 0, y = 0;  // from the display's corner
        int width = 0, height = 0;
    };
    static constexpr int kFirstPictureSlot = 17;
    static constexpr int kSecondPictureSlot = 18;

    // Keys by state.
    void MainMenuKey(int key);
    void TextScreenKey(int key);
    void ChoiceKey(int key);
    void PauseMenuKey(int key);
    void ToggleSound();

    // The screen whose lines begin at or after `from` (trigger lines first).
    void ShowNecroScreen(size_t from);
    // Down or select when a text screen is done: its next page, its choices or the next screen.
    void NextAfterText();
    // The choices at NecroPos, shown; false when there are none.
    bool ReadChoices();
    void StartTyping(std::string_view text);
    void PickChoice();
    void BackToMainMenu();
    // Leaves for the main script at the scene that the triggers choose with `suffix`.
    void Leave(std::string_view suffix);
    void EndNecro() { Leave("_end"); }
    void PlaySound(const std::string& name);
    // True, with a message, when `line` lies past the end of the story.
    bool PastTheEnd(size_t line) const;

    // Drawing (necro_drawing.cpp).
    // Loads a picture into its slot; one that cannot be had leaves the slot black.
    bool LoadInto(int slot, std::string_view name);
    Placed LoadScreenPicture(int slot, std::string_view name, bool clampTop);
    void ShowTitles();
    void DrawMainMenu();
    void DrawHelp();
    void DrawDisplay();
    void DrawOptions();
    void DrawTypedLine(std::string_view line, int lineNumber, size_t firstToDraw);
    void OpenPauseMenu();
    void DrawPauseMenu();
    void RestoreSavedFrame();
    void LightKey();
    void Text(std::string_view text, int x, int y, NecroStyle style);
    void Show();

    Shell& shell_;
    NecroFonts fonts_;
    NecroTyping typing_;
    Placed first_, second_;
    bool hasSecond_ = false;
    Rect litArea_;         // where the lit key lies on the phone
    int optionCount_ = 0;  // of the choice screen shown last
};

// The phone, its menu, its fonts and its titles.
FixedPictures NecroPictures();

}  // namespace orvane
