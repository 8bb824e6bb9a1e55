#include <gtest/gtest.h>

#include "render/text_layout.h"

namespace orvane {
namespace {

TEST(Palette, NamesSixteenColoursAndPassesOtherNumbersThrough) {
    EXPECT_EQ(PaletteColor(3), 0x008000u);   // dark green
    EXPECT_EQ(PaletteColor(11), 0x00FF00u);  // lime
    EXPECT_EQ(PaletteColor(13), 0xC0C0C0u);
    EXPECT_EQ(PaletteColor(0x0000FF), 0xFF0000u);  // a Windows colour value keeps red low
    EXPECT_EQ(PaletteColor(16), 0x100000u);
}

TEST(FontSettings, ReadFiveFieldsAndRefuseOthers) {
    const auto font = ParseFontSetting("OfficinaSansCTT:12:bolditalic:15:60");
    ASSERT_TRUE(font);
    EXPECT_EQ(font->face, "OfficinaSansCTT");
    EXPECT_EQ(font->size, 12);
    EXPECT_EQ(font->style, "bolditalic");
    EXPECT_EQ(font->color, 15);
    EXPECT_EQ(font->wrap, 60);
    EXPECT_FALSE(ParseFontSetting("Arial:12:bold:15"));
    EXPECT_FALSE(ParseFontSetting("Arial:x:bold:15:60"));
}

TEST(Tags, ChangeTheFontFromWhereTheyStand) {
    const TextFont base{"Arial", 12, "", 15};
    TextFont font = base;
    ApplyTag("b", base, font);
    ApplyTag("b", base, font);
    EXPECT_EQ(font.style, "bold");
    ApplyTag("i", base, font);
    ApplyTag("-b", base, font);
    EXPECT_EQ(font.style, "italic");
    ApplyTag("h20", base, font);
    ApplyTag("fMicra", base, font);
    EXPECT_EQ(font.size, 20);
    EXPECT_EQ(font.face, "Micra");
    ApplyTag("hx", base, font);  // not a number: nothing
    ApplyTag("vhero", base, font);
    ApplyTag("unknown", base, font);
    EXPECT_EQ(font.size, 20);
    ApplyTag("-h", base, font);
    EXPECT_EQ(font.size, 12);
    ApplyTag("-", base, font);
    EXPECT_EQ(font.face, "Arial");
    EXPECT_EQ(font.style, "");
}

TEST(Wrapping, KeepsShortTextAndBreaksAtTheLastBlankDotCommaOrDash) {
    EXPECT_EQ(WrapText("aaa bb", 6), "aaa bb");  // exactly the width: unchanged
    EXPECT_EQ(WrapText("aaa bbb", 6), "aaa \r\nbbb");
    EXPECT_EQ(WrapText("aa,bbbb", 6), "aa,\r\nbbbb");
    EXPECT_EQ(WrapText("aa-bbbbcc", 6), "aa-\r\nbbbbcc");
    EXPECT_EQ(WrapText("abcdefghij", 4), "abcd\r\nefgh\r\nij");  // no break: a hard cut
    // A piece without a break is cut before the blank after it is looked at.
    EXPECT_EQ(WrapText("abcd efgh", 4), "abcd\r\n \r\nefgh");
}

TEST(Wrapping, DoesNotCountTagsAndKeepsExistingBreaks) {
    EXPECT_EQ(WrapText("/b/aaa bbb/-b/ ccc", 7), "/b/aaa \r\nbbb/-b/ ccc");
    EXPECT_EQ(WrapText("ab\r\ncd efgh ij", 6), "ab\r\ncd \r\nefgh \r\nij");
    EXPECT_EQ(WrapText("  aaa bbb  ", 6), "aaa \r\nbbb");
    EXPECT_EQ(WrapText("anything", 0), "anything");
}

}  // namespace
}  // namespace orvane
