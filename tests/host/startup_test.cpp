#include <gtest/gtest.h>

#include "archive/pak_format.h"
#include "host/engine.h"
#include "platform/headless_platform.h"
#include "script/triggers.h"
#include "support/game_folder.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

using testing::GameArchive;
using testing::TempDir;

constexpr uint32_t kStartColour = MakePixel(30, 60, 90);

void WriteGame(const TempDir& game) {
    GameArchive()
        .FixedPictures(kStartColour)
        .Script("master.scn", "-- the first scene\r\nscene intro\r\n")
        .Script("objects.scn", "bg_a:a.jpg")
        .Script("playlist.scn", "track1.wav")
        .Script("triggers.scn", "sys_1=0\r\nchapter=1\r\ngal_trg51=0")
        .Script("names.scn", "hero:\xC0\xEB\xE5\xEA\xF1\xE5\xE9")
        .WriteTo(game / "Orvane.pak");
}

GameFolders FoldersOf(const TempDir& game) { return {game.path(), game.path(), game.path()}; }

TEST(StartUp, FillsTheListsAndPresentsTheBlackScreen) {
    TempDir game;
    WriteGame(game);
    game.Write("Save/Game1.SAV", "x");
    game.Write("Save/notes.txt", "x");
    HeadlessPlatform platform;
    Engine engine(platform, FoldersOf(game));
    ASSERT_TRUE(engine.Start());
    EXPECT_EQ(engine.lists.ScriptLines, (StringList{"-- the first scene", "scene intro", ""}));
    EXPECT_EQ(engine.lists.ObjectCatalog, StringList{"bg_a:a.jpg"});
    EXPECT_EQ(engine.lists.Playlist, StringList{"track1.wav"});
    EXPECT_EQ(engine.Triggers.size(), 3u);
    EXPECT_EQ(engine.lists.NameList.size(), 1u);
    EXPECT_TRUE(engine.lists.CodeLines.empty());  // in neither place: stays empty
    ASSERT_EQ(engine.SaveGames.size(), 1u);
    EXPECT_EQ(engine.SaveGames[0].name, "game1.sav");
    EXPECT_EQ(engine.ScriptPos, 3);  // the script ran to its end
    EXPECT_EQ(engine.SceneName, "intro");
    EXPECT_EQ(engine.ScreenMode, 1);
    EXPECT_EQ(platform.presents(), 1u);
    const uint32_t shown = platform.lastFrame().at(512, 384);
    EXPECT_NEAR(PixelRed(shown), 30, 4);
    EXPECT_NEAR(PixelBlue(shown), 90, 4);
    // Sound volume 5 on both channels of the device volume word.
    EXPECT_EQ(platform.recordingAudio().waveVolume, 0x7FFD7FFDu);
    EXPECT_NE(engine.slots.Get(kSlotRedBox), nullptr);
}

TEST(StartUp, CreatesTheSaveFolderInThePlayersFolder) {
    TempDir game, player;
    WriteGame(game);
    HeadlessPlatform platform;
    Engine engine(platform, {game.path(), game.path(), player.path()});
    ASSERT_TRUE(engine.Start());
    EXPECT_TRUE(std::filesystem::is_directory(player / "Save"));
    EXPECT_FALSE(std::filesystem::exists(game / "Save"));
    engine.FormDestroy();
    EXPECT_TRUE(std::filesystem::exists(player / "triggers.scn"));
    EXPECT_FALSE(std::filesystem::exists(game / "triggers.scn"));
}

TEST(StartUp, StopsWithTheDeviceMessageAndKeepsThePlayersTriggers) {
    TempDir game;
    WriteGame(game);
    const std::string saved = EncodeScriptBytes("gal_trg51=1\r\n");
    game.Write("triggers.scn", saved);
    HeadlessPlatform platform;
    platform.windowAvailable = false;
    Engine engine(platform, FoldersOf(game));
    EXPECT_FALSE(engine.Start());
    EXPECT_EQ(platform.messages(), std::vector<std::string>{"DD inetializaton error"});
    engine.FormDestroy();
    EXPECT_EQ(testing::ReadWholeFile(game / "triggers.scn"), saved);
}

TEST(StartUp, StopsWhenTheSaveFolderCannotBeListed) {
    TempDir game;
    WriteGame(game);
    game.Write("save", "a file where the folder should be");
    HeadlessPlatform platform;
    Engine engine(platform, FoldersOf(game));
    EXPECT_FALSE(engine.Start());
    EXPECT_EQ(platform.messages(), std::vector<std::string>{"Unable to open directory"});
    EXPECT_EQ(platform.presents(), 0u);
}

TEST(StartUp, PersistentTriggersSurviveARestartAndTheThumbnailIsRemoved) {
    TempDir game;
    WriteGame(game);
    {
        HeadlessPlatform platform;
        Engine engine(platform, FoldersOf(game));
        ASSERT_TRUE(engine.Start());
        SetTrigger(engine.Triggers, "gal_trg51", "1");
        SetTrigger(engine.Triggers, "chapter", "9");
        game.Write("screen_.bmp", "thumbnail");
        engine.FormDestroy();
    }
    EXPECT_FALSE(std::filesystem::exists(game / "screen_.bmp"));
    HeadlessPlatform platform;
    Engine engine(platform, FoldersOf(game));
    ASSERT_TRUE(engine.Start());
    EXPECT_EQ(GetTrigger(engine.Triggers, "gal_trg51"), "1");
    EXPECT_EQ(GetTrigger(engine.Triggers, "sys_1"), "0");
    EXPECT_EQ(GetTrigger(engine.Triggers, "chapter"), "1");  // not persistent
}

TEST(StartUp, RestoringAfterMinimiseReloadsThePicturesAndResumes) {
    TempDir game;
    WriteGame(game);
    HeadlessPlatform platform;
    Engine engine(platform, FoldersOf(game));
    ASSERT_TRUE(engine.Start());
    engine.OnMinimize();
    EXPECT_TRUE(engine.Suspended);
    engine.FormPaint();  // skipped while suspended
    EXPECT_EQ(platform.presents(), 1u);
    engine.slots.Get(kSlotBlack)->Fill(0);
    engine.OnRestore();
    EXPECT_FALSE(engine.Suspended);
    EXPECT_EQ(platform.presents(), 2u);
    EXPECT_NEAR(PixelRed(engine.slots.Get(kSlotBlack)->at(1, 1)), 30, 4);
}

}  // namespace
}  // namespace orvane
