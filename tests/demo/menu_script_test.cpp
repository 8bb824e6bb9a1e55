// The demo's menus, interface and pointer as the engine reads them. A menu item whose picture or
// scene is missing, or a main-menu line the shell cannot find, shows no error in the game: the
// item simply does nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "archive/cursor_decoder.h"
#include "pictures.h"
#include "pointer.h"

#include "demo_script_lines.h"

namespace orvane::demo {
namespace {

std::map<std::string, PictureFormat> DrawnFiles() {
    std::map<std::string, PictureFormat> files;
    for (const DemoPicture& picture : DemoPictures()) {
        files[std::string(picture.file)] = picture.format;
    }
    return files;
}

// The text after `key` up to the next blank.
std::string After(const std::string& line, const std::string& key) {
    const size_t at = line.find(key);
    if (at == std::string::npos) return {};
    const size_t start = at + key.size();
    return line.substr(start, line.find(' ', start) - start);
}

TEST(DemoMenus, MenusAndTheInterfaceNameDrawnPicturesAndScenes) {
    const auto drawn = DrawnFiles();
    std::set<std::string> scenes, catalogue;
    for (const std::string& line : DemoScriptLines("master.scn")) {
        if (line.starts_with("scene ")) scenes.insert(line.substr(6));
    }
    for (const std::string& line : DemoScriptLines("objects.scn")) {
        catalogue.insert(line.substr(0, line.find(':')));
    }

    // The shell goes back to the main menu by the exact line of the unlocked variant.
    const std::vector<std::string> master = DemoScriptLines("master.scn");
    for (const char* variant : {"main_menu1", "main_menu2", "main_menu3", "main_menu4"}) {
        const std::string line = std::string("set section menu=") + variant;
        EXPECT_NE(std::find(master.begin(), master.end(), line), master.end()) << variant;
    }
    for (const char* file : {"main_menu.jpg", "main_menu2.jpg", "options.jpg"}) {
        EXPECT_TRUE(drawn.contains(file)) << file;
    }

    const std::vector<std::string> menus = DemoScriptLines("menus.scn");
    const std::set<std::string> builtIn = {"main",    "load",  "options", "fullscreen",
                                           "gallery", "cards", "exit"};
    int items = 0;
    for (const std::string& line : master) {
        const std::string name = After(line, "set section menu=");
        if (name.empty() || name.starts_with("main_menu")) continue;
        size_t at = 0;
        while (at < menus.size() && menus[at].find(" " + name + ";") == std::string::npos) ++at;
        ASSERT_LT(at + 1, menus.size()) << "no menu " << name;
        EXPECT_EQ(drawn.count(menus[at + 1].substr(menus[at + 1].find("bg=") + 3)), 1u) << name;
        for (at += 2; at < menus.size() && !menus[at].starts_with("end"); ++at) {
            const std::string& item = menus[at];
            ++items;
            int numbers[4];
            EXPECT_EQ(std::sscanf(item.c_str(), "%*[^:]:%d:%d:%d:%d", &numbers[0], &numbers[1],
                                  &numbers[2], &numbers[3]),
                      4)
                << item;
            const std::string action = After(item, " action=");
            EXPECT_TRUE(builtIn.contains(action) || scenes.contains(action)) << item;
            // A hovered item's picture is drawn over the whole screen: a JPEG of the menu with
            // that item lit.
            const std::string picture = item.substr(item.find(" bg=") + 4);
            EXPECT_EQ(drawn.count(picture) ? drawn.at(picture) : PictureFormat::Bmp24,
                      PictureFormat::Jpeg)
                << item;
        }
    }
    EXPECT_GE(items, 4);

    const std::vector<std::string> interface = DemoScriptLines("interface.scn");
    for (const std::string& line : master) {
        if (!line.starts_with("set interface ")) continue;
        const std::string section = line.substr(14);
        size_t at = 0;
        while (at < interface.size() && !interface[at].starts_with(section)) ++at;
        ASSERT_LT(at, interface.size()) << line;
        for (++at; at < interface.size() && interface[at] != "end"; ++at) {
            char name[64] = {};
            int level = 0, x = 0, y = 0, flag = 0;
            ASSERT_EQ(std::sscanf(interface[at].c_str(), "%d:%63[^:]:%d:%d:%d", &level, name, &x,
                                  &y, &flag),
                      5)
                << interface[at];
            EXPECT_TRUE(std::string(name).starts_with("if") && catalogue.contains(name))
                << interface[at];
        }
    }
}

TEST(DemoMenus, TheOptionsPictureIsFlatWhereTheEngineEmptiesBoxesAndMarkers) {
    // Boxes and markers are emptied by copying the picture's own top-left corner over them.
    const Image options = DrawOptionsPicture();
    const uint32_t ground = options.at(0, 0);
    auto flat = [&](int x0, int y0, int side) {
        for (int y = y0; y < y0 + side; ++y) {
            for (int x = x0; x < x0 + side; ++x) {
                const uint32_t p = options.at(x, y);
                if (std::abs(PixelRed(p) - PixelRed(ground)) > 2 ||
                    std::abs(PixelGreen(p) - PixelGreen(ground)) > 2 ||
                    std::abs(PixelBlue(p) - PixelBlue(ground)) > 2) {
                    return false;
                }
            }
        }
        return true;
    };
    EXPECT_TRUE(flat(0, 0, 19));
    for (int k = 0; k < 10; ++k) {
        EXPECT_TRUE(flat(87 + 24 * k, 384, 18)) << "sound box " << k;
        EXPECT_TRUE(flat(87 + 24 * k, 489, 18)) << "music box " << k;
    }
    EXPECT_TRUE(flat(60, 278, 19));
    EXPECT_TRUE(flat(60, 595, 19));
}

TEST(DemoPointer, IsACursorFileTheEngineReads) {
    const std::string file = EncodeCursor(DrawPointer(), 1, 1);
    CursorPicture cursor;
    std::string error;
    ASSERT_TRUE(DecodeCursor(file, cursor, error)) << error;
    EXPECT_EQ(cursor.picture.width, kPointerSide);
    EXPECT_EQ(cursor.hotX, 1);
    EXPECT_EQ(cursor.hotY, 1);
    EXPECT_LT(PixelT(cursor.picture.at(4, 8)), 64);                  // the arrow
    EXPECT_EQ(PixelT(cursor.picture.at(kPointerSide - 1, 0)), 255);  // beside it
}

}  // namespace
}  // namespace orvane::demo
