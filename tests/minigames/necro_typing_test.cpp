// The phone's typing: a character a tick, three lines a page, and the page shown at once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "minigames/necro_typing.h"

namespace orvane {
namespace {

// What is on the phone's three lines after the draws, each character drawn once.
struct Lines {
    std::string drawn[4];
    NecroTyping::DrawLine Recorder() {
        return [this](std::string_view text, int number, size_t first) {
            ASSERT_GE(number, 1);
            ASSERT_LE(number, 3);
            ASSERT_FALSE(text.empty());
            // Characters before `first` must be those already shown; none is drawn twice.
            EXPECT_EQ(drawn[number].size(), first) << text;
            drawn[number] = std::string(text.substr(0, text.size() - 1));
        };
    }
    // A line as the player sees it: the break and the blank before it show nothing.
    std::string line(int number) const {
        std::string shown = drawn[number];
        while (!shown.empty() && (shown.back() == '\r' || shown.back() == ' ')) shown.pop_back();
        return shown;
    }
    void Clear() { *this = Lines(); }
};

int TypeUntilStop(NecroTyping& typing, Lines& lines) {
    int ticks = 0;
    while (typing.Tick(lines.Recorder())) ++ticks;
    return ticks + 1;
}

TEST(NecroTyping, PagesOfThreeLinesTypedOrShownAtOnce) {
    // Wrapped at 25 characters: five lines, so two pages.
    const std::string text =
        "one two three four five six seven eight nine ten eleven twelve thirteen fourteen fifteen "
        "sixteen";
    NecroTyping typing;
    typing.Begin(text);
    Lines lines;
    TypeUntilStop(typing, lines);
    EXPECT_EQ(lines.line(1), "one two three four five");
    EXPECT_EQ(lines.line(2), "six seven eight nine ten");
    EXPECT_EQ(lines.line(3), "eleven twelve thirteen");
    // The full page is taken off; what follows waits for the player.
    EXPECT_EQ(typing.NecroText(), "fourteen fifteen sixteen ");

    typing.Restart();
    lines.Clear();
    // Part of the first line typed, then the rest of the page at once.
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(typing.Tick(lines.Recorder()));
    EXPECT_EQ(lines.line(1), "four");
    typing.FinishPage(lines.Recorder());
    EXPECT_EQ(lines.line(1), "fourteen fifteen sixteen");
    EXPECT_TRUE(typing.NecroText().empty());
    // The text ends: the next tick stops with nothing left.
    EXPECT_FALSE(typing.Tick(lines.Recorder()));
}

TEST(NecroTyping, ShortAndEmptyTextsAndAPageShownFromItsSecondLine) {
    NecroTyping typing;
    Lines lines;
    typing.Begin("Hi  ");
    // "H" shows when "i" is about to, "i" when the closing blank is: three ticks, then the stop.
    EXPECT_EQ(TypeUntilStop(typing, lines), 4);
    EXPECT_EQ(lines.line(1), "Hi");
    EXPECT_TRUE(typing.NecroText().empty());

    typing.Begin("");
    lines.Clear();
    TypeUntilStop(typing, lines);
    EXPECT_EQ(lines.line(1), "");

    typing.Begin(
        "alpha beta gamma delta epsilon zeta eta theta iota kappa lambda mu nu xi omicron");
    lines.Clear();
    for (int i = 0; i < 30; ++i) ASSERT_TRUE(typing.Tick(lines.Recorder()));
    EXPECT_EQ(lines.line(1), "alpha beta gamma delta");
    EXPECT_EQ(lines.line(2), "epsi");
    typing.FinishPage(lines.Recorder());
    EXPECT_EQ(lines.line(2), "epsilon zeta eta theta");
    EXPECT_EQ(lines.line(3), "iota kappa lambda mu nu");
    EXPECT_EQ(typing.NecroText(), "xi omicron ");
}

}  // namespace
}  // namespace orvane
