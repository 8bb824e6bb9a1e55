// The phone game of the demo as the engine reads it: the bitmap fonts' glyphs, found from the
// ink of their pictures; the pressed keys; and the story of default.scn followed screen by screen
// along every way the player can take. None of these mistakes shows an error in the game: a
// glyph shifts every letter after it, a key does not light, the story reads a text line as a
// picture name, or an ending goes on at the line after "game=necro" instead of its scene.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "base/text.h"
#include "phone_sounds.h"
#include "pictures.h"

#include "demo_script_lines.h"

namespace orvane::demo {
namespace {

const Image& Picture(const std::string& file) {
    static const std::map<std::string, Image> drawn = [] {
        std::map<std::string, Image> all;
        for (const DemoPicture& picture : DemoPictures()) {
            // Only the phone game's pictures: the others have tests of their own.
            const std::string name(picture.file);
            if (name.starts_with("phone") || name.starts_with("necro") ||
                name == "main_menu_necro.bmp" || name == "foreground.bmp" ||
                name.starts_with("title") || name == "dot.bmp") {
                all.emplace(name, picture.draw());
            }
        }
        return all;
    }();
    static const Image none;
    const auto it = drawn.find(file);
    return it == drawn.end() ? none : it->second;
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

TEST(DemoPhone, FontsHoldEveryGlyphAsOneRunOfInkInCodeOrder) {
    constexpr struct {
        const char* file;
        int glyphs;
    } kFonts[] = {{"necrofont1.bmp", 31}, {"necrofont2.bmp", 32}, {"necrofont3.bmp", 32}};
    for (const auto& font : kFonts) {
        SCOPED_TRACE(font.file);
        const Image& image = Picture(font.file);
        ASSERT_EQ(image.width, 196);
        ASSERT_EQ(image.height, 220);
        const auto seeThrough = [&](int x, int y) { return PixelT(image.at(x, y)) == 255; };
        // The engine finds the glyphs as the runs of columns with ink in the two strips.
        std::vector<std::pair<int, int>> runs;
        for (int x = 0; x < image.width; ++x) {
            bool ink = false;
            for (int y = 0; y < 22; ++y) ink = ink || !seeThrough(x, y);
            if (!ink) continue;
            if (!runs.empty() && runs.back().second == x) {
                runs.back().second = x + 1;
            } else {
                runs.emplace_back(x, x + 1);
            }
        }
        ASSERT_EQ(static_cast<int>(runs.size()), font.glyphs);
        for (const auto& [left, right] : runs) {
            EXPECT_LE(right - left, 12) << "glyph at column " << left;
            // The highlighted strip holds the same glyph in the same columns, white where the
            // plain one is yellow.
            for (int y = 0; y < 11; ++y) {
                for (int x = left; x < right; ++x) {
                    const uint32_t plain = image.at(x, y), lit = image.at(x, y + 11);
                    ASSERT_EQ(PixelT(plain), PixelT(lit)) << x << "," << y;
                    if (PixelT(plain) == 255) continue;
                    ASSERT_EQ(plain & 0xFFFFFF, 0xFFFF00u) << x << "," << y;
                    ASSERT_EQ(lit & 0xFFFFFF, 0xFFFFFFu) << x << "," << y;
                }
            }
        }
        // Nothing below the strips, and nothing see-through that has a colour.
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                ASSERT_TRUE(y < 22 || seeThrough(x, y)) << x << "," << y;
                ASSERT_TRUE(!seeThrough(x, y) || (image.at(x, y) & 0xFFFFFF) == 0) << x << "," << y;
            }
        }
    }
}

TEST(DemoPhone, PicturesHaveTheSizesTheEngineCopiesAndEveryKeyLights) {
    constexpr struct {
        const char* file;
        int width, height;
    } kSizes[] = {{"phone.bmp", 400, 740},           {"phone_pressed.bmp", 400, 740},
                  {"main_menu_necro.bmp", 176, 253}, {"necro_if.bmp", 176, 253},
                  {"foreground.bmp", 176, 218},      {"title1.bmp", 95, 108},
                  {"title2.bmp", 176, 220}};
    for (const auto& size : kSizes) {
        EXPECT_EQ(Picture(size.file).width, size.width) << size.file;
        EXPECT_EQ(Picture(size.file).height, size.height) << size.file;
    }
    // The keys' rectangles in the phone (left, top, right, bottom): each must look different
    // pressed, or the player sees no key go down.
    constexpr int kKeys[][4] = {{95, 510, 160, 530},  {163, 510, 235, 530}, {239, 510, 304, 530},
                                {95, 543, 160, 570},  {163, 543, 235, 570}, {239, 543, 304, 570},
                                {95, 580, 160, 605},  {163, 580, 235, 605}, {239, 580, 304, 605},
                                {95, 615, 160, 640},  {163, 615, 235, 640}, {239, 615, 304, 640},
                                {95, 405, 172, 455},  {224, 405, 303, 455}, {95, 459, 162, 492},
                                {234, 460, 303, 492}, {191, 471, 208, 485}, {172, 471, 192, 485},
                                {206, 471, 228, 485}, {187, 451, 210, 471}, {187, 486, 210, 505}};
    const Image& plain = Picture("phone.bmp");
    const Image& pressed = Picture("phone_pressed.bmp");
    ASSERT_FALSE(plain.empty() || pressed.empty());
    for (const auto& key : kKeys) {
        int changed = 0;
        for (int y = key[1]; y < key[3]; ++y) {
            for (int x = key[0]; x < key[2]; ++x) changed += plain.at(x, y) != pressed.at(x, y);
        }
        EXPECT_GT(changed, (key[2] - key[0]) * (key[3] - key[1]) / 4)
            << "key at " << key[0] << "," << key[1];
    }
    // The display shows the game: the phone leaves it black and opaque.
    for (int y = 161; y < 381; y += 7) {
        for (int x = 112; x < 288; x += 7) ASSERT_EQ(plain.at(x, y), MakePixel(0, 0, 0)) << x;
    }
}

// The characters the phone's three fonts hold, and the blank.
bool Typeable(const std::string& utf8) {
    const std::optional<std::string> text = Utf8ToCp1251(utf8);
    if (!text) return false;
    return std::all_of(text->begin(), text->end(), [](char ch) {
        const auto c = static_cast<unsigned char>(ch);
        return c == ' ' || (c >= '!' && c <= '?') || c >= 192;
    });
}

// Follows default.scn as the engine reads it, from line 2 along every choice.
TEST(DemoPhone, EveryWayThroughTheStoryReadsScreensAndEndsAtAScene) {
    const std::vector<std::string> lines = DemoScriptLines("default.scn");
    ASSERT_GT(lines.size(), 2u);
    std::set<std::string> sounds;
    for (const PhoneSound& sound : PhoneSounds()) sounds.insert(std::string(sound.file));
    std::set<std::string> declared;
    for (const std::string& line : DemoScriptLines("triggers.scn")) {
        declared.insert(line.substr(0, line.find('=')));
    }
    const std::vector<std::string> master = DemoScriptLines("master.scn");
    const auto hasScene = [&](const std::string& label) {
        return std::find(master.begin(), master.end(), "scene " + label) != master.end();
    };
    const auto label = [&](const std::string& target) -> std::optional<size_t> {
        for (size_t i = 0; i < lines.size(); ++i) {
            if (Trimmed(lines[i]) == target) return i;
        }
        return std::nullopt;
    };
    const auto line = [&](size_t at) { return at < lines.size() ? lines[at] : std::string(); };

    std::set<size_t> screens;
    std::set<std::string> endings;
    std::vector<std::pair<size_t, std::string>> todo = {{2, ""}};  // where, and the trigger set
    const auto takeChoices = [&](size_t& at, bool typed) {
        int count = 0;
        for (; line(at).starts_with("//IF//") && count < 3; ++at, ++count) {
            const std::string option = line(at).substr(6);
            const size_t slashes = option.find("//");
            ASSERT_NE(slashes, std::string::npos) << option;
            // The engine leaves the last character off: the blank before the target.
            EXPECT_TRUE(slashes > 1 && option[slashes - 1] == ' ') << option;
            EXPECT_TRUE(!typed || Typeable(option.substr(0, slashes))) << option;
            const std::optional<size_t> target = label(option.substr(slashes));
            ASSERT_TRUE(target) << "no label for " << option;
            // A trigger line stands right after the label, before the screen.
            std::string trigger;
            if (Upper(line(*target + 1)).find("SET TRIGGER") != std::string::npos) {
                trigger = line(*target + 1).substr(12);
            }
            todo.emplace_back(*target + 1, trigger);
        }
    };
    while (!todo.empty()) {
        auto [at, trigger] = todo.back();
        todo.pop_back();
        if (!trigger.empty()) ++at;  // the engine takes the trigger line out of the list
        if (!screens.insert(at).second) continue;
        SCOPED_TRACE("screen at line " + std::to_string(at));
        ASSERT_TRUE(Upper(line(at)).starts_with("//SCREEN")) << line(at);
        const std::string sound = line(at).size() > 9 ? line(at).substr(9) : std::string();
        EXPECT_TRUE(sound.empty() || sounds.contains(sound)) << sound;
        const Image& scene = Picture(line(at + 1).size() > 6 ? line(at + 1).substr(6) : "");
        EXPECT_FALSE(scene.empty()) << line(at + 1);
        EXPECT_LE(scene.width, 176) << line(at + 1);
        EXPECT_LE(scene.height, 170) << line(at + 1);
        EXPECT_FALSE(Picture(line(at + 2).size() > 10 ? line(at + 2).substr(10) : "").empty())
            << line(at + 2);
        at += 3;
        const size_t before = todo.size();
        takeChoices(at, false);
        if (todo.size() > before) continue;
        bool ends = line(at).starts_with("//END//");
        if (!ends) {
            ASSERT_TRUE(line(at).starts_with("//TEXT//")) << line(at);
            for (; line(at).starts_with("//TEXT//"); ++at) {
                EXPECT_TRUE(Typeable(line(at).substr(8))) << line(at);
            }
            ends = line(at).starts_with("//END//");
            if (!ends) takeChoices(at, true);
            // Anything else: the engine goes on three lines after the last page.
            if (!ends && todo.size() == before) todo.emplace_back(at + 2, "");
        }
        if (!ends) continue;
        const size_t eq = trigger.find('=');
        ASSERT_NE(eq, std::string::npos)
            << "an ending that sets no trigger goes on after game=necro";
        const std::string name = trigger.substr(0, eq);
        EXPECT_EQ(trigger.substr(eq + 1), "1") << trigger;
        EXPECT_TRUE(declared.contains(name)) << name;
        const std::string number = name.substr(0, 2);
        EXPECT_EQ(name, number + "_necro");
        EXPECT_TRUE(hasScene(number + "xx_necro_end") && hasScene(number + "xx_necro_off")) << name;
        endings.insert(name);
    }
    EXPECT_GE(endings.size(), 2u);
    // Every screen of the file is reached, and every trigger line stands where it is run.
    for (size_t i = 2; i < lines.size(); ++i) {
        const std::string upper = Upper(lines[i]);
        EXPECT_TRUE(!upper.starts_with("//SCREEN") || screens.contains(i)) << "line " << i;
        if (upper.find("SET TRIGGER") != std::string::npos) {
            EXPECT_TRUE(lines[i].starts_with("SET TRIGGER ") && screens.contains(i + 1))
                << "line " << i;
        }
    }
    // The main story starts the game once, with its endings' triggers cleared.
    const auto start = std::find(master.begin(), master.end(), "game=necro");
    ASSERT_NE(start, master.end());
    for (const std::string& name : endings) {
        EXPECT_NE(std::find(master.begin(), start, "set trigger " + name + "=0"), start) << name;
    }
}

}  // namespace
}  // namespace orvane::demo
