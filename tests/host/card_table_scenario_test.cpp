// The card table played on the whole engine: from the script and from the main menu, hover, drag
// and drop with its limits, the command button, the end of a game and the play-again question,
// and the in-game menu over the table. The wall clock is fixed, so every run deals the same.
#include <gtest/gtest.h>

#include <cstdlib>

#include "archive/bmp_writer.h"
#include "host/engine.h"
#include "platform/headless_platform.h"
#include "platform/keycodes.h"
#include "script/triggers.h"
#include "support/game_folder.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

using testing::GameArchive;
using testing::TempDir;

constexpr uint32_t kScene = MakePixel(0, 0, 120);
constexpr uint32_t kFelt = MakePixel(20, 110, 40);
constexpr uint32_t kBack = MakePixel(120, 20, 20);
constexpr uint32_t kYourTurn = MakePixel(250, 250, 0);
constexpr uint32_t kWin = MakePixel(255, 200, 0);
constexpr uint32_t kButton = MakePixel(60, 60, 60);
constexpr uint32_t kButtonLit = MakePixel(220, 220, 220);
constexpr uint32_t kPlay = MakePixel(90, 0, 90);
constexpr uint32_t kPlayYes = MakePixel(0, 200, 0);
constexpr uint32_t kTopLine = MakePixel(200, 100, 0);
constexpr uint32_t kBottomLine = MakePixel(0, 100, 200);
constexpr uint32_t kBackdrop = MakePixel(150, 30, 30);
constexpr uint32_t kMenuColour = MakePixel(30, 40, 90);
// 8 December 2026, 04:24:01 UTC: the human attacks first, with 5.2 8.2 2.0 4.1 5.1 7.3 in hand.
constexpr int64_t kClock = 1796703841;

uint32_t FaceColour(const Card& card) {
    return MakePixel(static_cast<uint8_t>(10 + 25 * card.rank),
                     static_cast<uint8_t>(40 + 50 * card.suit), 230);
}

bool Near(uint32_t a, uint32_t b) {
    auto close = [](int x, int y) { return std::abs(x - y) <= 6; };
    return close(PixelRed(a), PixelRed(b)) && close(PixelGreen(a), PixelGreen(b)) &&
           close(PixelBlue(a), PixelBlue(b));
}

std::string CardFaces() {
    Image faces = testing::Solid(860, 537, 0);
    for (int rank = 0; rank < kRanks; ++rank) {
        for (int suit = 0; suit < kSuits; ++suit) {
            for (int y = 134 * suit; y < 134 * suit + 134; ++y) {
                for (int x = 95 * rank; x < 95 * rank + 96; ++x) {
                    faces.at(x, y) = FaceColour({rank, suit});
                }
            }
        }
    }
    return EncodeBmp24(faces);
}

// Lit states of the command button plain grey, the others light.
std::string CommandButtons() {
    Image buttons = testing::Solid(996, 32, kButton);
    for (int x : {0, 333, 666}) {
        for (int y = 0; y < 32; ++y) {
            for (int k = x; k < x + 166; ++k) buttons.at(k, y) = kButtonLit;
        }
    }
    return EncodeBmp24(buttons);
}

void WriteGame(const TempDir& game) {
    GameArchive archive;
    archive.FixedPictures()
        .Entry("a.bmp", testing::Bmp32Of(1024, 768, kScene))
        .Entry("main_menu.jpg", testing::JpegOf(1024, 768, kMenuColour))
        .Entry("right_button.jpg", testing::JpegOf(1024, 768, kMenuColour))
        .Entry("deck.bmp", testing::Bmp32Of(1024, 298, kFelt))
        .Entry("cards_all.bmp", CardFaces())
        .Entry("coat.bmp", testing::Bmp32Of(54, 77, kBack))
        .Entry("your_turn.bmp", testing::Bmp32Of(166, 87, kYourTurn))
        .Entry("you_win.bmp", testing::Bmp32Of(200, 32, kWin))
        .Entry("cards_commands.bmp", CommandButtons())
        .Entry("play.bmp", testing::Bmp32Of(1024, 768, kPlay))
        .Entry("play_y.bmp", testing::Bmp32Of(1024, 768, kPlayYes))
        .Entry("topline.bmp", testing::Bmp32Of(1024, 103, kTopLine))
        .Entry("bottomline.bmp", testing::Bmp32Of(1024, 98, kBottomLine))
        .Entry("bg_red_comp_space3.jpg", testing::JpegOf(1024, 570, kBackdrop))
        .Script("objects.scn", "bg_a:a.bmp")
        .Script("triggers.scn", "sys_1=1\r\ngal_trg51=\r\ngal_trg52=")
        .Script("master.scn",
                "scene main_menu\r\n"
                "set section menu=main_menu2\r\n"
                "scene one\r\n"
                "set bg level=1 align=:0:0 bg=bg_a\r\n"
                "game=cards\r\n"
                "scene two\r\n"
                "set pause\r\n"
                "end\r\n");
    archive.WriteTo(game / "Orvane.pak");
}

class CardTableScenario : public ::testing::Test {
protected:
    CardTableScenario() {
        WriteGame(game);
        platform.SetWallClockStart(kClock);
        EXPECT_TRUE(engine.Start());
    }
    uint32_t Shown(int x, int y) const { return platform.lastFrame().at(x, y); }
    CardGame& Cards() { return engine.cardTable.game; }
    void Drag(int x1, int y1, int x2, int y2) {
        engine.FormMouseMove(x1, y1);
        engine.FormMouseDown(MouseButton::Left, x1, y1);
        engine.FormMouseMove((x1 + x2) / 2, (y1 + y2) / 2);
        engine.FormMouseMove(x2, y2);
        engine.FormMouseUp(MouseButton::Left, x2, y2);
    }
    void Click(int x, int y) {
        engine.FormMouseMove(x, y);
        engine.FormMouseDown(MouseButton::Left, x, y);
    }
    // The human keeps one card and leads: dropped on the table, it wins the game.
    void WinWithTheLastCard() {
        CardGame& cards = Cards();
        for (CardHand& hand : cards.Hands) hand.fill(NoCard);
        cards.TableAttack.fill(NoCard);
        cards.TableDefence.fill(NoCard);
        cards.Hand(1)[0] = {8, 0};
        cards.Hand(2)[0] = {0, 1};
        cards.Hand(3)[0] = {0, 2};
        cards.Defender = 2;
        cards.ActingPlayer = 1;
        const uint64_t before = platform.Now();
        Drag(20, 650, 500, 400);
        EXPECT_EQ(engine.ScreenMode, 31);
        EXPECT_EQ(platform.Now() - before, 2000u);  // the you-win picture stood for 2 s
    }
    std::string Dump(const std::string& key) const {
        const std::string text = engine.StateDumpText();
        const size_t at = text.find("\n" + key + "=");
        if (at == std::string::npos) return "(none)";
        const size_t start = at + key.size() + 2;
        return text.substr(start, text.find('\n', start) - start);
    }

    TempDir game;
    HeadlessPlatform platform;
    Engine engine{platform, GameFolders{game.path(), game.path(), game.path()}};
};

TEST_F(CardTableScenario, ScriptGameDragsDropsPressesAndReplaysThreeTimes) {
    Engine& e = engine;
    ASSERT_EQ(e.ScreenMode, 222);
    e.shell.menu.HoverAction = "one";
    e.shell.menu.PerformMenuAction();
    ASSERT_EQ(e.ScreenMode, 3);
    EXPECT_EQ(e.ScriptPos, 5);
    EXPECT_TRUE(e.stage.StageItems.empty());
    // The human attacks first: the your-turn picture stood for two seconds, then the table.
    EXPECT_EQ(platform.Now(), 2000u);
    EXPECT_EQ(Dump("card_hand1"), "5.2 8.2 2.0 4.1 5.1 7.3");
    EXPECT_EQ(Dump("card_defender"), "2");
    EXPECT_EQ(Dump("card_attack"), "- - - - - -");

    // The scene above the felt, the hand along the bottom (step 170), six backs each side.
    EXPECT_EQ(Shown(300, 230), kScene);
    EXPECT_EQ(Shown(5, 300), kFelt);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(Shown(170 * i + 40, 700), FaceColour(Cards().Hand(1)[i]));
    EXPECT_EQ(Shown(20, 50), kBack);
    EXPECT_EQ(Shown(800, 50), kBack);
    EXPECT_EQ(Shown(600, 585), kScene);  // no command button with an empty table

    // Hover raises the card under the pointer and leaves its gap in the hand.
    e.FormMouseMove(170 * 2 + 20, 700);
    EXPECT_EQ(Dump("card_selected"), "2");
    EXPECT_EQ(Shown(350, 590), FaceColour({2, 0}));
    EXPECT_EQ(Shown(350, 725), kScene);
    e.FormMouseMove(300, 400);
    EXPECT_EQ(Dump("card_selected"), "111");

    // Dragged, a card follows the pointer; dropped at row 256 or 550 it goes back to the hand.
    e.FormMouseMove(20, 700);
    e.FormMouseDown(MouseButton::Left, 20, 700);
    EXPECT_EQ(Dump("card_dragging"), "1");
    e.FormMouseMove(600, 300);
    EXPECT_EQ(Shown(610, 310), FaceColour({5, 2}));
    EXPECT_EQ(Shown(40, 700), kScene);  // its place in the hand is empty meanwhile
    e.FormMouseUp(MouseButton::Left, 600, 256);
    EXPECT_EQ(Dump("card_dragging"), "0");
    Drag(20, 700, 600, 550);
    EXPECT_EQ(Dump("card_hand1"), "5.2 8.2 2.0 4.1 5.1 7.3");
    EXPECT_EQ(Dump("card_attack"), "- - - - - -");
    EXPECT_EQ(Shown(40, 700), FaceColour({5, 2}));

    // Through the headless driver's own drag: the first card attacks player 2.
    std::string error;
    ASSERT_TRUE(platform.LoadEventText("drag 20 700 600 257\n", "events", error)) << error;
    platform.Run(e);
    EXPECT_EQ(Dump("card_hand1"), "8.2 2.0 4.1 5.1 7.3");
    EXPECT_EQ(Cards().TableAttack[0], (Card{5, 2}));
    EXPECT_EQ(Shown(200, 290), FaceColour({5, 2}));
    ASSERT_EQ(Cards().ActingPlayer, 1);

    // The command button, lit under the pointer, ends the round: the hands are refilled.
    e.FormMouseMove(500, 575);
    EXPECT_EQ(Dump("card_button_hover"), "1");
    EXPECT_EQ(Shown(500, 580), kButtonLit);
    e.FormMouseDown(MouseButton::Left, 500, 575);
    EXPECT_LT(Cards().TalonCount(), 18);

    // A win unlocks the next gallery picture; yes deals again three times, then the script goes
    // on after "game=cards".
    for (int game = 0; game < 4; ++game) {
        WinWithTheLastCard();
        EXPECT_EQ(Shown(512, 100), kPlay);
        e.FormMouseMove(500, 250);
        EXPECT_EQ(Shown(500, 250), kPlayYes);
        e.FormMouseDown(MouseButton::Left, 500, 250);
        if (game < 3) {
            EXPECT_EQ(e.ScreenMode, 3);
            EXPECT_EQ(Dump("card_replays"), std::to_string(game + 1));
            EXPECT_EQ(Cards().HandCount(1), 6);
        }
    }
    EXPECT_EQ(e.ScreenMode, 1);
    EXPECT_EQ(e.SceneName, "two");
    EXPECT_TRUE(e.Paused);
    EXPECT_EQ(GetTrigger(e.Triggers, "gal_trg51"), "yes");
    EXPECT_EQ(GetTrigger(e.Triggers, "gal_trg52"), "yes");
}

TEST_F(CardTableScenario, MenuGameReplaysWithoutLimitAndComesBackFromTheGameMenu) {
    Engine& e = engine;
    Click(150, 550);  // "cards" of the second main menu
    ASSERT_EQ(e.ScreenMode, 3);
    EXPECT_EQ(Dump("card_replays"), "4");
    EXPECT_EQ(Shown(300, 60), kTopLine);
    EXPECT_EQ(Shown(300, 720), kBottomLine);
    EXPECT_TRUE(Near(Shown(300, 230), kBackdrop));
    EXPECT_EQ(Shown(5, 300), kFelt);

    // Esc opens the in-game menu over the table, even with a card in the pointer's hold; Esc
    // again brings the table back with the card in the hand.
    e.FormMouseMove(20, 700);
    e.FormMouseDown(MouseButton::Left, 20, 700);
    e.FormKeyDown(vk::Escape);
    ASSERT_EQ(e.ScreenMode, 40);
    EXPECT_TRUE(Near(Shown(5, 300), kMenuColour));
    e.FormKeyDown(vk::Escape);
    ASSERT_EQ(e.ScreenMode, 3);
    EXPECT_EQ(Shown(5, 300), kFelt);
    EXPECT_EQ(Shown(40, 700), FaceColour(Cards().Hand(1)[0]));
    EXPECT_EQ(Dump("card_dragging"), "0");

    // Five games in a row, and the question comes back from the in-game menu too.
    for (int game = 0; game < 5; ++game) {
        WinWithTheLastCard();
        Click(500, 250);
        ASSERT_EQ(e.ScreenMode, 3);
    }
    WinWithTheLastCard();
    e.FormKeyDown(vk::Escape);
    e.FormKeyDown(vk::Escape);
    ASSERT_EQ(e.ScreenMode, 31);
    EXPECT_EQ(Shown(512, 100), kPlay);
    // Every gallery picture of the cards is unlocked; later wins change nothing.
    EXPECT_EQ(GetTrigger(e.Triggers, "gal_trg52"), "yes");
    Click(500, 275);
    EXPECT_EQ(e.ScreenMode, 222);
}

// The headless program with --clock: the same deal every run, and the card keys in the dump.
TEST(CardTableProgram, FixedClockDealsTheSameGame) {
    TempDir game, work;
    WriteGame(game);
    work.Write("events.txt",
               "move 150 550\nclick 150 550\nstate first.txt\ndrag 20 700 600 400\n"
               "state state.txt\n");
    const auto run =
        testing::RunProgram(testing::BinaryDir() / "orvane",
                            {"--headless", "--game-dir", game.path().string(), "--events",
                             "events.txt", "--clock", "2026-12-08 04:24:01"},
                            work.path(), {"XDG_CONFIG_HOME=" + work.path().string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string first = testing::ReadWholeFile(work / "first.txt");
    EXPECT_NE(first.find("\ncard_active=1\ncard_trump=2\ncard_acting=1\ncard_defender=2\n"
                         "card_selected=111\ncard_dragging=0\ncard_button_hover=0\n"
                         "card_replays=4\ncard_hand1=5.2 8.2 2.0 4.1 5.1 7.3\n"),
              std::string::npos)
        << first;
    const std::string after = testing::ReadWholeFile(work / "state.txt");
    EXPECT_NE(after.find("\ncard_hand1=8.2 2.0 4.1 5.1 7.3\n"), std::string::npos) << after;
    EXPECT_NE(after.find("\ncard_attack=5.2 "), std::string::npos) << after;
}

}  // namespace
}  // namespace orvane
