#include <gtest/gtest.h>

#include <sys/stat.h>

#include "archive/bmp_writer.h"
#include "archive/pak_reader.h"
#include "audio/sound_player.h"
#include "base/text.h"
#include "platform/test_waves.h"
#include "shell/save_game.h"
#include "shell/save_label.h"
#include "stage_fixture.h"

namespace orvane {
namespace {

using testing::TempDir;

constexpr char kHero[] = "hero:\xC0\xEB\xE5\xEA\xF1\xE5\xE9";  // "Алексей" in CP1251

// The stored form, written out here rather than taken from the engine: every byte one less.
std::string StoredByHand(std::string_view plain) {
    std::string out;
    for (unsigned char c : plain) out += static_cast<char>(c - 1);
    return out;
}

std::string ThumbnailOf(uint32_t pixel) {
    return EncodeBmp24(testing::Solid(400, 300, pixel));
}

std::string ArchiveBytes(const std::vector<PakSource>& entries) {
    TempDir dir;
    std::string error;
    EXPECT_TRUE(WritePak(entries, dir / "s.sav", error)) << error;
    return testing::ReadWholeFile(dir / "s.sav");
}

// An archive of exactly these two entries in this order, as the game packed its saves.
std::string SaveBytes(const std::string& storedState, const std::string& thumbnail) {
    return ArchiveBytes({{"temp_.tmp", {}, storedState}, {"screen_.bmp", {}, thumbnail}});
}

WallTime At(int year, int month, int day, int hour, int minute, int second) {
    return WallTimeFromUtcSeconds(UtcSecondsOf(year, month, day, hour, minute, second));
}

const WallTime kDecember = At(2026, 12, 8, 4, 24, 0);

class SaveTest : public testing::StageTest {
protected:
    TempDir player;
    std::filesystem::path folder = *PrepareSaveFolder(player.path());
    SoundPlayer sound{state};
};

TEST_F(SaveTest, TheStateTextByteForByte) {
    state.SceneName = "a";
    const std::string empty = "a\r\n----\r\n----\r\n----\r\n----\r\n----\r\n----\r\n";
    EXPECT_EQ(StateText(state), empty);
    EXPECT_EQ(EncodeStateText(empty).substr(0, 9), "`\x0C\x09,,,,\x0C\x09");
    std::string error;
    EXPECT_EQ(ReadStateText(EncodeStateText(empty), error),
              (SavedState{"a", {}, {}, {}, {}, {}, {}}));

    // The moves with their empty head entry, the stage items with their end marker, and no
    // trigger that holds "sys_" or "gal_" anywhere.
    state.SceneName = "hall";
    state.lists.NameList = {kHero};
    InsertStageRecord(state.stage, *StageItem::Parse("2:bg_blue:255:1024:768:1:0:0:0"));
    state.stage.MoveList = {*StageMove::Parse("obj_red:0:5:2:10:0:100:100:150:100")};
    state.stage.MenuItems = {"bg:0:0:0:0:40:0"};
    state.Triggers = {"sys_1=0", "chapter=2", "gal_trg51=1", "seen=sys_1"};
    state.stage.InterfaceItems = {"if_panel:0:600:rest"};
    state.stage.Cycles = {*StageCycle::Parse("c:0:2:1:2:3:f1;f2;")};
    const std::string full = std::string("hall\r\n") + kHero + "\r\n" +
                             "----\r\n2:bg_blue:255:1024:768:1:0:0:0\r\n\r\n"
                             "----\r\n\r\nobj_red:0:5:2:10:0:100:100:150:100\r\n"
                             "----\r\nbg:0:0:0:0:40:0\r\n----\r\nchapter=2\r\n"
                             "----\r\nif_panel:0:600:rest\r\n----\r\nc:0:2:1:2:3:f1;f2;\r\n";
    EXPECT_EQ(StateText(state), full);
    EXPECT_EQ(EncodeStateText(full), StoredByHand(full));
    EXPECT_EQ(ReadStateText(StoredByHand(full), error),
              (SavedState{"hall",
                          {kHero},
                          {"2:bg_blue:255:1024:768:1:0:0:0", ""},
                          {"", "obj_red:0:5:2:10:0:100:100:150:100"},
                          {"bg:0:0:0:0:40:0"},
                          {"chapter=2"},
                          {"if_panel:0:600:rest"}}));
}

TEST_F(SaveTest, ASaveMadeByTheGameItselfLoads) {
    game.Write("playlist.scn", "a.wav\r\n");
    game.Write("a.wav", testing::ToneWave({1, 22050, 16}, 1000, 0.5, 0.5));
    state.lists.ScriptLines = {"scene hall", "end", "  scene Hall ", "set bg level=1 bg=bg_blue",
                               "end"};
    state.Triggers = {"sys_1=5", "chapter=7", "gal_trg51=1"};
    state.ScreenMode = 40;
    // A byte of value 15 in a name: the game's own loader split the text there.
    const std::string text = std::string("hall\r\n") + kHero + "\r\nnote:a\x0F" + "b\r\n" +
                             "----\r\n2:ch_ramp:255:250:600:1:0:0:0\r\n\r\n----\r\n----\r\n"
                             "----\r\nchapter=3\r\nsys_9=1\r\nkey=1\r\n----\r\n----\r\n";
    const std::filesystem::path save =
        game.Write("Save/01 май 2009 09-05.sav", SaveBytes(StoredByHand(text), ThumbnailOf(9)));

    ASSERT_TRUE(LoadGame(state, sound, save));
    EXPECT_EQ(state.lists.NameList, (StringList{kHero,
                                                "note:a\x0F"
                                                "b"}));
    EXPECT_EQ(state.stage.FormatStageItems(), (StringList{"2:ch_ramp:255:250:600:1:0:0:0", ""}));
    // The installation's triggers stay; the saved ones follow (a stray "sys_" one does not).
    EXPECT_EQ(state.Triggers, (StringList{"sys_1=5", "gal_trg51=1", "chapter=3", "key=1"}));
    EXPECT_EQ(state.ScriptPos, 2);  // the scene's last line
    EXPECT_EQ(state.ScreenMode, 1);
    EXPECT_EQ(Pixel(512, 384), state.slots.Get(kSlotBlack)->at(512, 384));
    EXPECT_EQ(sound.musicTrack(), "a.wav");

    interpreter.RunScript();  // what the caller does next: the scene starts again
    EXPECT_EQ(state.SceneName, "Hall");
    ASSERT_EQ(state.stage.StageItems.size(), 1u);
    EXPECT_EQ(state.stage.StageItems[0].name, "bg_blue");
}

TEST_F(SaveTest, SavingAndLoadingBringsTheGameBackWithAReadOnlyGameFolder) {
    Run({"-- saved games", "scene hall", "set bg level=1 bg=bg_blue", "end", "-- after",
         "scene cellar", "end"});
    state.lists.NameList = {kHero};
    state.Triggers = {"sys_1=0", "chapter=2", "gal_trg51=1"};
    ::chmod(game.path().c_str(), 0555);
    std::string error;
    std::optional<SaveFile> saved =
        SaveGame(state, folder, SceneSearch::Backward, kDecember, error);
    ASSERT_TRUE(saved) << error;
    EXPECT_EQ(saved->name, "08 \xE4\xE5\xEA 2026 04-24.sav");
    EXPECT_EQ(saved->path, folder / "08 дек 2026 04-24.sav");  // UTF-8 on disk
    EXPECT_EQ(state.SceneName, "hall");
    std::vector<PakEntry> entries;
    ASSERT_TRUE(ListPakEntries(saved->path, entries, error)) << error;
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name + " " + entries[1].name, "temp_.tmp screen_.bmp");
    Surface thumbnail;  // no menu took one: the screen as it is
    ASSERT_TRUE(ReadSaveThumbnail(saved->path, thumbnail, error)) << error;
    EXPECT_EQ(thumbnail.at(200, 150), kBlue);

    state.lists.NameList = {"hero:Bob"};
    state.Triggers = {"sys_1=4", "chapter=9", "gal_trg51=1"};
    Run({"scene cellar", "set object level=2 object=obj_red", "end", "scene hall", "end"});
    ASSERT_TRUE(LoadGame(state, sound, saved->path));
    EXPECT_EQ(state.lists.NameList, StringList{kHero});
    EXPECT_EQ(state.Triggers, (StringList{"sys_1=4", "gal_trg51=1", "chapter=2"}));
    EXPECT_EQ(state.stage.FormatStageItems(), (StringList{"1:bg_blue:255:1024:768:1:0:0:0", ""}));
    EXPECT_EQ(state.ScriptPos, 3);
    ::chmod(game.path().c_str(), 0755);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(game.path()), {}), 1);

    // From the journal the scene is looked for forward, with the thumbnail its opening took;
    // a second save in the same minute replaces the first.
    state.ScriptPos = 1;
    state.thumbnailBmp = ThumbnailOf(kRed);
    saved = SaveGame(state, folder, SceneSearch::Forward, kDecember, error);
    ASSERT_TRUE(saved) << error;
    EXPECT_EQ(state.SceneName, "hall");
    ASSERT_TRUE(ReadSaveThumbnail(saved->path, thumbnail, error)) << error;
    EXPECT_EQ(thumbnail.at(0, 0), kRed);
    std::vector<SaveFile> saves;
    ASSERT_TRUE(ScanSaveFolder(folder, saves));
    EXPECT_EQ(saves, std::vector<SaveFile>{*saved});
}

TEST(SaveLabel, NamesTheMonthInRussian) {
    const char* kMonths[] = {"янв", "фев", "мар", "апр", "май", "июн",
                             "июл", "авг", "сен", "окт", "ноя", "дек"};
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(Cp1251ToUtf8(SaveLabel(At(2026, month, 15, 12, 0, 0))),
                  "15 " + std::string(kMonths[month - 1]) + " 2026 12-00");
    }
    EXPECT_EQ(Cp1251ToUtf8(SaveFileName(At(2009, 5, 1, 9, 5, 59))), "01 май 2009 09-05.sav");
    EXPECT_EQ(Cp1251ToUtf8(SaveFileName(kDecember)), "08 дек 2026 04-24.sav");
    EXPECT_EQ(LabelOfSaveName("08 \xE4\xE5\xEA 2026 04-24.sav"), "08 \xE4\xE5\xEA 2026 04-24");
}

TEST_F(SaveTest, ADamagedSaveIsRefusedAndChangesNothing) {
    const std::string state6 =
        StoredByHand("a\r\n----\r\n----\r\n----\r\n----\r\n----\r\n----\r\n");
    const std::string whole = SaveBytes(state6, ThumbnailOf(kBlue));
    struct Case {
        const char* what;
        std::string bytes;
        bool thumbnailDecodes;
    };
    const Case cases[] = {
        {"empty", "", false},
        {"not an archive", "this is not an archive", false},
        {"truncated", whole.substr(0, whole.size() / 2), false},
        {"no thumbnail", ArchiveBytes({{"temp_.tmp", {}, state6}}), false},
        {"no state", ArchiveBytes({{"screen_.bmp", {}, ThumbnailOf(1)}}), true},
        {"thumbnail not a picture", SaveBytes(state6, "BM\x10\0\0\0junk"), false},
        {"state without its sections", SaveBytes(StoredByHand("a\r\n----\r\n"), ThumbnailOf(1)),
         true},
        {"state without a line end", SaveBytes(StoredByHand("a"), ThumbnailOf(1)), true},
    };
    state.lists.NameList = {"hero:Bob"};
    state.ScriptPos = 7;
    state.ScreenMode = 22;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::filesystem::path save =
            player.Write(std::string("Save/") + c.what + ".sav", c.bytes);
        EXPECT_FALSE(LoadGame(state, sound, save));
        EXPECT_EQ(state.lists.NameList, StringList{"hero:Bob"});
        EXPECT_EQ(state.ScriptPos, 7);
        EXPECT_EQ(state.ScreenMode, 22);
        Surface thumbnail;
        std::string error;
        EXPECT_EQ(ReadSaveThumbnail(save, thumbnail, error), c.thumbnailDecodes);
        EXPECT_EQ(thumbnail.width * thumbnail.height, 400 * 300);
        EXPECT_EQ(thumbnail.at(200, 150), c.thumbnailDecodes ? MakePixel(0, 0, 1) : 0u);
    }
    EXPECT_TRUE(LoadGame(state, sound, player.Write("Save/good.sav", whole)));  // others work
    EXPECT_EQ(state.ScreenMode, 1);
}

TEST(SaveFolder, ListsSavesNewestFirstWithTheNamesTheGameUses) {
    TempDir dir;
    const auto now = std::filesystem::file_time_type::clock::now();
    auto make = [&](const std::string& name, int age) {
        const std::filesystem::path path = dir.Write(name, "x");
        std::filesystem::last_write_time(path, now - std::chrono::seconds(age));
        return path;
    };
    const std::vector<SaveFile> expected = {
        {"newest.sav", make("Newest.SAV", 0)},
        {"08 \xE4\xE5\xEA 2026 04-24.sav", make("08 дек 2026 04-24.sav", 50)},
        // A name that is not UTF-8: copied from the game's own folder, so CP1251.
        {"09 \xE4\xE5\xEA 2026 04-24.sav", make("09 \xE4\xE5\xEA 2026 04-24.sav", 60)},
        {"a.sav", make("a.sav", 100)},  // as old as b.sav: by name
        {"b.sav", make("b.sav", 100)},
        {"old.sav.bak", make("old.sav.bak", 500)},
    };
    make("notes.txt", 0);
    make(".08 дек 2026 04-24.sav.Xy12Zq", 0);  // a save being written
    std::filesystem::create_directory(dir / "folder.sav");
    std::vector<SaveFile> saves;
    ASSERT_TRUE(ScanSaveFolder(dir.path(), saves));
    EXPECT_EQ(saves, expected);
    EXPECT_FALSE(ScanSaveFolder(dir / "missing", saves));
    EXPECT_TRUE(saves.empty());
}

}  // namespace
}  // namespace orvane
