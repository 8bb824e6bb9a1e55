// Everything a running game holds that the script layer and the layers above it share. The
// engine object owns one and adds the screens on top.
#pragma once

#include "archive/picture_loader.h"
#include "platform/config.h"
#include "platform/platform.h"
#include "render/media_slots.h"
#include "script/script_files.h"
#include "script/stage.h"

namespace orvane {

struct GameState {
    GameState(Platform& platform_, GameFolders folders_)
        : platform(platform_),
          folders(std::move(folders_)),
          pictures(folders.gameDir, folders.playerDir) {}

    Platform& platform;
    const GameFolders folders;
    MediaSlots slots;
    PictureLoader pictures;

    ScriptLists lists;
    StringList Triggers;
    Stage stage;

    std::string SceneName;  // the last "scene " line run
    int ScreenMode = 1;
    int ScriptPos = 1;
    int SoundVolume = 5;
    int MusicVolume = 5;
    int PlaylistIndex = 0;
    bool Suspended = false;
    bool Paused = false;
    bool Animating = false;
    bool startupCompleted = false;
};

}  // namespace orvane
