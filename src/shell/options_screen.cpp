#include "shell/options_screen.h"

#include "base/log.h"
#include "render/display.h"
#include "shell/shell.h"

namespace orvane {
namespace {

// The bars: ten boxes each, box k at x = 87 + 24k, hit between 83 + 24k and 107 + 24k.
constexpr int kBoxes = 10;
constexpr int kSoundBarY = 384;
constexpr int kMusicBarY = 489;
constexpr int kBackItem = 30;
constexpr int kMusicBoxItem = 20;
constexpr int kMarkerX = 60;
constexpr int kBackMarkerY = 595;
// An item marker the screen no longer has, erased like the other.
constexpr int kOldMarkerY = 278;
// The in-game menu's copy of the game screen.
constexpr int kSlotGameScreen = 13;

int BoxX(int k) {
    return 87 + 24 * k;
}
// The box whose hit range holds `x`, or -1 (the ranges meet, so only their borders miss).
int BoxAt(int x) {
    for (int k = 0; k < kBoxes; ++k) {
        if (83 + 24 * k < x && x < 107 + 24 * k) return k;
    }
    return -1;
}

// Boxes 0..level in red; with `eraseRest` the others up to the tenth take the frame's own
// top-left corner, which is the background of the picture.
void DrawBar(MediaSlots& slots, int level, int y, bool eraseRest) {
    Surface* back = slots.Get(kSlotBackBuffer);
    const Surface* red = slots.Get(kSlotRedBox);
    if (!back) return;
    const Rect box{0, 0, 18, 18};
    for (int k = 0; k < kBoxes; ++k) {
        if (k <= level) {
            if (red) CopyRect(*back, BoxX(k), y, *red, &box);
        } else if (eraseRest) {
            CopyRect(*back, BoxX(k), y, *back, &box);
        }
    }
}

}  // namespace

FixedPictures OptionsPictures() {
    return {{kOptionsPicture, PictureNeed::Required}};
}

void OptionsScreen::Open(bool fromGame) {
    GameState& game = shell_.game;
    Surface* back = game.slots.Get(kSlotBackBuffer);
    if (back) game.pictures.LoadPicture(*back, kOptionsPicture);
    DrawBar(game.slots, game.SoundVolume, kSoundBarY, false);
    DrawBar(game.slots, game.MusicVolume, kMusicBarY, false);
    Present(game.slots, game.platform);
    game.ScreenMode = 20;
    game.MenuHoverItem = 0;
    OptionsFromGame = fromGame;
}

void OptionsScreen::Hover(int x, int y) {
    GameState& game = shell_.game;
    Surface* back = game.slots.Get(kSlotBackBuffer);
    if (!back) return;
    game.MenuHoverItem = 0;
    const Rect marker{0, 0, 19, 19};
    CopyRect(*back, kMarkerX, kOldMarkerY, *back, &marker);
    CopyRect(*back, kMarkerX, kBackMarkerY, *back, &marker);
    if (83 < x && x < 323 && 490 <= y && y <= 510) {
        if (const int k = BoxAt(x); k >= 0) game.MenuHoverItem = kMusicBoxItem + k;
        return;
    }
    if (82 < x && x <= 323 && 382 < y && y <= 410) return;
    if (80 < x && x < 205 && 600 < y && y < 615) {
        game.MenuHoverItem = kBackItem;
        if (const Surface* red = game.slots.Get(kSlotRedBox)) {
            CopyRect(*back, kMarkerX, kBackMarkerY, *red, &marker);
        }
    }
    Present(game.slots, game.platform);
}

void OptionsScreen::Click(int x, int y) {
    GameState& game = shell_.game;
    if (84 <= x && x <= 322 && 490 <= y && y <= 510) {
        ClickBar(game.MusicVolume, x, kMusicBarY);
        shell_.sound.ApplyMusicLevel(game.MusicVolume);
        SaveSettings();
    } else if (82 < x && x <= 323 && 382 < y && y <= 410) {
        ClickBar(game.SoundVolume, x, kSoundBarY);
        shell_.sound.SetWaveVolume(game.SoundVolume);
        SaveSettings();
    } else if (game.MenuHoverItem == kBackItem) {
        Back();
    }
}

void OptionsScreen::ClickBar(int& level, int x, int y) {
    GameState& game = shell_.game;
    const int k = BoxAt(x);
    if (k >= 0) {
        // The first box of a bar that shows only it switches the sound off, and on again.
        level = k == 0 && level == 0 ? -1 : k;
    }
    DrawBar(game.slots, level, y, true);
    Present(game.slots, game.platform);
}

void OptionsScreen::Back() {
    GameState& game = shell_.game;
    Present(game.slots, game.platform);
    if (OptionsFromGame) {
        Surface* back = game.slots.Get(kSlotBackBuffer);
        const Surface* kept = game.slots.Get(kSlotGameScreen);
        if (back && kept) CopyRect(*back, 0, 0, *kept);
        Present(game.slots, game.platform);
        game.ScreenMode = 1;
        OptionsFromGame = false;
        return;
    }
    game.ScreenMode = 2;
    shell_.GoToMainMenu();
}

PlayerSettings OptionsScreen::Current() const {
    const GameState& game = shell_.game;
    return PlayerSettings{game.SoundVolume, game.MusicVolume, game.platform.Fullscreen()};
}

void OptionsScreen::UseSettingsFile(std::optional<std::filesystem::path> file) {
    GameState& game = shell_.game;
    settingsFile_ = std::move(file);
    kept_ = Current();
    if (settingsFile_) kept_ = ReadPlayerSettings(*settingsFile_, kept_);
    game.SoundVolume = kept_.soundVolume;
    game.MusicVolume = kept_.musicVolume;
    shell_.sound.SetWaveVolume(game.SoundVolume);
    game.platform.SetFullscreen(kept_.fullscreen);
}

void OptionsScreen::SaveSettings() {
    const PlayerSettings now = Current();
    if (!settingsFile_ || now == kept_) return;
    std::string error;
    if (!WritePlayerSettings(*settingsFile_, now, error)) {
        LogError("the settings are not kept: " + error);
        return;
    }
    kept_ = now;
}

}  // namespace orvane
