#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>

#include "base/files.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

using testing::ReadWholeFile;
using testing::TempDir;

TEST(LooseFiles, AreFoundWithoutRegardToCaseInEveryComponent) {
    TempDir dir;
    dir.Write("BlackScreen.JPG", "x");
    dir.Write("Save/Game1.SAV", "y");
    dir.Write("Привет.scn", "z");
    EXPECT_EQ(FindLooseFile(dir.path(), "blackscreen.jpg"), dir / "BlackScreen.JPG");
    EXPECT_EQ(FindLooseFile(dir.path(), "save\\game1.sav"), dir / "Save/Game1.SAV");
    EXPECT_EQ(FindLooseFile(dir.path(), "\xEF\xD0\xC8\xC2\xC5\xD2.SCN"), dir / "Привет.scn");
    EXPECT_FALSE(FindLooseFile(dir.path(), "save"));  // a folder is not a loose file
    EXPECT_TRUE(FindCaseInsensitive(dir.path(), "SAVE"));
    EXPECT_FALSE(FindLooseFile(dir.path(), "missing.bmp"));
    EXPECT_FALSE(FindLooseFile(dir.path(), ""));
}

TEST(LooseFiles, AnExactNameWinsOverACaseFoldedOne) {
    TempDir dir;
    dir.Write("a.txt", "lower");
    dir.Write("A.txt", "upper");
    EXPECT_EQ(FindLooseFile(dir.path(), "A.txt"), dir / "A.txt");
    EXPECT_EQ(FindLooseFile(dir.path(), "a.txt"), dir / "a.txt");
}

TEST(AtomicWrite, ReplacesTheFileAndLeavesNoTemporaryBehind) {
    TempDir dir;
    std::string error;
    dir.Write("triggers.scn", "old");
    ASSERT_TRUE(WriteFileAtomic(dir / "triggers.scn", "new contents", error)) << error;
    EXPECT_EQ(ReadWholeFile(dir / "triggers.scn"), "new contents");
    {
        AtomicFileWriter writer;
        ASSERT_TRUE(writer.Open(dir / "triggers.scn", error));
        ASSERT_TRUE(writer.Write("half", error));
        // Dropped without Commit: as if the program died while writing.
    }
    EXPECT_EQ(ReadWholeFile(dir / "triggers.scn"), "new contents");
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 1);
    EXPECT_FALSE(WriteFileAtomic(dir / "no/such/folder/file", "x", error));
    EXPECT_FALSE(error.empty());
}

std::vector<std::string> NamesIn(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::filesystem::perms PermissionsOf(const std::filesystem::path& file) {
    return std::filesystem::status(file).permissions() & std::filesystem::perms::mask;
}

TEST(AtomicWrite, TemporaryFilesHaveANameNoListingTakesAndStaleOnesAreRemoved) {
    TempDir dir;
    std::string error;
    std::filesystem::create_directory(dir / "Save");
    AtomicFileWriter writer;
    ASSERT_TRUE(writer.Open(dir / "Save/game1.sav", error)) << error;
    const std::vector<std::string> during = NamesIn(dir / "Save");
    ASSERT_EQ(during.size(), 1u);
    EXPECT_TRUE(IsEngineTemporaryFile(during[0])) << during[0];
    EXPECT_EQ(during[0].find(".sav"), std::string::npos);

    for (const char* name : {".orvane-tmp-", ".orvane-tmp-Ab12Z", ".orvane-tmp-Ab12Z9x",
                             ".orvane-tmp-Ab.2Z9", ".game1.sav.Ab12Z9", "game1.sav"}) {
        EXPECT_FALSE(IsEngineTemporaryFile(name)) << name;
    }
    EXPECT_TRUE(IsEngineTemporaryFile(".orvane-tmp-Ab12Z9"));

    // Left by a crash long ago, left by a crash just now (or being written by another copy of
    // the engine), and files that only look alike.
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(5);
    std::filesystem::last_write_time(dir.Write("Save/.orvane-tmp-OLD123", "x"), old);
    std::filesystem::last_write_time(dir.Write("Save/.orvane-tmp-Old12.sav", "x"), old);
    std::filesystem::create_directory(dir / "Save/.orvane-tmp-Folder");
    std::filesystem::last_write_time(dir / "Save/.orvane-tmp-Folder", old);
    RemoveStaleTemporaryFiles(dir / "Save");
    std::vector<std::string> expected{".orvane-tmp-Folder", ".orvane-tmp-Old12.sav", during[0]};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(NamesIn(dir / "Save"), expected);
}

TEST(AtomicWrite, WritesThroughALinkAndKeepsPermissionsOrTheUmask) {
    using std::filesystem::perms;
    TempDir dir;
    std::string error;
    dir.Write("data/real.scn", "old");
    std::filesystem::permissions(dir / "data/real.scn", perms::owner_read | perms::owner_write);
    std::filesystem::create_directory(dir / "player");
    std::filesystem::create_symlink("../data/real.scn", dir / "player/triggers.scn");
    ASSERT_TRUE(WriteFileAtomic(dir / "player/triggers.scn", "new", error)) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "player/triggers.scn"));
    EXPECT_EQ(ReadWholeFile(dir / "data/real.scn"), "new");
    EXPECT_EQ(PermissionsOf(dir / "data/real.scn"), perms::owner_read | perms::owner_write);
    EXPECT_EQ(NamesIn(dir / "data"), std::vector<std::string>{"real.scn"});

    // A link to a file not yet there creates that file.
    std::filesystem::create_symlink("../data/later.scn", dir / "player/later.scn");
    ASSERT_TRUE(WriteFileAtomic(dir / "player/later.scn", "x", error)) << error;
    EXPECT_EQ(ReadWholeFile(dir / "data/later.scn"), "x");
    std::filesystem::create_symlink("loop", dir / "player/loop");
    EXPECT_FALSE(WriteFileAtomic(dir / "player/loop", "x", error));

    const mode_t previous = ::umask(077);
    const bool written = WriteFileAtomic(dir / "private.scn", "x", error);
    ::umask(previous);
    ASSERT_TRUE(written) << error;
    EXPECT_EQ(PermissionsOf(dir / "private.scn"), perms::owner_read | perms::owner_write);
}

TEST(BoundedRead, RefusesFilesOverTheLimitAndSaysWhy) {
    TempDir dir;
    dir.Write("big", std::string(100, 'x'));
    std::string bytes, error;
    EXPECT_TRUE(ReadFileBounded(dir / "big", 100, bytes, error));
    EXPECT_EQ(bytes.size(), 100u);
    EXPECT_FALSE(ReadFileBounded(dir / "big", 99, bytes, error));
    EXPECT_NE(error.find("too large"), std::string::npos);
    EXPECT_FALSE(ReadFileBounded(dir / "absent", 99, bytes, error));
}

TEST(TextFileLines, BreakAtCrLfCrOrLfWithoutATrailingEmptyLine) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(SplitTextFileLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitTextFileLines("a\nb\rc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(SplitTextFileLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitTextFileLines(""), Lines{});
}

}  // namespace
}  // namespace orvane
