#include <gtest/gtest.h>

#include "platform/headless_platform.h"
#include "platform/keycodes.h"

namespace orvane {
namespace {

// Records every call as a line, with the virtual time.
class Recorder : public EventHandler {
public:
    explicit Recorder(HeadlessPlatform& p) : platform(p) {}
    void FormMouseDown(MouseButton b, int x, int y) override { Log("down", b, x, y); }
    void FormMouseMove(int x, int y) override { Log("move", MouseButton::Left, x, y); }
    void FormMouseUp(MouseButton b, int x, int y) override { Log("up", b, x, y); }
    void FormKeyDown(int key) override { calls.push_back("key " + std::to_string(key)); }
    void OnTimer(TimerId id) override {
        calls.push_back("timer" + std::to_string(static_cast<int>(id)) + " @" +
                        std::to_string(platform.Now()));
        if (onTimer) onTimer(id);
    }
    void FormPaint() override {}
    void OnMinimize() override {}
    void OnRestore() override {}
    bool WriteStateDump(const std::string& path) override {
        calls.push_back("state " + path);
        return true;
    }
    void Log(const char* what, MouseButton b, int x, int y) {
        calls.push_back(std::string(what) + " " + std::to_string(static_cast<int>(b)) + " " +
                        std::to_string(x) + "," + std::to_string(y));
    }
    HeadlessPlatform& platform;
    std::vector<std::string> calls;
    std::function<void(TimerId)> onTimer;
};

TEST(HeadlessEvents, RejectTyposWithTheirLineBeforeAnythingRuns) {
    HeadlessPlatform platform;
    std::string error;
    EXPECT_FALSE(platform.LoadEventText("wait 10\nclik 1 2\n", "ev", error));
    EXPECT_EQ(error, "ev:2: unknown event \"clik\"");
    for (const char* bad : {"wait", "wait -5", "move 1", "click 1 2 sideways", "key",
                            "key hyperspace", "shot", "quit now", "drag 1 2 3"}) {
        EXPECT_FALSE(platform.LoadEventText(bad, "ev", error)) << bad;
    }
    EXPECT_TRUE(platform.LoadEventText("# only a comment\n\n  wait 5 # trailing\n", "ev", error));
}

TEST(HeadlessEvents, DeliverPointerAndKeysAndStopAtQuit) {
    HeadlessPlatform platform;
    Recorder rec(platform);
    std::string error;
    ASSERT_TRUE(platform.LoadEventText(
        "click 10 20 right\nkey esc\nkey a\nkey 113\ndrag 0 0 80 40\nstate out.txt\nquit\n"
        "key enter\n",
        "ev", error))
        << error;
    platform.Run(rec);
    ASSERT_EQ(rec.calls.size(), 16u);
    EXPECT_EQ(rec.calls[0], "down 1 10,20");
    EXPECT_EQ(rec.calls[1], "up 1 10,20");
    EXPECT_EQ(rec.calls[2], "key " + std::to_string(vk::Escape));
    EXPECT_EQ(rec.calls[3], "key 65");
    EXPECT_EQ(rec.calls[4], "key 113");
    EXPECT_EQ(rec.calls[5], "down 0 0,0");
    EXPECT_EQ(rec.calls[13], "move 0 80,40");
    EXPECT_EQ(rec.calls[14], "up 0 80,40");
    EXPECT_EQ(rec.calls[15], "state out.txt");
}

TEST(HeadlessClock, FiresTimersInTimeOrderAsTheClockAdvances) {
    HeadlessPlatform platform;
    Recorder rec(platform);
    platform.SetTimerInterval(TimerId::Timer2, 50);
    platform.SetTimerEnabled(TimerId::Timer2, true);
    platform.SetTimerInterval(TimerId::Timer4, 120);
    platform.SetTimerEnabled(TimerId::Timer4, true);
    platform.AdvanceTo(rec, 150);
    EXPECT_EQ(rec.calls, (std::vector<std::string>{"timer1 @50", "timer1 @100", "timer3 @120",
                                                   "timer1 @150"}));
    EXPECT_EQ(platform.Now(), 150u);
}

TEST(HeadlessClock, BlockingSleepsAdvanceAtOnceAndALateTimerFiresOnce) {
    HeadlessPlatform platform;
    Recorder rec(platform);
    platform.SetTimerInterval(TimerId::Timer1, 10);
    platform.SetTimerEnabled(TimerId::Timer1, true);
    // The first tick blocks for a second, as a transition does.
    rec.onTimer = [&](TimerId) {
        if (rec.calls.size() == 1) platform.Sleep(1000);
        if (rec.calls.size() == 3) platform.SetTimerEnabled(TimerId::Timer1, false);
    };
    platform.AdvanceTo(rec, 2000);
    EXPECT_EQ(rec.calls, (std::vector<std::string>{"timer0 @10", "timer0 @1010", "timer0 @1020"}));
    EXPECT_EQ(platform.Now(), 2000u);
}

}  // namespace
}  // namespace orvane
