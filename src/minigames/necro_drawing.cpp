// What the phone game draws: the phone, its display with the screens, menus and lettering.
#include <algorithm>
#include <string>

#include "base/log.h"
#include "base/text.h"
#include "minigames/necro_game.h"
#include "minigames/necro_keys.h"
#include "minigames/necro_script.h"
#include "render/blend.h"
#include "render/display.h"
#include "shell/shell.h"

namespace orvane {
namespace {

constexpr char kPhonePicture[] = "phone.bmp";
constexpr char kPressedPhonePicture[] = "phone_pressed.bmp";
constexpr char kMenuPicture[] = "main_menu_necro.bmp";
constexpr char kStripsPicture[] = "necro_if.bmp";
constexpr char kForegroundPicture[] = "foreground.bmp";
constexpr char kFirstTitlePicture[] = "title1.bmp";
constexpr char kSecondTitlePicture[] = "title2.bmp";

constexpr int kPhoneSlot = 12;
constexpr int kPressedPhoneSlot = 13;
constexpr int kSavedFrameSlot = 14;
constexpr int kMenuSlot = 15;
constexpr int kStripsSlot = 16;  // menu highlight strips, the display's lower panel, pause menu
constexpr int kTitleSlot = 17;
constexpr int kForegroundSlot = 20;
constexpr int kFirstSmallSlot = 17;
constexpr int kLastSmallSlot = 24;

constexpr int kPhoneWidth = 400;
constexpr int kPhoneHeight = 740;
constexpr int kSmallWidth = 196;
constexpr int kSmallHeight = 220;
constexpr int kMenuWidth = 176;
constexpr int kMenuHeight = 253;

// The phone's display in the frame.
constexpr Rect kDisplay{424, 161, 600, 381};
constexpr int kDisplayWidth = 176;
constexpr int kPictureAreaHeight = 170;  // above the lower panel, where screen pictures centre
constexpr Rect kForeground{0, 0, 176, 218};
constexpr Rect kLowerPanel{0, 51, 176, 104};
constexpr int kLowerPanelY = 327;
// Moves restore the frame below this row before lighting a key.
constexpr int kKeysTop = 386;
constexpr Rect kPhoneLowerPart{0, 382, kPhoneWidth, kPhoneHeight};

constexpr int kTitleMs = 2000;
constexpr Rect kFirstTitle{0, 0, 95, 108};
constexpr int kFirstTitleX = 464;
constexpr int kFirstTitleY = 233;

struct Strip {
    Rect from;
    int x, y;
};
constexpr Strip kMenuStrips[] = {
    {{0, 0, 101, 10}, 460, 259},  {{0, 10, 101, 20}, 460, 274}, {{0, 20, 100, 30}, 460, 290},
    {{0, 30, 100, 40}, 460, 305}, {{0, 40, 100, 50}, 459, 320},
};
constexpr Strip kPausePanel{{0, 104, 128, 145}, 451, 215};

constexpr int kTextX = 440;
constexpr int kTextY = 321;
constexpr int kTextLineStep = 15;
constexpr int kOptionY[] = {323, 337, 350};

struct Words {
    std::string leave, goBack;
    struct Line {
        std::string text;
        int x, y;
    };
    std::vector<Line> help;
};

std::string Cp1251(std::string_view utf8) {
    return Utf8ToCp1251(utf8).value_or(std::string());
}

// Each ends in the character that the lettering leaves off.
const Words& PhoneWords() {
    static const Words words{
        Cp1251("выход "),
        Cp1251("вернуться "),
        {
            {Cp1251("Кнопки 'вниз' или 'выбор' "), 440, 234},
            {Cp1251("проматывают текст. "), 463, 244},
            {Cp1251("Для вкл/выкл звука "), 461, 254},
            {Cp1251("нажмите 'вправо' "), 466, 264},
            {Cp1251("Для определения дальнейших "), 437, 274},
            {Cp1251("действий нажмите 'выбор'. "), 445, 284},
        },
    };
    return words;
}

// Draws `from` of `source` at (x, y) cut to the display, so that a screen picture of another
// size never spills onto the phone around it.
void DrawOnDisplay(Surface& back, const Surface& source, Rect from, int x, int y, bool blend) {
    if (x < kDisplay.left) {
        from.left += kDisplay.left - x;
        x = kDisplay.left;
    }
    if (y < kDisplay.top) {
        from.top += kDisplay.top - y;
        y = kDisplay.top;
    }
    from.right = std::min({from.right, from.left + (kDisplay.right - x), source.width});
    from.bottom = std::min({from.bottom, from.top + (kDisplay.bottom - y), source.height});
    if (from.right <= from.left || from.bottom <= from.top) return;
    if (blend) {
        BlendBlit(back, source, x, y, &from, 255);
    } else {
        CopyRect(back, x, y, source, &from);
    }
}

}  // namespace

FixedPictures NecroPictures() {
    FixedPictures pictures = {{kPhonePicture, PictureNeed::Required},
                              {kPressedPhonePicture, PictureNeed::Required},
                              {kMenuPicture, PictureNeed::Required},
                              {kStripsPicture, PictureNeed::Required}};
    for (const char* font : kNecroFontFiles) pictures.push_back({font, PictureNeed::Required});
    // The titles only open the game, and the foreground only frames it.
    for (const char* name : {kForegroundPicture, kFirstTitlePicture, kSecondTitlePicture}) {
        pictures.push_back({name, PictureNeed::Optional});
    }
    return pictures;
}

bool NecroGame::LoadInto(int slot, std::string_view name) {
    GameState& game = shell_.game;
    Surface* surface = game.slots.Get(slot);
    if (!surface) return false;
    game.pictures.LoadPicture(*surface, name);
    if (!game.pictures.LastPictureFound) {
        surface->Fill(MakePixel(0, 0, 0));
        LogError("the phone's picture \"" + Cp1251ToUtf8(name) +
                 "\" is missing or damaged; its place stays black");
    }
    surface->MarkChanged();
    return game.pictures.LastPictureFound;
}

NecroGame::Placed NecroGame::LoadScreenPicture(int slot, std::string_view name, bool clampTop) {
    Placed placed;
    if (LoadInto(slot, name)) {
        placed.width = shell_.game.pictures.LastPictureWidth;
        placed.height = shell_.game.pictures.LastPictureHeight;
    }
    placed.x = (kDisplayWidth - placed.width) / 2;
    placed.y = (kPictureAreaHeight - placed.height) / 2;
    if (clampTop) placed.y = std::max(placed.y, 0);
    return placed;
}

void NecroGame::ShowTitles() {
    GameState& game = shell_.game;
    MediaSlots& slots = game.slots;
    slots.Create(kPhoneSlot, kPhoneWidth, kPhoneHeight);
    slots.Create(kPressedPhoneSlot, kPhoneWidth, kPhoneHeight);
    slots.Create(kMenuSlot, kMenuWidth, kMenuHeight);
    slots.Create(kStripsSlot, kMenuWidth, kMenuHeight);
    LoadInto(kPhoneSlot, kPhonePicture);
    LoadInto(kPressedPhoneSlot, kPressedPhonePicture);
    LoadInto(kMenuSlot, kMenuPicture);
    LoadInto(kStripsSlot, kStripsPicture);
    slots.Create(kSavedFrameSlot, 1024, 768);
    Surface* back = slots.Get(kSlotBackBuffer);
    if (back) {
        const Rect phone{0, 0, kPhoneWidth, kPhoneHeight};
        BlendBlit(*back, *slots.Get(kPhoneSlot), kPhoneX, kPhoneY, &phone, 255);
    }

    for (int slot = kFirstSmallSlot; slot <= kLastSmallSlot; ++slot) {
        slots.Create(slot, kSmallWidth, kSmallHeight);
    }
    // The fonts keep their own width: the glyphs are found in the whole picture.
    for (size_t font = 0; font < std::size(kNecroFontFiles); ++font) {
        Image picture = game.pictures.Take(kNecroFontFiles[font]);
        std::string error;
        Surface* surface =
            game.pictures.LastPictureFound
                ? slots.CreateFromPicture(kNecroFontSlots[font], std::move(picture), error)
                : nullptr;
        if (!surface) {
            LogError(std::string("the phone's font \"") + kNecroFontFiles[font] +
                     "\" is missing or damaged; its letters are not drawn" +
                     (error.empty() ? "" : ": " + error));
            continue;
        }
        surface->IndexTransparentSpans();
    }
    fonts_.Measure(slots);
    LoadInto(kForegroundSlot, kForegroundPicture);
    LoadInto(kTitleSlot, kFirstTitlePicture);

    if (back) CopyRect(*back, kFirstTitleX, kFirstTitleY, *slots.Get(kTitleSlot), &kFirstTitle);
    Show();
    game.platform.Sleep(kTitleMs);
    LoadInto(kTitleSlot, kSecondTitlePicture);
    const Rect secondTitle{0, 0, kDisplayWidth, kSmallHeight};
    if (back) CopyRect(*back, kDisplay.left, kDisplay.top, *slots.Get(kTitleSlot), &secondTitle);
    Show();
    game.platform.Sleep(kTitleMs);
    if (back) CopyRect(*slots.Get(kSavedFrameSlot), 0, 0, *back);
}

void NecroGame::DrawMainMenu() {
    MediaSlots& slots = shell_.game.slots;
    Surface* back = slots.Get(kSlotBackBuffer);
    const Surface* menu = slots.Get(kMenuSlot);
    const Surface* strips = slots.Get(kStripsSlot);
    if (!back || !menu || !strips) return;
    // The whole menu first: the strip of the item that was lit goes with it.
    const Rect whole{0, 0, kDisplayWidth, kSmallHeight};
    CopyRect(*back, kDisplay.left, kDisplay.top, *menu, &whole);
    const Strip& strip = kMenuStrips[std::clamp(NecroMenuItem, 1, kMenuItems) - 1];
    CopyRect(*back, strip.x, strip.y, *strips, &strip.from);
}

void NecroGame::DrawHelp() {
    MediaSlots& slots = shell_.game.slots;
    Surface* back = slots.Get(kSlotBackBuffer);
    const Surface* black = slots.Get(kSlotBlack);
    if (!back) return;
    if (black)
        DrawOnDisplay(*back, *black, {0, 0, kDisplayWidth, kSmallHeight}, kDisplay.left,
                      kDisplay.top, false);
    for (const Words::Line& line : PhoneWords().help)
        Text(line.text, line.x, line.y, NecroStyle::Plain);
}

void NecroGame::DrawDisplay() {
    MediaSlots& slots = shell_.game.slots;
    Surface* back = slots.Get(kSlotBackBuffer);
    if (!back) return;
    if (const Surface* black = slots.Get(kSlotBlack)) {
        DrawOnDisplay(*back, *black, {0, 0, kDisplayWidth, kSmallHeight}, kDisplay.left,
                      kDisplay.top, false);
    }
    if (const Surface* first = slots.Get(kFirstPictureSlot)) {
        DrawOnDisplay(*back, *first, {0, 0, first_.width, first_.height}, kDisplay.left + first_.x,
                      kDisplay.top + first_.y, false);
    }
    const Surface* second = slots.Get(kSecondPictureSlot);
    if (hasSecond_ && second) {
        DrawOnDisplay(*back, *second, {0, 0, second_.width, second_.height},
                      kDisplay.left + second_.x, kDisplay.top + second_.y, true);
    }
    if (const Surface* foreground = slots.Get(kForegroundSlot)) {
        DrawOnDisplay(*back, *foreground, kForeground, kDisplay.left, kDisplay.top, true);
    }
    if (const Surface* strips = slots.Get(kStripsSlot)) {
        DrawOnDisplay(*back, *strips, kLowerPanel, kDisplay.left, kLowerPanelY, true);
    }
}

void NecroGame::DrawOptions() {
    for (int i = 0; i < optionCount(); ++i) {
        const std::string& option = NecroOptions[static_cast<size_t>(i)];
        Text(std::string(NecroChoiceText(option)) + " ", kTextX, kOptionY[i],
             i + 1 == NecroOption ? NecroStyle::Highlighted : NecroStyle::Plain);
    }
}

void NecroGame::DrawTypedLine(std::string_view line, int lineNumber, size_t firstToDraw) {
    MediaSlots& slots = shell_.game.slots;
    if (Surface* back = slots.Get(kSlotBackBuffer)) {
        fonts_.Draw(*back, slots, line, kTextX, kTextY + kTextLineStep * (lineNumber - 1),
                    NecroStyle::Plain, firstToDraw);
    }
}

void NecroGame::OpenPauseMenu() {
    MediaSlots& slots = shell_.game.slots;
    Surface* back = slots.Get(kSlotBackBuffer);
    Surface* saved = slots.Get(kSavedFrameSlot);
    const Surface* phone = slots.Get(kPhoneSlot);
    // The key that opened the menu goes out, so that the frame kept for later shows none lit.
    if (back && phone)
        BlendBlit(*back, *phone, kPhoneX, kPhoneLowerPart.top, &kPhoneLowerPart, 255);
    if (back && saved) CopyRect(*saved, 0, 0, *back);
    NecroState = kPauseMenu;
    NecroOption = 2;
    DrawPauseMenu();
    Show();
}

void NecroGame::DrawPauseMenu() {
    MediaSlots& slots = shell_.game.slots;
    Surface* back = slots.Get(kSlotBackBuffer);
    const Surface* strips = slots.Get(kStripsSlot);
    if (back && strips) CopyRect(*back, kPausePanel.x, kPausePanel.y, *strips, &kPausePanel.from);
    const Words& words = PhoneWords();
    Text(words.goBack, 510, 219, NecroOption == 2 ? NecroStyle::Highlighted : NecroStyle::Plain);
    Text(words.leave, 470, 219, NecroOption == 1 ? NecroStyle::Highlighted : NecroStyle::Plain);
}

void NecroGame::RestoreSavedFrame() {
    MediaSlots& slots = shell_.game.slots;
    Surface* back = slots.Get(kSlotBackBuffer);
    const Surface* saved = slots.Get(kSavedFrameSlot);
    if (back && saved) CopyRect(*back, 0, 0, *saved);
}

void NecroGame::LightKey() {
    MediaSlots& slots = shell_.game.slots;
    Surface* back = slots.Get(kSlotBackBuffer);
    const Surface* saved = slots.Get(kSavedFrameSlot);
    const Surface* pressed = slots.Get(kPressedPhoneSlot);
    if (!back || !saved || !pressed) return;
    const Rect below{0, kKeysTop, back->width, back->height};
    CopyRect(*back, 0, kKeysTop, *saved, &below);
    if (NecroKey != kNecroNoKey) {
        CopyRect(*back, kPhoneX + litArea_.left, kPhoneY + litArea_.top, *pressed, &litArea_);
    }
}

void NecroGame::Text(std::string_view text, int x, int y, NecroStyle style) {
    MediaSlots& slots = shell_.game.slots;
    if (Surface* back = slots.Get(kSlotBackBuffer)) fonts_.Draw(*back, slots, text, x, y, style);
}

void NecroGame::Show() {
    Present(shell_.game.slots, shell_.game.platform);
}

}  // namespace orvane
