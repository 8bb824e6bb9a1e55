#include "platform/sdl_keymap.h"

#include <gtest/gtest.h>

#include "platform/keycodes.h"

namespace orvane {
namespace {

// SDL scancodes are USB HID keyboard usage ids; the tests spell those out, which keeps SDL out
// of them and checks the table against the standard rather than against itself.
struct KeyCase {
    int usage;
    int key;
    const char* name;
};

void ExpectKeys(std::initializer_list<KeyCase> cases) {
    for (const KeyCase& c : cases) {
        EXPECT_EQ(VirtualKeyFromScancode(c.usage), c.key) << c.name << " (usage " << c.usage << ")";
    }
}

TEST(SdlKeymap, LettersDigitsAndFunctionKeys) {
    ExpectKeys({{4, 'A', "A"},
                {16, 'M', "M"},
                {29, 'Z', "Z"},
                // The digit row runs 1..9 then 0.
                {30, '1', "1"},
                {38, '9', "9"},
                {39, '0', "0"},
                {58, vk::F1, "F1"},
                {59, vk::F2, "F2"},
                {68, vk::F11, "F11"},
                {69, 0x7B, "F12"}});
}

TEST(SdlKeymap, NavigationEditingAndModifiers) {
    ExpectKeys({{79, vk::Right, "Right"},
                {80, vk::Left, "Left"},
                {81, vk::Down, "Down"},
                {82, vk::Up, "Up"},
                {41, vk::Escape, "Escape"},
                {40, vk::Return, "Enter"},
                {88, vk::Return, "keypad Enter"},
                {42, vk::Back, "Backspace"},
                {43, vk::Tab, "Tab"},
                {78, vk::PageDown, "Page Down"},
                {44, vk::Space, "Space"},
                {76, vk::Delete, "Delete"},
                {225, vk::Shift, "left Shift"},
                {229, vk::Shift, "right Shift"},
                {224, vk::Control, "left Ctrl"},
                {228, vk::Control, "right Ctrl"}});
}

// A Russian layout types letters on these keys; the game must see the codes Windows gives them.
TEST(SdlKeymap, PunctuationKeysByTheirUsPosition) {
    ExpectKeys({{45, vk::OemMinus, "-"},
                {46, vk::OemPlus, "="},
                {47, vk::Oem4, "["},
                {48, vk::Oem6, "]"},
                {49, vk::Oem5, "\\"},
                {50, vk::Oem5, "ISO #"},
                {51, vk::Oem1, ";"},
                {52, vk::Oem7, "'"},
                {53, vk::Oem3, "`"},
                {54, vk::OemComma, ","},
                {55, vk::OemPeriod, "."},
                {56, vk::Oem2, "/"}});
}

TEST(SdlKeymap, KeysTheEngineDoesNotKnowAreZero) {
    ExpectKeys({{0, 0, "none"},
                {57, 0, "Caps Lock"},
                {73, 0, "Insert"},
                {89, 0, "keypad 1"},
                {104, 0, "F13"},
                {226, 0, "left Alt"},
                {3, 0, "unassigned"},
                {512, 0, "past the table"},
                {-1, 0, "negative"}});
}

}  // namespace
}  // namespace orvane
