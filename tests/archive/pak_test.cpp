#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "archive/pak_entry.h"
#include "archive/pak_format.h"
#include "archive/pak_reader.h"
#include "archive/pak_writer.h"
#include "base/decimal.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

struct Stored {
    std::string name;
    std::string data;
};

// Built field by field, so that the reader's tests do not lean on the writer.
std::string RawArchive(const std::vector<Stored>& entries) {
    std::string directory = PadDecimal(entries.size(), 4);
    std::string data;
    for (const Stored& entry : entries) {
        directory += PadDecimal(entry.name.size(), 4) + entry.name;
        directory += PadDecimal(entry.data.size(), 10) + PadDecimal(data.size(), 10);
        data += entry.data;
    }
    return directory + data;
}

// Directory fields written one by one, as the format lists them.
std::string Fields(std::initializer_list<std::string_view> parts) {
    std::string joined;
    for (std::string_view part : parts) joined += part;
    return joined;
}

class PakTest : public ::testing::Test {
protected:
    void SetUp() override { ForgetPakIndexes(); }

    // Each archive gets its own file: a rewrite within one clock tick may keep size and time.
    fs::path Archive(std::string_view bytes, const std::string& file = "test.pak") {
        return dir_.Write(file, bytes);
    }

    std::string Bytes(const fs::path& archive, std::string_view name) {
        PakRead read = ReadPakBytes(archive, name);
        EXPECT_EQ(read.status, PakStatus::Found) << name << ": " << read.error;
        return read.bytes;
    }

    orvane::testing::TempDir dir_;
};

TEST_F(PakTest, EmptyDirectoryHasNoEntries) {
    const fs::path archive = Archive("0000");
    for (const char* name : {"master.scn", "", "0000"}) {
        std::vector<std::string> lines = {"kept"};
        std::string error;
        EXPECT_EQ(ReadPakEntry(name, 1, {.lines = &lines}, archive, error), kPakEntryMissing);
        EXPECT_EQ(lines, std::vector<std::string>{"kept"});
    }
}

TEST_F(PakTest, LookupIgnoresCaseIncludingCyrillicAndTakesTheFirstMatch) {
    const fs::path archive = Archive(RawArchive({
        {"master.scn", Fields({"script"})},
        {"\xD4\xEE\xED.jpg", Fields({"background"})},  // Фон.jpg
        {"\xB8\xEB\xEA\xE0.bmp", Fields({"tree"})},  // ёлка.bmp: ё lies outside the main block
        {"a.txt", Fields({"first"})},
        {"A.TXT", Fields({"second"})},
        {"a.txt", Fields({"third"})},
    }));
    EXPECT_EQ(Bytes(archive, "Master.SCN"), "script");
    EXPECT_EQ(Bytes(archive, "\xF4\xCE\xCD.JPG"), "background");  // фОН.JPG
    EXPECT_EQ(Bytes(archive, "\xA8\xCB\xCA\xC0.BMP"), "tree");    // ЁЛКА.BMP
    EXPECT_EQ(Bytes(archive, "a.txt"), "first");
    EXPECT_EQ(Bytes(archive, "A.txt"), "first");
    // Names are compared as they are: no trimming, no path clean-up.
    EXPECT_EQ(ReadPakBytes(archive, "master.scn ").status, PakStatus::Missing);
    EXPECT_EQ(ReadPakBytes(archive, "./master.scn").status, PakStatus::Missing);
}

TEST_F(PakTest, ScriptTextDecodesEveryByteAndSplitsAtCarriageReturns) {
    struct Case {
        std::string stored;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {std::string("\x01\x00", 2), {std::string("\x00\xFF", 2)}},
        {EncodeScriptBytes("a\r\nb"), {"a", "b"}},
        {EncodeScriptBytes("a\r\n"), {"a", ""}},
        {EncodeScriptBytes("a\nb"), {"a\nb"}},
        {EncodeScriptBytes("a\rb"), {"a", ""}},
        {"", {""}},  // a found entry replaces the list even when empty
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        const fs::path archive = Archive(RawArchive({{"s.scn", cases[i].stored}}),
                                         "script" + std::to_string(i) + ".pak");
        std::vector<std::string> lines = {"old", "lines"};
        std::string error;
        ASSERT_EQ(ReadPakEntry("s.scn", 1, {.lines = &lines}, archive, error), kPakEntryRead);
        EXPECT_EQ(lines, cases[i].lines);
    }
}

TEST_F(PakTest, ConsumersChangeOnlyWhenTheirEntryIsRead) {
    const fs::path archive =
        Archive(RawArchive({{"voice.wav", "RIFF-ish"}, {"bad.bmp", "not a bmp"}}));
    std::vector<std::string> lines = {"kept"};
    Image bitmap(1, 1);
    bitmap.at(0, 0) = MakePixel(1, 2, 3);
    Image picture = bitmap;
    std::string voice = "kept";
    RecordingAudioDevice audio;
    const PakConsumers all{&lines, &bitmap, &picture, &voice, &audio};
    const auto untouched = [&] {
        EXPECT_EQ(lines, std::vector<std::string>{"kept"});
        EXPECT_EQ(bitmap.pixels, std::vector<uint32_t>{MakePixel(1, 2, 3)});
        EXPECT_EQ(picture.pixels, std::vector<uint32_t>{MakePixel(1, 2, 3)});
        EXPECT_EQ(voice, "kept");
    };
    std::string error;
    for (int mode : {1, 2, 3, 5}) {
        EXPECT_EQ(ReadPakEntry("missing", mode, all, archive, error), kPakEntryMissing);
    }
    untouched();
    EXPECT_EQ(audio.soundsPlayed, 0);

    EXPECT_EQ(ReadPakEntry("bad.bmp", 2, all, archive, error), kPakBroken);
    EXPECT_NE(error.find("bad.bmp"), std::string::npos) << error;
    EXPECT_EQ(ReadPakEntry("bad.bmp", 5, all, archive, error), kPakBroken);
    EXPECT_EQ(ReadPakEntry("voice.wav", 4, all, archive, error), kPakEntryRead);  // no consumer
    untouched();

    EXPECT_EQ(ReadPakEntry("VOICE.WAV", 3, all, archive, error), kPakEntryRead);
    EXPECT_EQ(voice, "RIFF-ish");
    EXPECT_EQ(audio.soundsPlayed, 1);
    EXPECT_EQ(audio.lastSoundBytes, 8u);
}

TEST_F(PakTest, WriterLaysOutTheDirectoryThenTheData) {
    std::string error;
    const fs::path empty = dir_ / "empty.pak";
    ASSERT_TRUE(WritePakArchive({}, dir_.path(), empty, error)) << error;
    EXPECT_EQ(orvane::testing::ReadWholeFile(empty), "0000");

    dir_.Write("f1", "abc");
    dir_.Write("f2", "defgh");
    const fs::path archive = dir_ / "two.pak";
    ASSERT_TRUE(WritePakArchive({"f1", "f2"}, dir_.path(), archive, error)) << error;
    EXPECT_EQ(orvane::testing::ReadWholeFile(archive),
              Fields({"0002", "0002f1", "0000000003", "0000000000", "0002f2", "0000000005",
                      "0000000003", "abcdefgh"}));
    EXPECT_EQ(Bytes(archive, "f1"), "abc");
    EXPECT_EQ(Bytes(archive, "f2"), "defgh");
}

TEST_F(PakTest, FailedWriteLeavesTheOldArchiveAndNoLeftovers) {
    const fs::path archive = dir_ / "keep.pak";
    std::string error;
    ASSERT_TRUE(WritePak({{"a", {}, "old"}}, archive, error)) << error;
    const std::string before = orvane::testing::ReadWholeFile(archive);

    const std::vector<std::vector<PakSource>> bad = {
        {{"a", {}, "new"}, {"b", dir_ / "no such file", std::nullopt}},
        {{std::string("a\0b", 3), {}, "x"}},
        {{"", {}, "x"}},
    };
    for (const auto& sources : bad) {
        error.clear();
        EXPECT_FALSE(WritePak(sources, archive, error));
        EXPECT_FALSE(error.empty());
    }
    EXPECT_EQ(orvane::testing::ReadWholeFile(archive), before);
    for (const auto& file : fs::directory_iterator(dir_.path())) {
        EXPECT_EQ(file.path().filename(), "keep.pak");
    }
}

TEST_F(PakTest, EveryTruncationIsBrokenNeverMissingOrACrash) {
    const std::vector<Stored> entries = {{"one.scn", "hello"}, {"two.bin", "world!"}};
    const std::string whole = RawArchive(entries);
    const size_t directoryEnd = whole.size() - 11;
    for (size_t length = 0; length < whole.size(); ++length) {
        SCOPED_TRACE("cut at " + std::to_string(length));
        const fs::path archive =
            Archive(whole.substr(0, length), "cut" + std::to_string(length) + ".pak");
        std::vector<PakEntry> listed;
        std::string error;
        EXPECT_EQ(ListPakEntries(archive, listed, error), length >= directoryEnd);
        size_t dataEnd = directoryEnd;
        for (const Stored& entry : entries) {
            dataEnd += entry.data.size();
            std::vector<std::string> lines = {"kept"};
            error.clear();
            const int result = ReadPakEntry(entry.name, 1, {.lines = &lines}, archive, error);
            if (length >= dataEnd) {
                EXPECT_EQ(result, kPakEntryRead);
            } else {
                EXPECT_EQ(result, kPakBroken);
                EXPECT_FALSE(error.empty());
                EXPECT_EQ(lines, std::vector<std::string>{"kept"});
            }
        }
    }
}

TEST_F(PakTest, DamagedFieldsAreBrokenWithAMessage) {
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"count not decimal", Fields({"00x1", "0001a", "0000000001", "0000000000", "x"})},
        {"name length not decimal", Fields({"0001", "00a1", "a", "0000000001", "0000000000", "x"})},
        {"size not decimal", Fields({"0001", "0001a", "00000000z1", "0000000000", "x"})},
        {"offset not decimal", Fields({"0001", "0001a", "0000000001", "000000000?", "x"})},
        {"negative count", Fields({"-001", "0001a", "0000000001", "0000000000", "x"})},
        {"negative name length", Fields({"0001", "-001", "a", "0000000001", "0000000000", "x"})},
        {"negative size", Fields({"0001", "0001a", "-000000001", "0000000000", "x"})},
        {"huge count", Fields({"9999", "0001a", "0000000001", "0000000000", "x"})},
        {"more entries counted than stored",
         Fields({"0002", "0001a", "0000000001", "0000000000", "x"})},
        {"size past the end", Fields({"0001", "0001a", "0000001000", "0000000000", "x"})},
        {"offset past the end", Fields({"0001", "0001a", "0000000001", "0000000005", "x"})},
        {"size beyond 32 bits", Fields({"0001", "0001a", "9999999999", "0000000000", "x"})},
        {"size and offset near 2 GiB", Fields({"0001", "0001a", "2147483647", "2147483647", "x"})},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].first);
        const fs::path archive = Archive(cases[i].second, "bad" + std::to_string(i) + ".pak");
        std::vector<std::string> lines = {"kept"};
        std::string error;
        EXPECT_EQ(ReadPakEntry("a", 1, {.lines = &lines}, archive, error), kPakBroken);
        EXPECT_NE(error.find("bad" + std::to_string(i) + ".pak"), std::string::npos) << error;
        EXPECT_EQ(lines, std::vector<std::string>{"kept"});
    }
    std::string error;
    std::vector<std::string> lines;
    EXPECT_EQ(ReadPakEntry("a", 1, {.lines = &lines}, dir_ / "absent.pak", error), kPakBroken);
    EXPECT_FALSE(error.empty());
}

TEST_F(PakTest, RewrittenArchiveIsReadAgain) {
    const fs::path archive = dir_ / "game.pak";
    std::string error;
    ASSERT_TRUE(WritePak({{"x", {}, "one"}}, archive, error)) << error;
    EXPECT_EQ(Bytes(archive, "x"), "one");

    ASSERT_TRUE(WritePak({{"x", {}, "two"}, {"y", {}, "new"}}, archive, error)) << error;
    EXPECT_EQ(Bytes(archive, "x"), "two");
    EXPECT_EQ(Bytes(archive, "y"), "new");

    Archive(RawArchive({{"x", "three!"}}), "game.pak");  // in place, same file
    EXPECT_EQ(Bytes(archive, "x"), "three!");
    EXPECT_EQ(ReadPakBytes(archive, "y").status, PakStatus::Missing);
}

TEST_F(PakTest, NameIsCutAtAZeroByte) {
    const fs::path archive = Archive(RawArchive({{std::string("ab\0cd", 5), "zz"}}));
    EXPECT_EQ(Bytes(archive, "ab"), "zz");
    std::vector<PakEntry> entries;
    std::string error;
    ASSERT_TRUE(ListPakEntries(archive, entries, error)) << error;
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "ab");
}

}  // namespace
}  // namespace orvane
