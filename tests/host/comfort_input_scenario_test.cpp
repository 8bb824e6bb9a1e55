// The player's comforts in input (keys and the wheel as clicks, skipping, a game controller),
// played through the headless driver's lines on the whole engine.
#include <gtest/gtest.h>

#include <string>

#include "host/engine.h"
#include "platform/headless_platform.h"
#include "support/game_folder.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

using testing::GameArchive;
using testing::TempDir;

void WriteGame(const TempDir& game) {
    GameArchive()
        .FixedPictures()
        .Entry("a.bmp", testing::Bmp32Of(1024, 768, MakePixel(0, 0, 120)))
        .Entry("menu_bg.jpg", testing::JpegOf(1024, 768, MakePixel(30, 40, 90)))
        .Entry("lit.bmp", testing::Bmp32Of(300, 200, MakePixel(200, 0, 0)))
        .Script("objects.scn", "bg_a:a.bmp")
        .Script("default_text.scn",
                "xy_pos=64:682\r\nfont=DejaVuSans:16:none:15:66\r\nspeed=fast\r\nil=26\r\n"
                "max_str=3\r\nclick=yes\r\nname_font=DejaVuSans:18:bold:4:66\r\nname_x=64\r\n"
                "name_y=644\r\nextra=0")
        .Script("master.scn",
                "scene one\r\n"                          // 0
                "set bg level=1 align=:0:0 bg=bg_a\r\n"  // 1
                "set text default max_str=1 text=This text has two lines: the first one is "
                "shown on a page of its own, the second after it.\r\n"       // 2
                "set text default text=One more line of dialogue.\r\n"       // 3
                "set text default text=And the last before the choice.\r\n"  // 4
                "set section menu=choice\r\n"                                // 5
                "scene after\r\n"                                            // 6
                "set text default click=no speed=slow text=Wait.\r\n"        // 7
                "set text default text=Free again.\r\n"                      // 8
                "set pause\r\n"                                              // 9
                "set text default text=Past the pause.\r\n"                  // 10
                "set section menu=choice\r\n")                               // 11
        .Script("menus.scn",
                "menu choice;\r\n"
                "bg=menu_bg.jpg\r\n"
                "go:600:100:700:200 action=after bg=lit.bmp\r\n"
                "end\r\n")
        .WriteTo(game / "Orvane.pak");
}

class ComfortScenario : public ::testing::Test {
protected:
    ComfortScenario() {
        WriteGame(game);
        EXPECT_TRUE(engine.Start());
    }

    void Play(const std::string& lines) {
        size_t start = 0;
        while (start < lines.size()) {
            const size_t end = lines.find('\n', start);
            const std::string line = lines.substr(start, end - start);
            std::string error;
            EXPECT_TRUE(platform.PlayLine(engine, line, error)) << line << ": " << error;
            start = end == std::string::npos ? lines.size() : end + 1;
        }
    }
    bool Typing() const { return platform.timers().Enabled(TimerId::Timer1); }
    std::string Shown() const { return engine.text.ShownText; }
    std::string Dump(const std::string& key) const {
        const std::string text = engine.StateDumpText();
        const size_t at = text.find("\n" + key + "=");
        if (at == std::string::npos) return "?";
        const size_t from = at + key.size() + 2;
        return text.substr(from, text.find('\n', from) - from);
    }
    // Clicks (or presses Enter) through the dialogue to the menu.
    void ToMenu(const std::string& click) {
        for (int i = 0; i < 10 && engine.ScreenMode != 2; ++i) Play(click + "\nwait 3000");
        ASSERT_EQ(engine.ScreenMode, 2);
    }
    int PointerX() const { return engine.comforts.pointer().x; }
    int PointerY() const { return engine.comforts.pointer().y; }

    TempDir game;
    HeadlessPlatform platform;
    Engine engine{platform, GameFolders{game.path(), game.path(), game.path()}};
};

TEST_F(ComfortScenario, KeysAndTheWheelClickOnlyInScenePlay) {
    ASSERT_TRUE(Typing());
    // Space finishes the page; the wheel up does nothing; down starts the second page, Page Down
    // finishes it, Enter continues the script.
    Play("key space");
    EXPECT_FALSE(Typing());
    EXPECT_NE(Shown(), "");
    Play("wheel up");
    EXPECT_FALSE(Typing());
    Play("wheel down");
    EXPECT_TRUE(Typing());
    Play("key pagedown\nkey enter");
    EXPECT_EQ(engine.ScriptPos, 4);
    EXPECT_TRUE(Typing());

    // A held key and its release do nothing of themselves.
    Play("hold shift\nrelease shift\nhold alt\nrelease alt");
    EXPECT_TRUE(Typing());
    EXPECT_EQ(engine.ScriptPos, 4);

    ToMenu("click 5 5");
    // On the menu, over its item, the keys and the wheel are no click.
    Play("move 650 150\nkey space\nkey enter\nkey pagedown\nwheel down");
    EXPECT_EQ(engine.ScreenMode, 2);
    EXPECT_EQ(Dump("hover_action"), "after");
    Play("click 650 150");
    EXPECT_EQ(engine.ScreenMode, 1);
    EXPECT_EQ(engine.SceneName, "after");
}

TEST_F(ComfortScenario, SkippingTurnsPagesAndStopsWhereThePlayerIsWanted) {
    ASSERT_TRUE(Typing());
    EXPECT_EQ(Dump("skipping"), "0");
    // Ctrl: the typed page is finished at once, and a page more each 100 ms.
    Play("hold ctrl");
    EXPECT_EQ(Dump("skipping"), "1");
    EXPECT_FALSE(Typing());
    EXPECT_EQ(engine.ScriptPos, 3);
    Play("wait 100");
    EXPECT_FALSE(Typing());
    EXPECT_EQ(Shown(), "");
    Play("wait 100");
    EXPECT_EQ(engine.ScriptPos, 4);
    EXPECT_FALSE(Typing());

    // A click lock holds the skip as it holds the player's clicks.
    engine.input.LockClicks();
    Play("wait 600");
    EXPECT_EQ(engine.ScriptPos, 4);
    Play("wait 300");
    EXPECT_EQ(engine.ScriptPos, 5);

    // The menu stops it; held on, it waits there, and it is off once let go.
    Play("wait 1000");
    EXPECT_EQ(engine.ScreenMode, 2);
    const int atMenu = engine.ScriptPos;
    Play("wait 1000");
    EXPECT_EQ(engine.ScriptPos, atMenu);
    EXPECT_EQ(Dump("skipping"), "1");
    Play("release ctrl");
    EXPECT_EQ(Dump("skipping"), "0");

    // Tab switches skipping on only in scene play. "click=no" lets the slow page type to its
    // end, and the skip goes on from there, through the pause, to the menu, where it switches
    // itself off.
    Play("key tab");
    EXPECT_EQ(Dump("skipping"), "0");
    Play("move 650 150\nclick 650 150\nkey tab");
    EXPECT_EQ(engine.SceneName, "after");
    EXPECT_EQ(Dump("skipping"), "1");
    Play("wait 300");
    EXPECT_EQ(engine.ScriptPos, 8);
    EXPECT_TRUE(Typing());
    Play("wait 2000");
    EXPECT_EQ(engine.ScreenMode, 2);
    EXPECT_GT(engine.ScriptPos, 10);
    EXPECT_EQ(Dump("skipping"), "0");
    EXPECT_FALSE(engine.Paused);

    // Tab again switches it off in the scene; the pad's shoulder skips like Ctrl.
    Play("move 651 151\nclick 651 151\nkey tab\nkey tab");
    EXPECT_EQ(engine.SceneName, "after");
    EXPECT_EQ(Dump("skipping"), "0");
    Play("pad rightshoulder down");
    EXPECT_EQ(Dump("skipping"), "1");
    Play("pad rightshoulder up");
    EXPECT_EQ(Dump("skipping"), "0");
}

TEST_F(ComfortScenario, ThePadSteersThePointerAndClicks) {
    Play("move 100 300");
    EXPECT_EQ(Dump("pointer"), "100 300");
    // Full tilt: slow at first, then faster; nothing moves once the stick is let go.
    Play("pad axis leftx 32767\nwait 96");
    const int first = PointerX() - 100;
    EXPECT_GT(first, 15);
    EXPECT_LT(first, 50);
    EXPECT_EQ(PointerY(), 300);
    Play("wait 600");
    const int before = PointerX();
    Play("wait 96");
    EXPECT_GT(PointerX() - before, 2 * first);
    Play("pad axis leftx 0\nwait 500");
    const int rested = PointerX();
    Play("wait 500");
    EXPECT_EQ(PointerX(), rested);
    // A stick resting inside its dead zone does not creep; a pushed one stops at the edge.
    Play("pad axis lefty 5000\nwait 500");
    EXPECT_EQ(PointerY(), 300);
    Play("pad axis lefty -32768\nwait 3000\npad axis lefty 0");
    EXPECT_EQ(PointerY(), 0);

    // A and B are the buttons at the pointer: the right one opens the in-game menu, Start (Esc)
    // closes it.
    Play("pad b down\npad b up");
    EXPECT_EQ(engine.ScreenMode, 40);
    Play("pad start down\npad start up");
    EXPECT_EQ(engine.ScreenMode, 1);
    const int pos = engine.ScriptPos;
    const std::string shown = Shown();
    const bool typing = Typing();
    Play("pad a down\npad a up");
    EXPECT_TRUE(Shown() != shown || Typing() != typing);
    EXPECT_EQ(engine.ScriptPos, pos);

    // To the menu; the d-pad steers onto its item, which lights, and A takes it.
    ToMenu("pad a down\npad a up");
    Play("move 650 400\npad dpup down");
    for (int i = 0; i < 100 && PointerY() >= 190; ++i) Play("wait 16");
    Play("pad dpup up");
    EXPECT_EQ(PointerX(), 650);
    EXPECT_GT(PointerY(), 100);
    EXPECT_EQ(Dump("hover_action"), "after");
    Play("pad a down\npad a up");
    EXPECT_EQ(engine.SceneName, "after");
}

TEST_F(ComfortScenario, BadComfortLinesAreNamed) {
    for (const char* line : {"hold", "hold nosuchkey", "release ctrl x", "wheel left", "pad z down",
                             "pad a", "pad a sideways", "pad axis leftz 0", "pad axis leftx 40000",
                             "pad axis leftx", "pad axis lefty 1 2"}) {
        std::string error;
        EXPECT_FALSE(platform.PlayLine(engine, line, error)) << line;
        EXPECT_FALSE(error.empty()) << line;
    }
}

}  // namespace
}  // namespace orvane
