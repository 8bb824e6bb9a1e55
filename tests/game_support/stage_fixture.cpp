#include "stage_fixture.h"

#include "script/text_commands.h"

namespace orvane::testing {
namespace {

// Columns of a picture numbered by their red value, so clipping shows which column landed where.
std::string ColumnRamp(int width, int height) {
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.at(x, y) = MakePixel(static_cast<uint8_t>(x), 9, 9);
    return EncodeBmp32(image);
}

}  // namespace

StageTest::StageTest() : state(platform, {game.path(), game.path(), game.path()}) {
    GameArchive()
        .FixedPictures()
        .Entry("bg_blue.bmp", Bmp32Of(1024, 768, kBlue))
        .Entry("ch_ramp.bmp", ColumnRamp(250, 600))
        .Entry("obj_red.bmp", Bmp32Of(100, 100, kRed))
        .Entry("f1.bmp", Bmp32Of(10, 10, kRed))
        .WriteTo(game / "Orvane.pak");
    state.lists.ObjectCatalog = {"bg_blue:bg_blue.bmp", "ch_ramp:ch_ramp.bmp",
                                 "obj_red:obj_red.bmp", "obj_redder:obj_red.bmp",
                                 "f1:f1.bmp",           "f2:f1.bmp",
                                 "f3:f1.bmp"};
    SetUpDisplay(state.slots, platform);
    CreateFixedSurfaces(state.slots);
    LoadFixedPictures(state.slots, state.pictures);
}

void StageTest::Run(std::vector<std::string> lines) {
    state.lists.ScriptLines = std::move(lines);
    ++state.lists.scriptEdits;
    state.ScriptPos = 0;
    interpreter.RunScript();
}

void StageTest::Ticks(int ticks) { platform.AdvanceTo(router, platform.Now() + 50 * ticks); }

const StageItem* StageTest::Item(std::string_view name) const {
    for (const StageItem& item : state.stage.StageItems) {
        if (item.name == name) return &item;
    }
    return nullptr;
}

void StageTest::UseTextDefaults() {
    state.lists.TextDefaults = {"xy_pos=20:600",   "font=DejaVu Sans:14::15:40",
                                "speed=fast",      "il=22",
                                "max_str=3",       "click=yes",
                                "name_font=DejaVu Sans:12:bold:4:40", "name_x=20",
                                "name_y=580",      "extra=0"};
    ApplyTextDefaults(state);
}

bool StageTest::InkIn(int left, int top, int right, int bottom, uint32_t pixel) const {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (Pixel(x, y) != pixel) return true;
    return false;
}

std::vector<std::string> StageTest::StageText() const {
    std::vector<std::string> lines;
    for (const StageItem& item : state.stage.StageItems) lines.push_back(item.Format());
    return lines;
}

}  // namespace orvane::testing
