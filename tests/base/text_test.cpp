#include <gtest/gtest.h>

#include "base/decimal.h"
#include "base/text.h"

namespace orvane {
namespace {

TEST(Cp1251Text, LowerCasesLatinAndCyrillicIncludingLettersOutsideTheMainBlock) {
    // "ПРИВЕТ Ёж ЎІЇЄҐ" in CP1251
    const std::string upper = "\xCF\xD0\xC8\xC2\xC5\xD2 \xA8\xE6 \xA1\xB2\xAF\xAA\xA5 ABC";
    const std::string lower = "\xEF\xF0\xE8\xE2\xE5\xF2 \xB8\xE6 \xA2\xB3\xBF\xBA\xB4 abc";
    EXPECT_EQ(LowerCaseCp1251(upper), lower);
    EXPECT_TRUE(EqualsIgnoreCaseCp1251("Master.SCN", "master.scn"));
    EXPECT_FALSE(EqualsIgnoreCaseCp1251("master.scn", "master.scn "));
    // Symbols in the upper half are not letters and stay.
    EXPECT_EQ(LowerCp1251('\xB9'), '\xB9');  // numero sign
}

TEST(Cp1251Text, EveryByteSurvivesARoundTripThroughUtf8) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = Cp1251ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_EQ(Utf8ToCp1251(utf8), all);
    EXPECT_EQ(Cp1251ToUtf8("\xC0\xEB\xE5\xEA\xF1\xE5\xE9"), "Алексей");
}

TEST(Cp1251Text, RejectsMalformedUtf8AndCharactersTheCodePageLacks) {
    EXPECT_FALSE(Utf8ToCp1251("\xC3"));          // cut short
    EXPECT_FALSE(Utf8ToCp1251("\xC0\xAF"));      // overlong slash
    EXPECT_FALSE(Utf8ToCp1251("\xED\xA0\x80"));  // surrogate
    EXPECT_FALSE(Utf8ToCp1251("日本"));
    EXPECT_EQ(Utf8ToCp1251("Ёж №5"), std::string("\xA8\xE6 \xB9" "5"));
}

TEST(Cp1251Text, TrimDropsBlanksAndControlCharacters) {
    EXPECT_EQ(Trim("  \t--remark\r\n"), "--remark");
    EXPECT_EQ(Trim("\x01\x1F"), "");
    EXPECT_EQ(Trim("a b"), "a b");
    EXPECT_EQ(SlashPath("save\\game1.sav"), "save/game1.sav");
}

TEST(Decimal, ToleratesLeadingBlanksAndOneSignOnly) {
    EXPECT_EQ(ParseDecimal("0012"), 12);
    EXPECT_EQ(ParseDecimal("   -5"), -5);
    EXPECT_EQ(ParseDecimal("+7"), 7);
    EXPECT_EQ(ParseDecimal("0000000000"), 0);
    EXPECT_EQ(ParseDecimal("2147483647"), 2147483647);
    EXPECT_EQ(ParseDecimal("-2147483648"), INT32_MIN);
    for (const char* bad : {"", " ", "-", "12a", "1 ", "1.5", "--1", "+-1", "2147483648",
                            "99999999999999999999", "0x10", "\t1"}) {
        EXPECT_FALSE(ParseDecimal(bad)) << '"' << bad << '"';
    }
}

TEST(Decimal, PadsToAWidthButNeverCuts) {
    EXPECT_EQ(PadDecimal(3, 10), "0000000003");
    EXPECT_EQ(PadDecimal(0, 4), "0000");
    EXPECT_EQ(PadDecimal(123456, 4), "123456");
}

}  // namespace
}  // namespace orvane
