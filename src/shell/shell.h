// The game shell: the screens that own screen modes (menus, in-game menu, load screen, options,
// journal) and the steps they share. Each screen is a class of its own that holds its fields
// and handles its modes; they reach each other through this object.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "audio/sound_player.h"
#include "script/game_state.h"
#include "script/interpreter.h"
#include "shell/gallery_screen.h"
#include "shell/game_menu.h"
#include "shell/input_dispatch.h"
#include "shell/interface_commands.h"
#include "shell/journal_screen.h"
#include "shell/load_screen.h"
#include "shell/menu_screen.h"
#include "shell/options_screen.h"
#include "shell/save_folder.h"
#include "shell/save_game.h"

namespace orvane {

class Shell {
public:
    Shell(GameState& game_, Interpreter& interpreter_, SoundPlayer& sound_, InputDispatch& input_)
        : game(game_), interpreter(interpreter_), sound(sound_), input(input_) {}
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    GameState& game;
    Interpreter& interpreter;
    SoundPlayer& sound;
    InputDispatch& input;

    // The main-menu section that the story has unlocked: "main_menu1" .. "main_menu4" by the
    // persistent triggers sys_1, sys_2 and sys_3 (a later one wins).
    std::string MainMenuVariant() const;
    // Shows the main menu by running the script line that puts it up: the stage is cleared, the
    // dialogue dropped and the interpreter run from that line. Nothing happens when the script
    // has no such line.
    void GoToMainMenu();

    // The main and section menus (modes 222 and 2). Their hover fields HoverName and HoverAction
    // are the menu's; MenuHoverItem, the hovered item of the options screen and of the in-game
    // menu alike, is kept in GameState so that both reach it.
    MenuScreen menu{*this};
    // The options screen (mode 20): Open(/*fromGame=*/true) from the in-game menu.
    OptionsScreen options{*this};
    // "set interface" and "set cursor=".
    InterfaceCommands interfaceCommands{*this};
    // The in-game menu (mode 40) with its yes/no panels (41, 42, 43).
    GameMenuScreen gameMenu{*this};
    // "set journal" (modes 7 and 71); its hover field is JournalHoverButton.
    JournalScreen journal{*this};
    // The saved games to load (modes 21 and 22); its hover field is LoadHoverButton.
    LoadScreen load{*this};
    // The unlockable pictures (modes 5 and 51); its hover field is LoadHoverButton as well.
    GalleryScreen gallery{*this};

    // The player's saved games, newest first, and the folder they are kept in (none when it
    // could not be made).
    std::vector<SaveFile> SaveGames;
    std::optional<std::filesystem::path> saveFolder;
    bool HasSaveGames() const { return !SaveGames.empty(); }
    // Saves the game now, named after the clock, and lists the save folder again. The file
    // written; nothing when the game could not be saved (the reason is on stderr).
    std::optional<SaveFile> SaveGameNow(SceneSearch search);

    // "load" of the main menu and the in-game menu's load panel: the load screen, when there are
    // saved games.
    void OpenLoadScreenFromMenu() { load.Open(); }
    // "gallery" of the main menu.
    void OpenGallery() { gallery.Open(); }
    // "cards" of the main menu: a card game, on a screen above the shell.
    void StartCardsFromMenu() { input.screens().StartCardsFromMenu(); }
};

}  // namespace orvane
