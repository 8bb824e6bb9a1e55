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

    std::vector<SaveFile> SaveGames;  // newest first
    std::optional<std::filesystem::path> saveFolder;
    Interpreter interpreter{*this, *this};
    InputDispatch input{*this, interpreter, *this};
    SoundPlayer sound{*this};

    // What the script asks of the sound.
    void PlayVoice(std::string_view file) override { sound.PlayVoice(file); }
    void SetWaveVolume(int level) override { sound.SetWaveVolume(level); }
    void StartPlaylist() override { sound.StartPlaylist(PlaylistAttenuation(MusicVolume)); }

private:
    void LoadScriptLists();
    void ReloadPlaylist();

    // Start-up steps whose subsystems arrive with later work: each is a deliberate no-op here.
    void RegisterGameFonts();
    void LoadGameCursor() {}     // "cursor1.cur"
};

}  // namespace orvane
