// The code puzzle played on the whole engine: the keypad, entry, wrong and right answers, and
// "code.scn" files of every length.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "host/engine.h"
#include "platform/headless_platform.h"
#include "support/game_folder.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

using testing::GameArchive;
using testing::TempDir;

constexpr uint32_t kScene = MakePixel(0, 0, 120);
constexpr uint32_t kPanel = MakePixel(40, 80, 40);
constexpr uint32_t kPressed = MakePixel(200, 30, 30);
constexpr uint32_t kDigits = MakePixel(250, 250, 10);
constexpr uint32_t kPage = MakePixel(120, 90, 60);
constexpr int64_t kClock = 1796703840;

void WriteGame(const TempDir& game, const std::string& codeLines) {
    GameArchive archive;
    archive.FixedPictures()
        .Entry("a.bmp", testing::Bmp32Of(1024, 768, kScene))
        .Entry("code.bmp", testing::Bmp32Of(1024, 570, kPanel))
        .Entry("code_.bmp", testing::Bmp32Of(1024, 570, kPressed))
        .Entry("code_digits.bmp", testing::Bmp32Of(406, 40, kDigits))
        .Entry("bortzhur.bmp", testing::Bmp32Of(1024, 570, kPage))
        .Script("objects.scn", "bg_a:a.bmp")
        .Script("triggers.scn", "chapter=1")
        .Script("master.scn",
                "scene one\r\n"
                "set bg level=1 align=:0:0 bg=bg_a\r\n"
                "game=code\r\n"
                "scene two\r\n"
                "set pause\r\n"
                "end\r\n");
    if (!codeLines.empty()) archive.Script("code.scn", codeLines);
    archive.WriteTo(game / "Orvane.pak");
}

// The middle of each key: 1..9, 0, delete, check.
struct Point {
    int x, y;
};
constexpr Point kKeyCentres[] = {{231, 375}, {321, 375}, {411, 375}, {231, 435},
                                 {321, 435}, {411, 435}, {231, 495}, {321, 495},
                                 {411, 495}, {321, 555}, {231, 555}, {411, 555}};
constexpr int kDelete = 11;
constexpr int kCheck = 12;

class CodePuzzleScenario : public ::testing::Test {
protected:
    Engine& Start(const std::string& codeLines) {
        WriteGame(game, codeLines);
        platform.SetWallClockStart(kClock);
        EXPECT_TRUE(engine.Start());
        return engine;
    }
    uint32_t Shown(int x, int y) const { return platform.lastFrame().at(x, y); }
    void Press(int key) {
        const Point at = kKeyCentres[key - 1];
        engine.FormMouseMove(at.x, at.y);
        engine.FormMouseDown(MouseButton::Left, at.x, at.y);
    }
    void Type(const std::string& digits) {
        for (char c : digits) Press(c == '0' ? 10 : c - '0');
    }
    void Answer(const std::string& digits) {
        Type(digits);
        Press(kCheck);
    }

    TempDir game;
    HeadlessPlatform platform;
    Engine engine{platform, GameFolders{game.path(), game.path(), game.path()}};
};

TEST_F(CodePuzzleScenario, KeypadEntryWrongAndRightAnswersBackToTheScript) {
    Engine& e = Start("1 2 _ 4;3\r\n5 _ 15;010\r\n2 4 8 _;16");
    CodePuzzle& puzzle = e.codePuzzle;
    ASSERT_EQ(e.ScreenMode, 8);
    EXPECT_EQ(e.ScriptPos, 3);
    EXPECT_EQ(Shown(300, 150), kPanel);
    EXPECT_EQ(Shown(700, 150), kPage);
    EXPECT_EQ(Shown(10, 10), kScene);  // outside the page the scene stays

    // A move lights the key under the pointer; off the keys nothing is lit.
    e.FormMouseMove(321, 435);
    EXPECT_EQ(puzzle.CodeKey, 5);
    EXPECT_EQ(Shown(300, 430), kPressed);
    e.FormMouseMove(270, 435);
    EXPECT_EQ(puzzle.CodeKey, 0);
    EXPECT_EQ(Shown(300, 430), kPanel);
    e.FormMouseDown(MouseButton::Left, 270, 435);
    EXPECT_EQ(puzzle.CodeEntry, "");

    // Four digits at most; delete takes the last, and does nothing on an empty entry.
    Type("12345");
    EXPECT_EQ(puzzle.CodeEntry, "1234");
    EXPECT_EQ(Shown(260, 220), kDigits);
    Press(kDelete);
    EXPECT_EQ(puzzle.CodeEntry, "123");
    for (int i = 0; i < 4; ++i) Press(kDelete);
    EXPECT_EQ(puzzle.CodeEntry, "");
    EXPECT_EQ(Shown(260, 220), kPanel);

    // Three different lines of the three, each restored in turn; a wrong answer costs a second,
    // clears the entry and keeps the sequence. "010" must be typed with its zero.
    std::set<std::string> shown;
    for (int solved = 0; solved < 3; ++solved) {
        const std::string answer = puzzle.CodeAnswer;
        const uint64_t before = platform.Now();
        Answer(answer == "010" ? "10" : "9999");
        EXPECT_EQ(platform.Now() - before, 1000u);
        EXPECT_EQ(puzzle.CodeEntry, "");
        EXPECT_EQ(puzzle.CodeSolved, solved);
        EXPECT_EQ(puzzle.CodeAnswer, answer);
        shown.insert(puzzle.CodeShown[static_cast<size_t>(solved)]);
        Answer(answer);
        EXPECT_EQ(puzzle.CodeEntry, "");
    }
    EXPECT_EQ(shown, (std::set<std::string>{"1 2 _ 4 ", "5 _ 15 ", "2 4 8 _ "}));
    EXPECT_EQ(puzzle.CodeSolved, 3);
    EXPECT_EQ(e.ScreenMode, 1);
    EXPECT_EQ(e.SceneName, "two");
    EXPECT_TRUE(e.Paused);
    const std::string dump = e.StateDumpText();
    EXPECT_NE(dump.find("code_solved=3\ncode_entry=\ncode_answer="), std::string::npos) << dump;
}

TEST_F(CodePuzzleScenario, ShortAndLongCodeFilesAskForWhatTheyCanGive) {
    struct Case {
        const char* lines;
        int sequences;
    };
    const Case cases[] = {
        {"", 0},
        {"7 _ 9;8", 1},
        {"7 _ 9;8\r\n1 _ 3;2", 2},
        {"1 _;1\r\n2 _;2\r\n3 _;3\r\n4 _;4\r\n5 _;5", 3},
        // Blank lines hold no sequence: never asked for, whatever the generator draws.
        {"\r\n7 _ 9;8\r\n\r\n  \r\n1 _ 3;2\r\n", 2},
        {"\r\n \r\n", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        TempDir folder;
        HeadlessPlatform headless;
        WriteGame(folder, c.lines);
        headless.SetWallClockStart(kClock);
        Engine e{headless, GameFolders{folder.path(), folder.path(), folder.path()}};
        ASSERT_TRUE(e.Start());
        std::set<std::string> answers;
        for (int k = 0; k < c.sequences; ++k) {
            ASSERT_EQ(e.ScreenMode, 8);
            answers.insert(e.codePuzzle.CodeAnswer);
            for (char digit : e.codePuzzle.CodeAnswer) {
                const Point at = kKeyCentres[digit == '0' ? 9 : digit - '1'];
                e.FormMouseMove(at.x, at.y);
                e.FormMouseDown(MouseButton::Left, at.x, at.y);
            }
            const Point check = kKeyCentres[kCheck - 1];
            e.FormMouseMove(check.x, check.y);
            e.FormMouseDown(MouseButton::Left, check.x, check.y);
        }
        EXPECT_EQ(static_cast<int>(answers.size()), c.sequences);
        EXPECT_EQ(e.ScreenMode, 1);
        EXPECT_EQ(e.SceneName, "two");
        EXPECT_TRUE(e.Paused);
    }
}

}  // namespace
}  // namespace orvane
