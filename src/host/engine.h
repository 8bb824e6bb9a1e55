// The engine object: owns all state of the running game, as the original main window did, and
// receives the window's events.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "archive/picture_loader.h"
#include "audio/sound_player.h"
#include "audio/volume_levels.h"
#include "minigames/code_puzzle.h"
#include "platform/config.h"
#include "platform/events.h"
#include "platform/platform.h"
#include "render/media_slots.h"
#include "script/game_state.h"
#include "script/interpreter.h"
#include "script/script_hooks.h"
#include "script/script_files.h"
#include "shell/input_dispatch.h"
#include "shell/save_folder.h"
#include "shell/screen_hooks.h"
#include "shell/shell.h"

namespace orvane {

class Engine : public EventHandler,
               public GameState,
               public ScriptHooks,
               public ScreenHooks {
public:
    Engine(Platform& platform, GameFolders folders);

    // The start-up sequence. False when the game cannot run (the reason was shown already).
    bool Start();
    // Shutdown: releases the display, removes the thumbnail file and, when start-up completed,
    // writes the persistent triggers.
    void FormDestroy();

    void FormMouseDown(MouseButton button, int x, int y) override;
    void FormMouseMove(int x, int y) override;
    void FormMouseUp(MouseButton button, int x, int y) override;
    void FormKeyDown(int key) override;
    void OnTimer(TimerId timer) override;
    void FormPaint() override;
    void OnMinimize() override;
    void OnRestore() override;
    bool WriteStateDump(const std::string& path) override;
    std::string StateDumpText() const;

    Interpreter interpreter{*this, *this};
    InputDispatch input{*this, interpreter, *this};
    SoundPlayer sound{*this};
    Shell shell{*this, interpreter, sound, input};
    // The saved games (newest first) and their folder: the shell's, which saves and loads.
    std::vector<SaveFile>& SaveGames = shell.SaveGames;
    std::optional<std::filesystem::path>& saveFolder = shell.saveFolder;

    // What the script asks of the sound.
    void PlayVoice(std::string_view file) override { sound.PlayVoice(file); }
    void SetWaveVolume(int level) override { sound.SetWaveVolume(level); }
    void StartPlaylist() override { sound.StartPlaylist(PlaylistAttenuation(MusicVolume)); }

    // Menus, options, the interface strip and the pointer.
    void ShowSectionMenu(std::string_view line) override { shell.menu.Show(line); }
    void SetInterface(std::string_view line) override { shell.interfaceCommands.SetInterface(line); }
    void SetCursor(std::string_view line) override { shell.interfaceCommands.SetCursor(line); }
    void MainMenuHover(int x, int y) override { shell.menu.MainMenuHover(x, y); }
    void SectionMenuHover(int x, int y) override { shell.menu.SectionMenuHover(x, y); }
    void MenuAction() override { shell.menu.PerformMenuAction(); }
    void OptionsHover(int x, int y) override { shell.options.Hover(x, y); }
    void OptionsClick(int x, int y) override { shell.options.Click(x, y); }
    void OnFullscreenChanged(bool) override { shell.options.SaveSettings(); }

    // The in-game menu with its panels, and the journal.
    void OpenGameMenu() override { shell.gameMenu.Open(); }
    void CloseGameMenu() override { shell.gameMenu.Close(); }
    void GameMenuHover(int x, int y) override { shell.gameMenu.Hover(x, y); }
    void GameMenuClick() override { shell.gameMenu.Click(); }
    void ConfirmPanelHover(int x, int y) override { shell.gameMenu.PanelHover(x, y); }
    void ConfirmPanelClick(int x, int y) override { shell.gameMenu.PanelClick(x, y); }
    void OpenJournal() override { shell.journal.Open(); }
    void JournalHover(int x, int y) override { shell.journal.Hover(x, y); }
    void JournalClick() override { shell.journal.Click(); }

    // The load screen.
    void LoadCarouselHover(int x, int y) override { shell.load.CarouselHover(x, y); }
    void LoadCarouselClick() override { shell.load.CarouselClick(); }
    bool LoadActionBarHover(int x, int y) override { return shell.load.ActionBarHover(x, y); }
    void LoadActionBarClick(int x, int y) override { shell.load.ActionBarClick(x, y); }

    // The gallery.
    void GalleryHover(int x, int y) override { shell.gallery.Hover(x, y); }
    void GalleryClick() override { shell.gallery.Click(); }
    void GalleryFullViewClick() override { shell.gallery.FullViewClick(); }

    // The mini-games of "game=".
    bool StartMiniGame(std::string_view line) override;
    CodePuzzle codePuzzle{shell};
    void CodePuzzleHover(int x, int y) override { codePuzzle.Hover(x, y); }
    void CodePuzzleClick(int, int) override { codePuzzle.Click(); }

    // Where the player's settings are kept between runs; none: they are not kept. Set before
    // Start().
    std::optional<std::filesystem::path> settingsFile;

private:
    // The phone game and the card table arrive with their own work; until then "game=necro" and
    // "game=cards" only stop the script.
    void StartNecro() {}
    void StartCards() {}

    void LoadScriptLists();
    void ReloadPlaylist();

    void RegisterGameFonts();
    // "cursor1.cur" of the game folder; a game without one keeps the system's pointer.
    void LoadGameCursor() { shell.interfaceCommands.LoadCursor("cursor1.cur", false); }
};

}  // namespace orvane
