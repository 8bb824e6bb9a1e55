// The name-entry screen: keys type Russian capitals by the standard Russian layout, whatever the
// keyboard's own layout; Enter stores the name in its name variable.
#include "base/text.h"
#include "platform/keycodes.h"
#include "render/display.h"
#include "render/text_layout.h"
#include "render/text_renderer.h"
#include "shell/input_dispatch.h"

namespace orvane {
namespace {

constexpr size_t kMaxNameLength = 12;
// The text cells are drawn over an opaque background, as the canvas's default white.
constexpr uint32_t kCellBackground = 0xFFFFFF;

}  // namespace

char NameEntryLetter(int key) {
    // Windows-1251 capitals: А is 0xC0 and Я is 0xDF, in alphabetical order.
    static constexpr std::pair<int, unsigned char> kLetters[] = {
        {'A', 0xD4}, {'B', 0xC8}, {'C', 0xD1}, {'D', 0xC2}, {'E', 0xD3}, {'F', 0xC0},
        {'G', 0xCF}, {'H', 0xD0}, {'I', 0xD8}, {'J', 0xCE}, {'K', 0xCB}, {'L', 0xC4},
        {'M', 0xDC}, {'N', 0xD2}, {'O', 0xD9}, {'P', 0xC7}, {'Q', 0xC9}, {'R', 0xCA},
        {'S', 0xDB}, {'T', 0xC5}, {'U', 0xC3}, {'V', 0xCC}, {'W', 0xD6}, {'X', 0xD7},
        {'Y', 0xCD}, {'Z', 0xDF}, {vk::Oem1, 0xC6}, {vk::OemComma, 0xC1},
        {vk::OemPeriod, 0xDE}, {vk::Oem4, 0xD5}, {vk::Oem6, 0xDA}, {vk::Oem7, 0xDD},
    };
    for (const auto& [code, letter] : kLetters) {
        if (code == key) return static_cast<char>(letter);
    }
    return 0;
}

void InputDispatch::NameEntryKey(int key) {
    NameEntryState& entry = game_.nameEntry;
    Surface* back = game_.slots.Get(kSlotBackBuffer);
    if (!back) return;
    const FontSpec font = ToFontSpec({entry.font.face, entry.font.size, entry.font.style, 0});
    const uint32_t color = PaletteColor(entry.font.color);
    auto drawName = [&](std::string_view name) {
        int x = entry.originX;
        for (char c : name) {
            x += game_.fonts.DrawChar(*back, x, entry.originY, font, color, c, kCellBackground);
        }
    };
    back->MarkChanged();
    if (key == vk::Back && !entry.typed.empty()) {
        entry.penX -= game_.fonts.CharWidth(font, entry.typed.back());
        entry.typed.pop_back();
        // The trailing blanks wipe the removed letter and the caret.
        drawName(entry.typed + "     ");
    }
    if (entry.typed.size() < kMaxNameLength) {
        if (const char letter = NameEntryLetter(key)) {
            entry.typed += letter;
            entry.penX += game_.fonts.CharWidth(font, letter);
        }
        drawName(entry.typed);
        game_.fonts.DrawChar(*back, entry.penX, entry.originY, font, color, '|', kCellBackground);
    }
    if (key == vk::Return && !entry.typed.empty()) {
        game_.platform.SetTimerEnabled(TimerId::Timer4, false);
        const std::string prefix = entry.variable;
        for (std::string& line : game_.lists.NameList) {
            if (StartsWith(line, prefix)) {
                line = prefix + ":" + entry.typed;
                break;
            }
        }
        game_.ScreenMode = 1;
        interpreter_.RunScript();
        return;
    }
    if (key != vk::Return) Present(game_.slots, game_.platform);
}

}  // namespace orvane
