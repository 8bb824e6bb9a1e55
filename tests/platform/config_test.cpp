#include <gtest/gtest.h>

#include <map>

#include "platform/config.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

using testing::TempDir;

TEST(ConfigFile, ReadsPathAndCdPathAndIgnoresTheRest) {
    TempDir dir;
    dir.Write("orvane.ini",
              "[Orvane]\r\n# a comment\r\n; another\r\npath = /games/orvane\r\n"
              "CD_Path=\"/media/cd\"\r\nColour=blue\r\nno equals sign\r\n");
    const ConfigValues values = ReadConfigFile(dir / "orvane.ini");
    EXPECT_TRUE(values.found);
    EXPECT_EQ(values.path, "/games/orvane");
    EXPECT_EQ(values.cdPath, "/media/cd");
    EXPECT_FALSE(ReadConfigFile(dir / "absent.ini").found);
}

TEST(ConfigFile, LivesUnderTheXdgFoldersOrHome) {
    std::map<std::string, std::string> env{{"HOME", "/home/p"}};
    auto getenv = [&](const char* name) -> const char* {
        auto it = env.find(name);
        return it == env.end() ? nullptr : it->second.c_str();
    };
    EXPECT_EQ(DefaultConfigFile(getenv), "/home/p/.config/orvane/orvane.ini");
    EXPECT_EQ(DefaultPlayerDataDir(getenv), "/home/p/.local/share/orvane");
    env["XDG_CONFIG_HOME"] = "/cfg";
    env["XDG_DATA_HOME"] = "/data";
    EXPECT_EQ(DefaultConfigFile(getenv), "/cfg/orvane/orvane.ini");
    EXPECT_EQ(DefaultPlayerDataDir(getenv), "/data/orvane");
}

TEST(GameFolders, FollowConfigurationThenOptionsAndMovePlayerFilesOffReadOnlyGames) {
    auto writable = [](const std::filesystem::path&) { return true; };
    auto readOnly = [](const std::filesystem::path&) { return false; };
    const std::filesystem::path cwd = "/start", data = "/data/orvane";

    GameFolders none = ResolveGameFolders({}, {}, cwd, data, writable);
    EXPECT_EQ(none.gameDir, cwd);
    EXPECT_EQ(none.cdDir, cwd);
    EXPECT_EQ(none.playerDir, cwd);

    ConfigValues config{true, "/games/orvane", "/media/cd"};
    GameFolders configured = ResolveGameFolders(config, {}, cwd, data, readOnly);
    EXPECT_EQ(configured.gameDir, "/games/orvane");
    EXPECT_EQ(configured.cdDir, "/media/cd");
    EXPECT_EQ(configured.playerDir, data / "orvane-531547cb");

    // A game folder named on the command line carries its sounds unless told otherwise.
    GameFolders option = ResolveGameFolders({}, {std::filesystem::path("game"), {}}, cwd, data,
                                            writable);
    EXPECT_EQ(option.gameDir, "/start/game");
    EXPECT_EQ(option.cdDir, "/start/game");
    GameFolders both = ResolveGameFolders(config, {std::filesystem::path("/g"),
                                                   std::filesystem::path("/c")},
                                          cwd, data, writable);
    EXPECT_EQ(both.gameDir, "/g");
    EXPECT_EQ(both.cdDir, "/c");
    EXPECT_EQ(both.playerDir, "/g");
}

TEST(GameFolders, EveryReadOnlyGameHasAPlayerFolderOfItsOwnThatStaysTheSame) {
    auto readOnly = [](const std::filesystem::path&) { return false; };
    const std::filesystem::path data = "/data/orvane";
    auto playerDirOf = [&](const char* gameDir) {
        return ResolveGameFolders({}, {std::filesystem::path(gameDir), {}}, "/start", data,
                                  readOnly)
            .playerDir;
    };
    // The hash values are FNV-1a of the path: changing them would lose every player's saves.
    EXPECT_EQ(playerDirOf("/games/orvane"), data / "orvane-531547cb");
    EXPECT_EQ(playerDirOf("/games/orvane/"), data / "orvane-531547cb");
    EXPECT_EQ(playerDirOf("/games/./x/../orvane"), data / "orvane-531547cb");
    EXPECT_EQ(playerDirOf("/other/orvane"), data / "orvane-bab0bed0");
    EXPECT_EQ(playerDirOf("/"), data / "game-2a0c975e");
}

}  // namespace
}  // namespace orvane

namespace orvane {
namespace {

TEST(PlayerSettings, AreRewrittenInPlaceKeepingTheRestAndReadBackWithinRange) {
    TempDir dir;
    const std::filesystem::path file = dir / "orvane/orvane.ini";
    std::string error;
    // A new file, in a folder that does not exist yet.
    ASSERT_TRUE(WritePlayerSettings(file, {3, -1, true}, error)) << error;
    EXPECT_EQ(ReadPlayerSettings(file), (PlayerSettings{3, -1, true}));

    dir.Write("orvane/orvane.ini",
              "[Orvane]\r\n# mine\r\nPath=/games/orvane\r\nsoundvolume = 2\r\nMusicVolume=7\r\n"
              "SoundVolume=8\r\n");
    ASSERT_TRUE(WritePlayerSettings(file, {9, 0, false}, error)) << error;
    EXPECT_EQ(testing::ReadWholeFile(file),
              "[Orvane]\n# mine\nPath=/games/orvane\nSoundVolume=9\nMusicVolume=0\nFullScreen=0\n");
    EXPECT_EQ(ReadConfigFile(file).path, "/games/orvane");

    // Values out of range keep the defaults they would replace.
    dir.Write("orvane/orvane.ini", "SoundVolume=10\nMusicVolume=x\nFullScreen=yes\n");
    EXPECT_EQ(ReadPlayerSettings(file, {1, 2, true}), (PlayerSettings{1, 2, true}));

    // A configuration that is no file of its own is read, never replaced.
    EXPECT_FALSE(WritePlayerSettings("/dev/null", {}, error));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

}  // namespace
}  // namespace orvane
