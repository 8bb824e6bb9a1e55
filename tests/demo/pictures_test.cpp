#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "pictures.h"

#include "demo_script_lines.h"

namespace orvane::demo {
namespace {

const std::map<std::string, Image>& Drawn() {
    static const std::map<std::string, Image> drawn = [] {
        std::map<std::string, Image> all;
        for (const DemoPicture& picture : DemoPictures()) {
            all.emplace(std::string(picture.file), picture.draw());
        }
        return all;
    }();
    return drawn;
}

const Image& Picture(const std::string& file) {
    static const Image none;
    auto it = Drawn().find(file);
    return it == Drawn().end() ? none : it->second;
}

// NAME -> FILE of objects.scn.
std::map<std::string, std::string> Catalogue() {
    std::map<std::string, std::string> catalogue;
    for (const std::string& line : DemoScriptLines("objects.scn")) {
        const size_t colon = line.find(':');
        if (colon != std::string::npos) catalogue[line.substr(0, colon)] = line.substr(colon + 1);
    }
    return catalogue;
}

// The value of `key` in a script line: up to the next blank, or the rest of the line.
std::string ValueOf(const std::string& line, const std::string& key) {
    const size_t at = line.find(key);
    if (at == std::string::npos) return {};
    const size_t start = at + key.size();
    return line.substr(start, line.find(' ', start) - start);
}

TEST(DemoPictures, NamesAreUniqueAndMatchTheirFormat) {
    std::set<std::string_view> seen;
    for (const DemoPicture& picture : DemoPictures()) {
        EXPECT_TRUE(seen.insert(picture.file).second) << picture.file;
        const bool jpeg = picture.file.ends_with(".jpg");
        EXPECT_EQ(jpeg, picture.format == PictureFormat::Jpeg) << picture.file;
        EXPECT_TRUE(jpeg || picture.file.ends_with(".bmp")) << picture.file;
        // Only a 32-bit BMP carries the transparency that characters and objects are blended by.
        if (picture.file.starts_with("ch_") || picture.file.starts_with("obj_")) {
            EXPECT_EQ(picture.format, PictureFormat::Bmp32) << picture.file;
        }
    }
}

TEST(DemoPictures, SizesAreTheOnesTheEngineLaysOut) {
    for (const DemoPicture& picture : DemoPictures()) {
        const std::string file(picture.file);
        const Image& image = Picture(file);
        if (file.starts_with("bg_")) {
            EXPECT_EQ(image.width, 1024) << file;
            EXPECT_EQ(image.height, 768) << file;
        } else if (file.starts_with("ch_")) {
            EXPECT_EQ(image.width, 300) << file;
            EXPECT_EQ(image.height, 600) << file;
        } else if (file.starts_with("strip")) {
            EXPECT_EQ(image.width, 1024) << file;
            EXPECT_EQ(image.height, 190) << file;
        }
    }
    EXPECT_EQ(Picture("topline.bmp").height, 103);
    EXPECT_EQ(Picture("bottomline.bmp").height, 98);
    EXPECT_EQ(Picture("podlozhka.bmp").height, 570);
    for (const char* file : {"topline.bmp", "bottomline.bmp", "podlozhka.bmp"}) {
        EXPECT_EQ(Picture(file).width, 1024) << file;
    }
    EXPECT_EQ(Picture("obj_lantern.bmp").width, 120);
    EXPECT_EQ(Picture("obj_lantern.bmp").height, 200);
    // The frames of a cycle replace one another in the same place.
    for (const char* file : {"obj_fire2.bmp", "obj_fire3.bmp"}) {
        EXPECT_EQ(Picture(file).width, Picture("obj_fire1.bmp").width) << file;
        EXPECT_EQ(Picture(file).height, Picture("obj_fire1.bmp").height) << file;
    }
}

TEST(DemoPictures, FiguresHaveSoftEdgesAndNothingAroundThem) {
    for (const DemoPicture& picture : DemoPictures()) {
        // The text panel spans the screen from edge to edge and the phone's fonts are letters:
        // they have tests of their own.
        if (picture.format != PictureFormat::Bmp32 || picture.file == "obj_panel.bmp" ||
            picture.file.starts_with("necrofont")) {
            continue;
        }
        const Image& image = Picture(std::string(picture.file));
        int solid = 0, soft = 0;
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                const uint32_t p = image.at(x, y);
                const bool border =
                    x == 0 || y == 0 || x == image.width - 1 || y == image.height - 1;
                if (border) {
                    EXPECT_EQ(PixelT(p), 255) << picture.file << " at " << x << "," << y;
                }
                if (PixelT(p) == 255) {
                    EXPECT_EQ(p & 0xFFFFFF, 0u) << picture.file << " at " << x << "," << y;
                }
                solid += PixelT(p) == 0;
                soft += PixelT(p) > 0 && PixelT(p) < 255;
            }
        }
        EXPECT_GT(solid, image.width * image.height / 20) << picture.file;
        EXPECT_GT(soft, image.width + image.height) << picture.file;
    }
}

TEST(DemoPictures, TheLetterBoxOrnamentKeepsClearOfTheBand) {
    // The band is drawn from row 99 of the screen, over the last rows of the top strip, and
    // the last opening strip reaches three rows into the bottom one: those rows stay plain.
    const auto plain = [](const Image& image, int y) {
        for (int x = 1; x < image.width; ++x) {
            const int step = std::abs(PixelRed(image.at(x, y)) - PixelRed(image.at(x - 1, y)));
            if (step > 6) return false;
        }
        return true;
    };
    const Image& top = Picture("topline.bmp");
    const Image& bottom = Picture("bottomline.bmp");
    for (int y = 99; y < top.height; ++y) EXPECT_TRUE(plain(top, y)) << "top row " << y;
    for (int y = 0; y < 3; ++y) EXPECT_TRUE(plain(bottom, y)) << "bottom row " << y;
    // ... and the ornament is there at all.
    bool ornament = false;
    for (int y = 0; y < 99; ++y) ornament = ornament || !plain(top, y);
    EXPECT_TRUE(ornament);
}

TEST(DemoPictures, TheTextPanelDimsThePictureEvenlyFromEdgeToEdge) {
    const Image& panel = Picture("obj_panel.bmp");
    ASSERT_EQ(panel.width, 1024);
    ASSERT_EQ(panel.height, 170);
    // The top edge fades in from nothing: down the first column, where no rule is drawn, the
    // panel only ever gets more solid.
    EXPECT_EQ(PixelT(panel.at(0, 0)), 255);
    EXPECT_EQ(PixelT(panel.at(512, 0)), 255);
    for (int y = 1; y < panel.height; ++y) {
        EXPECT_LE(PixelT(panel.at(0, y)), PixelT(panel.at(0, y - 1))) << "row " << y;
    }
    // Where the text lies, a third or so of the picture shows through everywhere, the first
    // and last columns too (a clear column there would show as a bright seam at the screen's
    // edge), and the panel is dark enough for white text.
    for (int y = 30; y < panel.height; ++y) {
        for (int x = 0; x < panel.width; ++x) {
            const uint32_t p = panel.at(x, y);
            ASSERT_GE(PixelT(p), 70) << x << "," << y;
            ASSERT_LE(PixelT(p), 120) << x << "," << y;
            ASSERT_LE(std::max({PixelRed(p), PixelGreen(p), PixelBlue(p)}), 64) << x << "," << y;
        }
    }
}

TEST(DemoPictures, FireFramesDiffer) {
    EXPECT_NE(Picture("obj_fire1.bmp").pixels, Picture("obj_fire2.bmp").pixels);
    EXPECT_NE(Picture("obj_fire2.bmp").pixels, Picture("obj_fire3.bmp").pixels);
}

TEST(DemoScripts, TheCatalogueNamesDrawnPicturesOfTheRightKind) {
    const auto catalogue = Catalogue();
    ASSERT_FALSE(catalogue.empty());
    for (const auto& [name, file] : catalogue) {
        EXPECT_FALSE(Picture(file).empty()) << name << ":" << file;
        const bool background = name.starts_with("bg");
        EXPECT_EQ(background, file.ends_with(".jpg")) << name << ":" << file;
    }
}

TEST(DemoScripts, EveryNameTheTourUsesExists) {
    const auto catalogue = Catalogue();
    const std::vector<std::string> lines = DemoScriptLines("master.scn");
    ASSERT_FALSE(lines.empty());
    std::set<std::string> scenes;
    for (const std::string& line : lines) {
        if (line.starts_with("scene ")) scenes.insert(line.substr(6));
    }
    bool inCycle = false;
    for (const std::string& line : lines) {
        if (line.starts_with("--")) continue;
        if (line.starts_with("set cycle ")) {
            inCycle = true;
            continue;
        }
        if (line == "end cycle") {
            inCycle = false;
            continue;
        }
        if (inCycle) {
            EXPECT_TRUE(catalogue.contains(line.substr(line.find(' ') + 1))) << line;
            continue;
        }
        for (const char* key : {" bg=", " character=", " object="}) {
            const std::string name = ValueOf(line, key);
            if (!name.empty()) {
                EXPECT_TRUE(catalogue.contains(name)) << line;
            }
        }
        if (line.starts_with("set spacing:")) {
            std::stringstream fields(line.substr(12));
            std::string file;
            for (int i = 0; i < 3 && std::getline(fields, file, ':'); ++i) {
                EXPECT_FALSE(Picture(file).empty()) << line;
            }
        }
        if (line.starts_with("goto ")) {
            EXPECT_TRUE(scenes.contains(line.substr(5))) << line;
        }
    }
    // The cinematic commands draw these by file name.
    for (const char* file : {"topline.bmp", "bottomline.bmp", "podlozhka.bmp", "blackscreen.jpg"}) {
        EXPECT_FALSE(Picture(file).empty()) << file;
    }
}

TEST(DemoScripts, TheNameIsTypedIntoTheWhiteFieldOfTheEntryScreen) {
    // The engine draws each typed letter on a white cell of its own from the line's align=:X:Y
    // on: up to twelve letters, some 38 pixels high in the tour's 24-point font. Where the
    // picture is not white there, the cells show as patches.
    const auto catalogue = Catalogue();
    int screens = 0;
    for (const std::string& line : DemoScriptLines("master.scn")) {
        if (!line.starts_with("set enter ")) continue;
        ++screens;
        const auto entry = catalogue.find(ValueOf(line, " bg="));
        ASSERT_NE(entry, catalogue.end()) << line;
        const Image& screen = Picture(entry->second);
        ASSERT_EQ(screen.width, 1024) << line;
        int x0 = 0, y0 = 0;
        ASSERT_EQ(std::sscanf(ValueOf(line, " align=").c_str(), ":%d:%d", &x0, &y0), 2) << line;
        for (int y = y0 - 2; y < y0 + 42; y += 2) {
            for (int x = x0 - 6; x < x0 + 276; x += 2) {
                const uint32_t p = screen.at(x, y);
                ASSERT_GE(std::min({PixelRed(p), PixelGreen(p), PixelBlue(p)}), 245)
                    << x << "," << y << " of " << line;
            }
        }
    }
    EXPECT_GT(screens, 0);
}

}  // namespace
}  // namespace orvane::demo
