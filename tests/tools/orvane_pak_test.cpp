#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "archive/pak_format.h"
#include "archive/pak_reader.h"
#include "archive/pak_writer.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using orvane::testing::ReadWholeFile;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Quote(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

class OrvanePakTest : public ::testing::Test {
protected:
    void SetUp() override { ForgetPakIndexes(); }

    Result Run(const std::vector<std::string>& args) {
        std::string command = Quote((orvane::testing::BinaryDir() / "orvane-pak").string());
        for (const std::string& arg : args) command += " " + Quote(arg);
        command += " >" + Quote(logs_ / "out") + " 2>" + Quote(logs_ / "err");
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadWholeFile(logs_ / "out"),
                ReadWholeFile(logs_ / "err")};
    }

    std::string Path(std::string_view name) const { return (work_ / name).string(); }

    orvane::testing::TempDir work_;
    orvane::testing::TempDir logsDir_;
    fs::path logs_ = logsDir_.path();
};

TEST_F(OrvanePakTest, CreateListExtractRoundTrip) {
    const std::string binary("\x00\xFF\r\n\x7F", 5);
    work_.Write("in/a.txt", "abc");
    work_.Write("in/data.bin", binary);
    work_.Write("in/photo", "jpeg bytes");
    const std::string archive = Path("round.pak");
    Result r = Run(
        {"create", archive, Path("in/a.txt"), Path("in/data.bin"), "Фото.jpg=" + Path("in/photo")});
    ASSERT_EQ(r.status, 0) << r.err;

    r = Run({"list", archive});
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream listing(r.out);
    std::vector<std::string> rows;
    long long size = 0;
    long long offset = 0;
    std::string name;
    while (listing >> size >> offset >> name) {
        rows.push_back(std::to_string(size) + " " + std::to_string(offset) + " " + name);
    }
    EXPECT_EQ(rows, (std::vector<std::string>{"3 0 a.txt", "5 3 data.bin", "10 8 Фото.jpg"}));
    std::vector<PakEntry> entries;
    std::string error;
    ASSERT_TRUE(ListPakEntries(archive, entries, error)) << error;
    EXPECT_EQ(entries.at(2).name, "\xD4\xEE\xF2\xEE.jpg");  // stored in CP1251

    r = Run({"extract", archive, Path("out")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadWholeFile(work_ / "out/a.txt"), "abc");
    EXPECT_EQ(ReadWholeFile(work_ / "out/data.bin"), binary);
    EXPECT_EQ(ReadWholeFile(work_ / "out/Фото.jpg"), "jpeg bytes");

    r = Run({"extract", archive, Path("only"), "DATA.BIN"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadWholeFile(work_ / "only/data.bin"), binary);
    EXPECT_EQ(std::distance(fs::directory_iterator(work_ / "only"), fs::directory_iterator{}), 1);

    EXPECT_EQ(Run({"extract", archive, Path("none"), "absent.txt"}).status, 1);
}

TEST_F(OrvanePakTest, ScriptsAreConvertedEncodedAndPrintedBack) {
    work_.Write("names.scn", "hero:Алексей\nsecond\r\nthird\rlast");
    work_.Write("notes.txt", "x\ny\n");
    const std::string archive = Path("scripts.pak");
    Result r = Run({"create", "--scripts", archive, Path("names.scn"), Path("notes.txt")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadPakBytes(archive, "names.scn").bytes,
              EncodeScriptBytes("hero:\xC0\xEB\xE5\xEA\xF1\xE5\xE9\r\nsecond\r\nthird\r\nlast"));
    EXPECT_EQ(ReadPakBytes(archive, "notes.txt").bytes, "x\ny\n");

    r = Run({"cat", archive, "Names.SCN"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "hero:Алексей\nsecond\nthird\nlast\n");

    // Without --scripts a script is packed as it is.
    const std::string plain = Path("plain.pak");
    ASSERT_EQ(Run({"create", plain, Path("names.scn")}).status, 0);
    EXPECT_EQ(ReadPakBytes(plain, "names.scn").bytes, ReadWholeFile(work_ / "names.scn"));
}

TEST_F(OrvanePakTest, CharacterOutsideTheCodePageNamesFileAndLine) {
    work_.Write("bad.scn", "fine\n日本\n");
    const Result r = Run({"create", "--scripts", Path("bad.pak"), Path("bad.scn")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("bad.scn: line 2"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("U+65E5"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(work_ / "bad.pak"));
}

TEST_F(OrvanePakTest, ExtractNeverWritesOutsideTheFolder) {
    fs::create_directories(work_ / "out");
    fs::create_directories(work_ / "outside");
    fs::create_directory_symlink(work_ / "outside", work_ / "out/link");
    const std::string archive = Path("evil.pak");
    std::string error;
    ASSERT_TRUE(WritePak(
        {
            {"../evil.txt", {}, "x"},
            {Path("absolute.txt"), {}, "x"},
            {"C:\\evil.txt", {}, "x"},
            {"sub\\..\\..\\evil.txt", {}, "x"},
            {"link\\through.txt", {}, "x"},
            {"good\\inner.txt", {}, "kept"},
        },
        archive, error))
        << error;

    const Result r = Run({"extract", archive, Path("out")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("../evil.txt"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("symbolic link"), std::string::npos) << r.err;
    EXPECT_EQ(ReadWholeFile(work_ / "out/good/inner.txt"), "kept");
    for (const auto& item : fs::recursive_directory_iterator(work_.path())) {
        if (!item.is_regular_file() || item.path() == archive) continue;
        EXPECT_EQ(item.path(), work_ / "out/good/inner.txt");
    }
}

TEST_F(OrvanePakTest, RepeatedNameKeepsTheFirstEntry) {
    const std::string archive = Path("twice.pak");
    std::string error;
    ASSERT_TRUE(WritePak({{"a.txt", {}, "first"}, {"A.TXT", {}, "second"}}, archive, error));
    const Result r = Run({"extract", archive, Path("out")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadWholeFile(work_ / "out/a.txt"), "first");
    EXPECT_FALSE(fs::exists(work_ / "out/A.TXT"));
    EXPECT_NE(r.err.find("A.TXT"), std::string::npos) << r.err;
}

TEST_F(OrvanePakTest, BadCommandLinesAndBrokenArchivesFailCleanly) {
    EXPECT_EQ(Run({}).status, 2);
    EXPECT_EQ(Run({"frobnicate"}).status, 2);
    EXPECT_EQ(Run({"list"}).status, 2);
    EXPECT_EQ(Run({"create", "--zip", Path("x.pak")}).status, 2);
    const Result help = Run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("extract ARCHIVE DIR"), std::string::npos);

    Result r = Run({"list", Path("absent.pak")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("orvane-pak: "), std::string::npos);

    work_.Write("broken.pak", "00x1");
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"list", Path("broken.pak")},
                                               {"extract", Path("broken.pak"), Path("out")},
                                               {"cat", Path("broken.pak"), "a"}}) {
        r = Run(args);
        EXPECT_EQ(r.status, 1) << args[0];
        EXPECT_NE(r.err.find("damaged"), std::string::npos) << r.err;
    }
    work_.Write("empty.pak", "0000");
    EXPECT_EQ(Run({"cat", Path("empty.pak"), "master.scn"}).status, 1);
}

}  // namespace
}  // namespace orvane
