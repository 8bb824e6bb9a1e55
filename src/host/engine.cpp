#include "host/engine.h"

#include "base/files.h"
#include "base/log.h"
#include "render/display.h"
#include "script/text_commands.h"
#include "script/triggers.h"
#include "shell/messages.h"
#include "shell/save_folder.h"

namespace orvane {

Engine::Engine(Platform& platform_, GameFolders folders_)
    : GameState(platform_, std::move(folders_)) {}

void Engine::LoadScriptLists() {
    const auto& dir = folders.gameDir;
    LoadScriptFile(dir, "objects.scn", lists.ObjectCatalog);
    LoadScriptFile(dir, "master.scn", lists.ScriptLines);
    LoadScriptFile(dir, "code.scn", lists.CodeLines);
    LoadScriptFile(dir, "playlist.scn", lists.Playlist);
    LoadTriggers(dir, folders.playerDir, Triggers);
    LoadScriptFile(dir, "gallery.scn", lists.GalleryList);
}

void Engine::ReloadPlaylist() {
    lists.Playlist.clear();
    sound.StopMusic();
    LoadScriptFile(folders.gameDir, "playlist.scn", lists.Playlist);
}

bool Engine::Start() {
    SeedRandom();
    saveFolder = PrepareSaveFolder(folders.playerDir);
    RemoveStaleTemporaryFiles(folders.playerDir);
    if (saveFolder) RemoveStaleTemporaryFiles(*saveFolder);
    // The device must run before anything plays: it settles on the sound card's own rate.
    platform.audio().Start();
    Suspended = false;
    SoundVolume = 5;
    sound.SetWaveVolume(SoundVolume);
    MusicVolume = 5;
    // The volumes and full screen the player chose in an earlier run.
    shell.options.UseSettingsFile(settingsFile);
    LoadGameCursor();
    ScreenMode = 1;
    ScriptPos = 1;
    LoadScriptLists();

    if (!saveFolder || !ScanSaveFolder(*saveFolder, SaveGames)) {
        platform.ShowMessage(kUnableToOpenDirectory);
        return false;
    }
    LoadScriptFile(folders.gameDir, kTextDefaultsFile, lists.TextDefaults);
    ApplyTextDefaults(*this);
    LoadScriptFile(folders.gameDir, "names.scn", lists.NameList);
    RegisterGameFonts();

    if (!SetUpDisplay(slots, platform)) return false;
    slots.ClearPoolFlags();
    CreateFixedSurfaces(slots);
    LoadFixedPictures(slots, pictures);
    pictures.LoadPicture(*slots.Get(kSlotBackBuffer), "blackscreen.jpg");
    Present(slots, platform);

    ScriptPos = 0;
    ClearStage(*this, ClearKind::All);
    startupCompleted = true;
    interpreter.RunScript();
    ReloadPlaylist();
    // The music starts at the level of the music bar: -1000 for the game's own level 5.
    sound.StartPlaylist(AttenuationForLevel(MusicVolume));
    return true;
}

void Engine::RegisterGameFonts() {
    for (const char* name : {"Micra_Normal.ttf", "OfficinaSansCTT.TTF"}) {
        const std::optional<std::filesystem::path> file = FindLooseFile(folders.gameDir, name);
        if (!file) continue;
        std::string error;
        if (!fonts.RegisterFontFile(*file, error)) LogError(error);
    }
}

void Engine::FormDestroy() {
    ReleaseAll(slots);
    std::error_code ec;
    std::filesystem::remove(folders.playerDir / kThumbnailName, ec);
    platform.audio().Stop();
    if (!startupCompleted) return;
    std::string error;
    if (!SaveTriggers(Triggers, folders.playerDir, error)) LogError(error);
}

}  // namespace orvane
