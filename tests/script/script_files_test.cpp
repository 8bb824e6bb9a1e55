#include <gtest/gtest.h>

#include "archive/pak_reader.h"
#include "script/script_files.h"
#include "support/game_folder.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

using testing::GameArchive;
using testing::TempDir;

TEST(ScriptFiles, ComeFromTheLooseFileFirstThenTheArchive) {
    TempDir game;
    GameArchive()
        .Script("master.scn", "scene intro\r\nset bg bg=x\r\n")
        .Script("objects.scn", "bg_a:a.jpg")
        .WriteTo(game / "Orvane.pak");
    game.Write("OBJECTS.SCN", "bg_b:b.jpg\r\nch_c:c.bmp\r\n");

    StringList master, objects, absent{"kept"};
    EXPECT_TRUE(LoadScriptFile(game.path(), "master.scn", master));
    // The archive keeps the empty line after the final line break; a text file does not.
    EXPECT_EQ(master, (StringList{"scene intro", "set bg bg=x", ""}));
    EXPECT_TRUE(LoadScriptFile(game.path(), "objects.scn", objects));
    EXPECT_EQ(objects, (StringList{"bg_b:b.jpg", "ch_c:c.bmp"}));
    EXPECT_FALSE(LoadScriptFile(game.path(), "code.scn", absent));
    EXPECT_EQ(absent, StringList{"kept"});
}

TEST(ScriptFiles, ADamagedArchiveLeavesTheListAsItWas) {
    TempDir game;
    game.Write("Orvane.pak", "0001000Xmaster.scn");
    StringList lines{"kept"};
    EXPECT_FALSE(LoadScriptFile(game.path(), "master.scn", lines));
    EXPECT_EQ(lines, StringList{"kept"});
}

}  // namespace
}  // namespace orvane
