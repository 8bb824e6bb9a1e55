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
#include "host/screen_router.h"
#include "platform/config.h"
#include "platform/events.h"
#include "platform/platform.h"
#include "render/media_slots.h"
#include "script/game_state.h"
#include "script/interpreter.h"
#include "script/script_hooks.h"
#include "script/script_files.h"
#include "shell/comfort_input.h"
#include "shell/input_dispatch.h"
#include "shell/save_folder.h"
#include "shell/shell.h"

namespace orvane {

class Engine : public EventHandler, public GameState, public ScriptHooks {
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
    void FormKeyUp(int key) override { comforts.KeyUp(key); }
    void OnWheel(int notches) override { comforts.Wheel(notches); }
    void OnSkipButton(bool held) override { comforts.SkipButton(held); }
    void OnTimer(TimerId timer) override;
    void FormPaint() override;
    void OnMinimize() override;
    void OnRestore() override;
    bool WriteStateDump(const std::string& path) override;
    std::string StateDumpText() const;

    Interpreter interpreter{*this, *this};
    // The screens' input goes through `screens`, which is made further down: only its address is
    // taken here.
    InputDispatch input{*this, interpreter, screens};
    // Every event passes the player's comforts (keys as clicks, the wheel, skipping) first.
    ComfortInput comforts{*this, input};
    SoundPlayer sound{*this};
    Shell shell{*this, interpreter, sound, input};
    // The saved games (newest first) and their folder: the shell's, which saves and loads.
    std::vector<SaveFile>& SaveGames = shell.SaveGames;
    std::optional<std::filesystem::path>& saveFolder = shell.saveFolder;

    // What the script asks of the sound.
    void PlayVoice(std::string_view file) override { sound.PlayVoice(file); }
    void SetWaveVolume(int level) override { sound.SetWaveVolume(level); }
    void StartPlaylist() override { sound.StartPlaylist(PlaylistAttenuation(MusicVolume)); }

    // Menus, the interface strip, the pointer and the full-screen setting.
    void ShowSectionMenu(std::string_view line) override { shell.menu.Show(line); }
    void SetInterface(std::string_view line) override { shell.interfaceCommands.SetInterface(line); }
    void SetCursor(std::string_view line) override { shell.interfaceCommands.SetCursor(line); }
    void OnFullscreenChanged(bool) override { shell.options.SaveSettings(); }

    // "set journal".
    void OpenJournal() override { shell.journal.Open(); }

    // The mini-games of "game=".
    bool StartMiniGame(std::string_view line) override;
    CodePuzzle codePuzzle{shell};
    CardTableScreen cardTable{shell};
    NecroGame necro{shell};
    ScreenRouter screens{shell, codePuzzle, cardTable, necro};

    // Where the player's settings are kept between runs; none: they are not kept. Set before
    // Start().
    std::optional<std::filesystem::path> settingsFile;

private:
    void LoadScriptLists();
    void ReloadPlaylist();

    void RegisterGameFonts();
    // "cursor1.cur" of the game folder; a game without one keeps the system's pointer.
    void LoadGameCursor() { shell.interfaceCommands.LoadCursor("cursor1.cur", false); }
};

}  // namespace orvane
