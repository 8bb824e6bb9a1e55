#include "shell/save_game.h"

#include "archive/bmp_decoder.h"
#include "archive/pak_reader.h"
#include "archive/pak_writer.h"
#include "archive/picture_loader.h"
#include "audio/volume_levels.h"
#include "base/log.h"
#include "base/text.h"
#include "render/thumbnail.h"
#include "script/script_files.h"
#include "shell/save_label.h"

namespace orvane {
namespace {

constexpr std::string_view kSceneWord = "scene ";

// The bytes of one entry of a save; nothing, with the reason, when it cannot be had.
std::optional<std::string> ReadSaveEntry(const std::filesystem::path& save, std::string_view name,
                                         std::string& error) {
    PakRead read = ReadPakBytes(save, name);
    if (read.status == PakStatus::Found) return std::move(read.bytes);
    error = read.status == PakStatus::Missing
                ? "the saved game " + save.string() + " has no " + std::string(name)
                : read.error;
    return std::nullopt;
}

bool DecodeThumbnail(const std::filesystem::path& save, Image& picture, std::string& error) {
    const std::optional<std::string> bytes = ReadSaveEntry(save, kThumbnailName, error);
    if (!bytes) return false;
    if (!DecodeBmp(*bytes, picture, error)) {
        error = "the thumbnail of the saved game " + save.string() + " is damaged: " + error;
        return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> FindSaveScene(const GameState& game, SceneSearch search) {
    const StringList& lines = game.lists.ScriptLines;
    const int count = static_cast<int>(lines.size());
    auto sceneOf = [&](int i) -> std::optional<std::string> {
        const std::string& line = lines[static_cast<size_t>(i)];
        const size_t at = line.find(kSceneWord);
        if (at == std::string::npos) return std::nullopt;
        return line.substr(at + kSceneWord.size());
    };
    if (search == SceneSearch::Backward) {
        for (int i = std::min(game.ScriptPos, count - 1); i >= 1; --i) {
            if (auto scene = sceneOf(i)) return scene;
        }
    } else {
        for (int i = std::max(game.ScriptPos, 0); i < count; ++i) {
            if (auto scene = sceneOf(i)) return scene;
        }
    }
    return std::nullopt;
}

std::optional<SaveFile> SaveGame(GameState& game, const std::filesystem::path& folder,
                                 SceneSearch search, const WallTime& time, std::string& error) {
    if (std::optional<std::string> scene = FindSaveScene(game, search)) {
        game.SceneName = std::move(*scene);
    }
    std::string thumbnail = game.thumbnailBmp;
    if (thumbnail.empty()) {
        const Surface* back = game.slots.Get(kSlotBackBuffer);
        thumbnail = ThumbnailBmpOf(back ? *back : Surface(kThumbnailWidth, kThumbnailHeight));
    }
    // The player may have removed the folder while playing; the game made it at start-up.
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    SaveFile file;
    file.name = SaveFileName(time);
    file.path = folder / Cp1251ToUtf8(file.name);
    const std::vector<PakSource> entries = {
        {kStateEntryName, {}, EncodeStateText(StateText(game))},
        {kThumbnailName, {}, std::move(thumbnail)},
    };
    if (!WritePak(entries, file.path, error)) return std::nullopt;
    return file;
}

std::optional<SavedState> ReadSaveGame(const std::filesystem::path& save, std::string& error) {
    const std::optional<std::string> stored = ReadSaveEntry(save, kStateEntryName, error);
    if (!stored) return std::nullopt;
    std::optional<SavedState> state = ReadStateText(*stored, error);
    if (!state) {
        error = "the saved game " + save.string() + " is damaged: " + error;
        return std::nullopt;
    }
    Image picture;
    if (!DecodeThumbnail(save, picture, error)) return std::nullopt;
    return state;
}

bool LoadGame(GameState& game, SoundPlayer& sound, const std::filesystem::path& save) {
    std::string error;
    const std::optional<SavedState> state = ReadSaveGame(save, error);
    if (!state) {
        LogError("cannot load the game: " + error);
        return false;
    }
    ApplyStateText(game, *state);
    // The thumbnail was of the game left behind.
    game.thumbnailBmp.clear();

    sound.StopMusic();
    game.lists.Playlist.clear();
    LoadScriptFile(game.folders.gameDir, "playlist.scn", game.lists.Playlist);
    game.PlaylistIndex = 0;
    sound.StartPlaylist(PlaylistAttenuation(game.MusicVolume));

    Surface* back = game.slots.Get(kSlotBackBuffer);
    const Surface* black = game.slots.Get(kSlotBlack);
    if (back && black) CopyRect(*back, 0, 0, *black);
    game.ScreenMode = 1;
    return true;
}

bool ReadSaveThumbnail(const std::filesystem::path& save, Surface& thumbnail, std::string& error) {
    thumbnail = Surface(kThumbnailWidth, kThumbnailHeight);
    Image picture;
    if (!DecodeThumbnail(save, picture, error)) return false;
    CopyPictureInto(thumbnail, picture);
    thumbnail.MarkChanged();
    return true;
}

}  // namespace orvane
