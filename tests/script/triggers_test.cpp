#include <gtest/gtest.h>

#include "archive/pak_format.h"
#include "script/triggers.h"
#include "support/game_folder.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

using testing::GameArchive;
using testing::TempDir;

void WriteGame(const TempDir& game) {
    GameArchive()
        .Script("triggers.scn", "sys_1=0\r\nchapter=1\r\ngal_trg51=0\r\ndoor=closed")
        .WriteTo(game / "Orvane.pak");
}

TEST(TriggerStore, WithoutAPlayersFileKeepsTheArchiveDefaults) {
    TempDir game;
    WriteGame(game);
    StringList triggers;
    LoadTriggers(game.path(), game.path(), triggers);
    EXPECT_EQ(triggers, (StringList{"sys_1=0", "chapter=1", "gal_trg51=0", "door=closed"}));
}

TEST(TriggerStore, ThePlayersFileReplacesEntriesByNameAndAddsTheRest) {
    TempDir game;
    WriteGame(game);
    game.Write("triggers.scn",
               EncodeScriptBytes("gal_trg51=1\r\nsys_1=2\r\nsys_new=5\r\ntail without LF"));
    StringList triggers;
    LoadTriggers(game.path(), game.path(), triggers);
    EXPECT_EQ(triggers,
              (StringList{"sys_1=2", "chapter=1", "gal_trg51=1", "door=closed", "sys_new=5"}));
}

TEST(TriggerStore, RunAfterRunTheFileKeepsItsSizeAndTheSavedValueWins) {
    TempDir game;
    GameArchive()
        .Script("triggers.scn", "legal_x=0\r\nsys_1=0\r\nchapter=1\r\ngal_trg52=0")
        .WriteTo(game / "Orvane.pak");
    // A file grown by earlier runs: the same name three times, the last one the true value.
    game.Write("triggers.scn", EncodeScriptBytes("legal_x=0\r\nlegal_x=0\r\nlegal_x=1\r\n"));
    std::string error;
    for (int run = 0; run < 3; ++run) {
        SCOPED_TRACE(run);
        StringList triggers;
        LoadTriggers(game.path(), game.path(), triggers);
        EXPECT_EQ(triggers, (StringList{"legal_x=1", run == 0 ? "sys_1=0" : "sys_1=7", "chapter=1",
                                        "gal_trg52=0"}));
        EXPECT_EQ(GetTrigger(triggers, "legal_x"), "1");
        SetTrigger(triggers, "sys_1", "7");
        ASSERT_TRUE(SaveTriggers(triggers, game.path(), error)) << error;
        EXPECT_EQ(DecodeTriggerFile(testing::ReadWholeFile(game / "triggers.scn")),
                  (StringList{"legal_x=1", "sys_1=7", "gal_trg52=0"}));
    }
}

TEST(TriggerStore, SavesOnlyPersistentEntriesScrambledAndReadsThemBack) {
    TempDir player;
    StringList triggers{"sys_1=2", "chapter=5", "gal_trg51=\xFF", "mysys_x=1"};
    std::string error;
    ASSERT_TRUE(SaveTriggers(triggers, player.path(), error)) << error;
    const std::string stored = testing::ReadWholeFile(player / "triggers.scn");
    // "contains" rather than "begins with": mysys_x=1 goes along; byte 255 is stored as 0.
    EXPECT_EQ(stored, EncodeScriptBytes("sys_1=2\r\ngal_trg51=\xFF\r\nmysys_x=1\r\n"));
    EXPECT_NE(stored.find('\0'), std::string::npos);
    EXPECT_EQ(DecodeTriggerFile(stored), (StringList{"sys_1=2", "gal_trg51=\xFF", "mysys_x=1"}));
}

TEST(TriggerStore, GetAndSetMatchTheWholeNameBeforeTheEqualsSign) {
    StringList triggers{"a=12", "ab=3", "a=99"};
    EXPECT_EQ(GetTrigger(triggers, "a"), "12");
    EXPECT_EQ(GetTrigger(triggers, "b"), "");
    SetTrigger(triggers, "a", "7");
    EXPECT_EQ(triggers, (StringList{"a=7", "ab=3", "a=7"}));
    SetTrigger(triggers, "undeclared", "1");
    EXPECT_EQ(triggers.size(), 3u);
}

}  // namespace
}  // namespace orvane
