// The phone display's own pictures: the main menu, the strip picture the engine cuts the menu's
// highlights, the text panel and the pause panel from, the frame laid over every screen, the two
// titles shown at the start, and the empty picture that stands for "no second picture".
//
// The engine copies the main menu's highlight for item 1..5 from rows 0..9, 10..19, .., 40..49
// of the strip picture, 101 or 100 columns wide, to display (36, 98), (36, 113), (36, 129),
// (36, 144) and (35, 159); the text panel from rows 51..103 to display row 166; the pause panel
// from (0, 104)-(128, 145) to display (27, 54), and writes its two words on the panel's row 4.
#include <array>
#include <cmath>
#include <string_view>

#include "phone_display.h"
#include "phone_scenery.h"
#include "pictures.h"
#include "sprite.h"

namespace orvane::demo {
namespace {

constexpr int kMenuPictureHeight = 253;
constexpr int kStripWidth = 101;
constexpr int kStripHeight = 10;
constexpr int kItemRows[5] = {98, 113, 129, 144, 159};
constexpr int kItemColumns[5] = {36, 36, 36, 36, 35};
constexpr int kStripPanelTop = 51;
constexpr int kStripPanelHeight = 53;
constexpr int kPauseTop = 104;
constexpr int kPauseWidth = 128;
constexpr int kPauseHeight = 41;

// Words without letters that reach below the line, so that a highlight 10 rows high covers each
// whole: start, score, themes, tips, quit.
constexpr std::array<std::string_view, 5> kMenuItems = {"Начать", "Счёт", "Темы", "Советы",
                                                        "Выйти"};
// Where every item's word starts on the display; the last highlight starts a column further
// left than the others.
constexpr int kWordColumn = 41;

constexpr Rgb kNight = Hex(0x0B1430);
constexpr Rgb kStripFill = Hex(0xFFE15A);
constexpr Rgb kStripWord = Hex(0x1A1400);
constexpr Rgb kDim = Hex(0x5A6478);

// The top of an item's line of text: the capitals' tops sit on the highlight's first row.
int ItemTop(int row) {
    const PixelFont& font = PhoneLettering();
    return row - (font.ascent() - 7);
}

}  // namespace

Image DrawPhoneMenu() {
    Canvas c(kDisplayWidth, kMenuPictureHeight, kPhoneDark);
    static constexpr GradientStop kSky[] = {{0, Hex(0x050814)}, {0.35f, kNight}, {0.36f, kNight}};
    c.VerticalGradient(kSky);
    for (int y = 92; y < kMenuPictureHeight; ++y) {
        for (int x = 0; x < kDisplayWidth; ++x) c.Blend(x, y, kPhoneDark, 1);
    }
    DrawStars(c, 25, 70, 0x5EA5);
    DrawLighthouse(c, 150, 88, 70, true);
    c.FillBelow([](float x) { return 84 - 4 * std::sin(x / 30); }, Hex(0x11182A), Hex(0x0A0E18),
                10);
    const PixelFont& font = PhoneLettering();
    WriteOn(c, font, "Ночь на маяке", 8, 14, kPhoneInkLit);
    WriteOn(c, font, "меню", 8, 30, kDim);
    for (size_t i = 0; i < kMenuItems.size(); ++i) {
        WriteOn(c, font, kMenuItems[i], kWordColumn, ItemTop(kItemRows[i]), kPhoneInk);
    }
    // A thin rule under the last item, and the soft keys' hint.
    for (int x = 8; x < kDisplayWidth - 8; ++x) c.Blend(x, 176, kDim, 0.6f);
    WriteCentred(c, font, "выбор: 5", kDisplayWidth / 2.0f, 184, kDim);
    return c.ToImage();
}

Image DrawPhoneStrips() {
    Canvas c(kDisplayWidth, kMenuPictureHeight, kPhoneDark);
    const PixelFont& font = PhoneLettering();
    // The highlights, each the item's word dark on a lit bar, where the menu has it.
    for (size_t i = 0; i < kMenuItems.size(); ++i) {
        const int top = static_cast<int>(i) * kStripHeight;
        const int width = i < 2 ? kStripWidth : kStripWidth - 1;
        c.Fill(RoundRect(0, static_cast<float>(top), static_cast<float>(width),
                         static_cast<float>(top + kStripHeight), 2),
               kStripFill);
        // The same place as the menu's word, counted from where the highlight is drawn.
        const int wordTop = ItemTop(kItemRows[i]) - kItemRows[i] + top;
        WriteOn(c, font, kMenuItems[i], kWordColumn - kItemColumns[i], wordTop, kStripWord);
    }
    // The text panel: plain black where the text goes, a rule and a "go on" mark at its foot.
    const int panelFoot = kStripPanelTop + kStripPanelHeight;
    for (int x = 6; x < kDisplayWidth - 6; ++x) c.Blend(x, panelFoot - 13, kDim, 0.7f);
    const float cx = kDisplayWidth / 2.0f;
    c.Fill(
        Polygon({{cx - 4, panelFoot - 9.0f}, {cx + 4, panelFoot - 9.0f}, {cx, panelFoot - 4.0f}}),
        kPhoneInk);
    // The pause panel: a dark box with a lit edge; the engine writes its two words on row 4,
    // and a pause sign stands below them.
    const Shape box =
        RoundRect(0.5f, kPauseTop + 0.5f, kPauseWidth - 0.5f, kPauseTop + kPauseHeight - 0.5f, 4);
    c.Fill(box, Hex(0x101830));
    c.Fill(Subtract(box, Grow(box, -1.2f)), kStripFill, 0.9f);
    const float py = kPauseTop + 28;
    c.Fill(RoundRect(kPauseWidth / 2.0f - 6, py - 5, kPauseWidth / 2.0f - 2, py + 5, 1), kDim);
    c.Fill(RoundRect(kPauseWidth / 2.0f + 2, py - 5, kPauseWidth / 2.0f + 6, py + 5, 1), kDim);
    return c.ToImage();
}

// Over every screen: the status bar (the signal and the battery) above the picture, and the rows
// between the picture and the text panel dark, so that the first line of text, typed from row
// 160, stands clear of the picture.
Image DrawPhoneForeground() {
    constexpr int kHeight = 218;
    Sprite s(kDisplayWidth, kHeight);
    const Rgb icon = Hex(0xC8D0DC);
    for (int i = 0; i < 4; ++i) {
        const float x = 3.0f + i * 4;
        s.Fill(RoundRect(x, 8.0f - 2 * i, x + 3, 9, 0.5f), icon);
    }
    s.Fill(RoundRect(151, 2, 169, 9, 1), icon);
    s.Fill(RoundRect(152.5f, 3.5f, 167.5f, 7.5f, 0.5f), Hex(0x000000));
    s.Fill(RoundRect(154, 4.5f, 166, 6.5f, 0.5f), Hex(0x6CE08A));
    s.Fill(RoundRect(169, 4, 171, 7, 0.5f), icon);
    // The dark band under the picture, kept a pixel clear of the display's sides and foot.
    const float band = kScenePictureTop + kScenePictureHeight;
    s.Fill(RoundRect(1, band, kDisplayWidth - 1, kHeight - 1, 0), Hex(0x000000));
    s.Fill(RoundRect(1, band - 3, kDisplayWidth - 1, band, 0), Hex(0x000000), 0.5f);
    return s.ToImage();
}

// The maker's sign, shown first: a candle in the dark and the name of the little studio.
Image DrawPhoneTitleMaker() {
    Canvas c(95, 108, kPhoneDark);
    c.Glow(47, 36, 40, Hex(0xFFB050), 0.35f);
    c.Fill(RoundRect(40, 42, 55, 78, 2), [](float x, float) {
        return Shade(Hex(0xF1E6CC), 0.1f - 0.4f * std::abs(x - 47.5f) / 8);
    });
    c.Fill(Capsule({47.5f, 42}, {47.5f, 37}, 0.6f), Hex(0x302820));
    c.Fill(Capsule({47.5f, 36}, {47.5f, 24}, 3.2f, 0.4f), Hex(0xFFC860));
    c.Fill(Capsule({47.5f, 35}, {47.5f, 29}, 1.4f, 0.3f), Hex(0xFFF6D8));
    c.Fill(RoundRect(34, 77, 61, 81, 1.5f), Hex(0x8A6A48));
    WriteCentred(c, LargeLettering(13), "СВЕЧА", 47.5f, 84, Hex(0xFFD890));
    WriteCentred(c, PhoneLettering(), "игры", 47.5f, 97, kDim);
    return c.ToImage();
}

// The game's title: the lighthouse under the stars, its beam over the sea.
Image DrawPhoneTitleGame() {
    Canvas c(kDisplayWidth, kDisplayHeight);
    static constexpr GradientStop kSky[] = {
        {0, Hex(0x02040C)}, {0.5f, Hex(0x0B1636)}, {0.62f, Hex(0x1B2A55)}};
    c.VerticalGradient(kSky);
    DrawStars(c, 40, 120, 0x717E);
    // The sea below the horizon, with the beam's path on it.
    c.FillBelow([](float) { return 150.0f; }, Hex(0x0E1C3A), Hex(0x04070F), 70);
    c.Fill(Polygon({{120, 112}, {0, 82}, {0, 120}}), kLampLight, 0.25f, 3);
    c.Fill(Polygon({{120, 150}, {60, 220}, {110, 220}}), kLampLight, 0.12f, 6);
    c.FillBelow([](float x) { return x < 96 ? 240.0f : 150 - (x - 96) * 0.5f; }, Hex(0x161A24),
                Hex(0x06080C), 30);
    DrawLighthouse(c, 128, 135, 64, true);
    WriteCentred(c, LargeLettering(15), "НОЧЬ", kDisplayWidth / 2.0f, 14, kLampLight);
    WriteCentred(c, LargeLettering(15), "НА МАЯКЕ", kDisplayWidth / 2.0f, 32, kLampLight);
    WriteCentred(c, PhoneLettering(), "страшная история", kDisplayWidth / 2.0f, 200, kDim);
    return c.ToImage();
}

Image DrawPhoneNoPicture() {
    return SolidImage(1, 1, MakePixel(0, 0, 0));
}

}  // namespace orvane::demo
