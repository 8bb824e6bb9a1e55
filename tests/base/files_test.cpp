#include <gtest/gtest.h>

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
