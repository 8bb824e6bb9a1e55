// Everything a running game holds that the script layer and the layers above it share. The
// engine object owns one and adds the screens on top.
#pragma once

#include "archive/picture_loader.h"
#include "base/random_generator.h"
#include "platform/config.h"
#include "platform/font_rasterizer.h"
#include "platform/platform.h"
#include "render/media_slots.h"
#include "render/text_state.h"
#include "script/script_files.h"
#include "script/stage.h"

namespace orvane {

// The name-entry screen: which name variable receives the typed name, and where it is drawn.
struct NameEntryState {
    std::string variable;
    std::string typed;
    int originX = 0;
    int originY = 0;
    int penX = 0;
    FontSetting font;
    bool caretWhite = false;  // the caret's last colour
};

struct GameState {
    GameState(Platform& platform_, GameFolders folders_)
        : platform(platform_),
          folders(std::move(folders_)),
          pictures(folders.gameDir, folders.playerDir) {}

    Platform& platform;
    const GameFolders folders;
    MediaSlots slots;
    PictureLoader pictures;

    FontRasterizer fonts;

    ScriptLists lists;
    StringList Triggers;
    Stage stage;
    TextState text;
    NameEntryState nameEntry;

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
    int SfxVolumeLevel = 0;  // the scripts' own levels, apart from the options screen's
    int VolumeLevel = 0;
    int MenuKind = 0;  // 2 section menu, 3 selection, 4..7 main menu variants
    // The hovered item of the options screen and of the in-game menu; 0 none.
    int MenuHoverItem = 0;
    bool clicksLocked = false;  // the click lock of page turns and loading (Timer5 lifts it)

    RandomGenerator random;
    // Where the game seeds its random numbers "with the current time".
    void SeedRandom() { random.Seed(static_cast<uint32_t>(platform.WallClock().secondsSince1970)); }

    // The save-game thumbnail ("screen_.bmp", a 24-bit BMP): the screen as it was when the
    // in-game menu or the journal opened and covered it. Empty when none was taken.
    std::string thumbnailBmp;
};

}  // namespace orvane
