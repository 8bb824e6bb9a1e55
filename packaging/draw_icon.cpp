// orvane-icon-gen: draws the program's icon, the demo's lighthouse under the stars, as PNG files
// in the sizes of the hicolor icon theme (DIR/SIZExSIZE/apps/orvane.png).
#include <cstdio>
#include <filesystem>
#include <string>

#include "canvas.h"
#include "phone_scenery.h"
#include "platform/png_writer.h"

namespace {

using namespace orvane;
using namespace orvane::demo;

constexpr int kSizes[] = {32, 48, 64, 128, 256};

// Drawn at each size rather than scaled down from the largest, so that the small icons keep
// crisp edges; the positions are given for 256 pixels and scaled.
Image DrawIcon(int size) {
    const float k = size / 256.0f;
    Canvas c(size, size);
    static constexpr GradientStop kSky[] = {
        {0, Hex(0x040818)}, {0.55f, Hex(0x12224C)}, {0.72f, Hex(0x2A3C6E)}};
    c.VerticalGradient(kSky);
    // Small icons get fewer stars, or they would read as noise.
    DrawStars(c, size >= 128 ? 36 : size / 4, 150 * k, 0x1C0F);
    c.Disc({58 * k, 104 * k, 18 * k}, Hex(0xF4EBC8), 1, Circle{66 * k, 97 * k, 16 * k});
    c.FillBelow([k](float) { return 186 * k; }, Hex(0x123060), Hex(0x050A1A), 70 * k);
    // The beam sweeping to the left, and its path on the water.
    c.Fill(Polygon({{150 * k, 50 * k}, {0, 14 * k}, {0, 76 * k}}), kLampLight, 0.3f, 4 * k);
    c.Fill(Polygon({{150 * k, 190 * k}, {60 * k, 256 * k}, {130 * k, 256 * k}}), kLampLight, 0.15f,
           8 * k);
    // The rock the tower stands on.
    c.FillBelow([k](float x) { return x < 100 * k ? 300 * k : 212 * k - (x - 100 * k) * 0.25f; },
                Hex(0x1C2230), Hex(0x080A10), 40 * k);
    DrawLighthouse(c, 150 * k, 205 * k, 170 * k, true);
    return c.ToImage();
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "orvane-icon-gen: %s\n", message.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || std::string(argv[1]) == "--help") {
        std::fprintf(argc == 2 ? stdout : stderr,
                     "Usage: orvane-icon-gen DIR\n"
                     "Draws the icon as DIR/SIZExSIZE/apps/orvane.png for the hicolor theme.\n");
        return argc == 2 ? 0 : 2;
    }
    for (const int size : kSizes) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path folder = std::filesystem::path(argv[1]) / name / "apps";
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (ec) return Fail("cannot create the folder " + folder.string());
        std::string error;
        if (!WritePng(folder / "orvane.png", DrawIcon(size), error)) return Fail(error);
    }
    return 0;
}
