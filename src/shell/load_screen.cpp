#include "shell/load_screen.h"

#include <filesystem>
#include <system_error>

#include "base/log.h"
#include "base/text.h"
#include "render/display.h"
#include "render/step_pacer.h"
#include "shell/carousel_controls.h"
#include "shell/save_game.h"
#include "shell/shell.h"

namespace orvane {
namespace {

constexpr int kCarouselMode = 21;
constexpr int kActionBarMode = 22;

constexpr int kBack = kCarouselBack;      // also cancel on the action bar
constexpr int kCentre = kCarouselCentre;  // also load on the action bar
constexpr int kPrevious = kCarouselPrevious;
constexpr int kNext = kCarouselNext;
constexpr int kDelete = 5;

// The controls under the carousel, tested in this order.
constexpr CarouselControl kControls[] = {
    kCentrePictureControl, kStripControls[0], kStripControls[1], kStripControls[2]};

// The action bar: plain, and with one of its buttons lit.
struct BarButton {
    int button;
    ScreenArea area;
    Rect lit;
};
constexpr BarButton kBarButtons[] = {
    {kCentre, {312, 660, 411, 676}, {0, 228, 402, 248}},
    {kBack, {487, 660, 543, 676}, {0, 251, 402, 271}},
    {kDelete, {632, 660, 713, 676}, {0, 274, 402, 294}},
};
constexpr Rect kPlainBar{0, 205, 402, 225};
constexpr int kBarX = 311;
constexpr int kBarY = 657;

constexpr int kControlsWidth = 402;
constexpr int kControlsHeight = 302;
constexpr int kFrameWidth = 402;
constexpr int kFrameHeight = 303;

// The label of the centre save: its name up to the first ".", in the plain font a window draws
// with when nobody chose one (the system's default face).
constexpr int kLabelX = 450;
constexpr int kLabelY = 615;
const FontSpec kLabelFont{"", 12, /*bold=*/true};
constexpr uint32_t kLabelColour = 0x000000;

const SaveFile& SaveAt(const std::vector<SaveFile>& saves, int position) {
    return saves[static_cast<size_t>(SaveIndexOf(position, static_cast<int>(saves.size())))];
}

// A damaged save shows black in place of its picture.
void ReadThumbnail(const SaveFile& save, Surface& thumbnail) {
    std::string error;
    if (!ReadSaveThumbnail(save.path, thumbnail, error)) LogError(error);
}

constexpr char kLoadBackground[] = "load.jpg";
constexpr char kThumbnailFrame[] = "load_ramka.bmp";

}  // namespace

FixedPictures LoadScreenPictures() {
    return {{kLoadBackground, PictureNeed::Required},
            {kThumbnailFrame, PictureNeed::Optional},
            {kCarouselControlsPicture, PictureNeed::Required}};
}

void LoadScreen::Open() {
    if (!shell_.HasSaveGames()) return;
    GameState& game = shell_.game;
    // The game screen that the thumbnail showed is gone; a later save takes its own.
    game.thumbnailBmp.clear();
    background_ = Surface(1024, 768);
    frame_ = Surface(kFrameWidth, kFrameHeight);
    controls_ = Surface(kControlsWidth, kControlsHeight);
    game.pictures.LoadPicture(background_, kLoadBackground);
    game.pictures.LoadPicture(frame_, kThumbnailFrame);
    game.pictures.LoadPicture(controls_, kCarouselControlsPicture);
    frame_.IndexTransparentSpans();
    carousel = CarouselPositions::Start(static_cast<int>(shell_.SaveGames.size()));
    // A click before the pointer has moved over a control does nothing.
    LoadHoverButton = 0;
    ShowLoadScreen();
    game.MenuHoverItem = 0;
    game.ScreenMode = kCarouselMode;
}

void LoadScreen::ShowLoadScreen(int litControl) {
    GameState& game = shell_.game;
    const std::vector<SaveFile>& saves = shell_.SaveGames;
    Surface* back = game.slots.Get(kSlotBackBuffer);
    if (!back || saves.empty()) return;
    LeftSave = SaveAt(saves, carousel.left);
    SelectedSave = SaveAt(saves, carousel.centre);
    RightSave = SaveAt(saves, carousel.right);
    // With one or two saves a picture stands twice; it is read once.
    ReadThumbnail(LeftSave, thumbnails_[0]);
    if (SelectedSave.path == LeftSave.path) {
        thumbnails_[1] = thumbnails_[0];
    } else {
        ReadThumbnail(SelectedSave, thumbnails_[1]);
    }
    if (RightSave.path == LeftSave.path) {
        thumbnails_[2] = thumbnails_[0];
    } else if (RightSave.path == SelectedSave.path) {
        thumbnails_[2] = thumbnails_[1];
    } else {
        ReadThumbnail(RightSave, thumbnails_[2]);
    }
    const Surface* shown[3] = {&thumbnails_[0], &thumbnails_[1], &thumbnails_[2]};
    DrawCarouselAtRest(*back, background_, frame_, shown);
    if (litControl != 0) DrawControls(litControl);
    DrawSaveLabel();
    barLit_ = false;
    Present(game.slots, game.platform);
}

void LoadScreen::DrawSaveLabel() {
    GameState& game = shell_.game;
    Surface* back = game.slots.Get(kSlotBackBuffer);
    if (!back) return;
    const std::string& name = SelectedSave.name;
    const std::string_view label = std::string_view(name).substr(0, name.find('.'));
    int x = kLabelX;
    for (const char c : label) {
        x += game.fonts.DrawChar(*back, x, kLabelY, kLabelFont, kLabelColour, c);
    }
    back->MarkChanged();
}

void LoadScreen::DrawControls(int lit) {
    if (Surface* back = shell_.game.slots.Get(kSlotBackBuffer)) {
        DrawCarouselControls(*back, controls_, kControls, lit);
    }
}

void LoadScreen::CarouselHover(int x, int y) {
    GameState& game = shell_.game;
    LoadHoverButton = CarouselControlAt(kControls, x, y);
    DrawControls(LoadHoverButton);
    Present(game.slots, game.platform);
}

void LoadScreen::CarouselClick() {
    GameState& game = shell_.game;
    switch (LoadHoverButton) {
        case kCentre:
            if (!shell_.HasSaveGames()) return;
            if (Surface* back = game.slots.Get(kSlotBackBuffer)) {
                CopyRect(*back, kBarX, kBarY, controls_, &kPlainBar);
            }
            barLit_ = false;
            Present(game.slots, game.platform);
            game.ScreenMode = kActionBarMode;
            return;
        case kPrevious:
        case kNext:
            if (!shell_.HasSaveGames()) return;
            shell_.input.LockClicks();
            return Turn(LoadHoverButton == kNext);
        case kBack:
            return BackToMainMenu();
        default:
            // The delete button is on the action bar only: nothing here deletes.
            return;
    }
}

bool LoadScreen::ActionBarHover(int x, int y) {
    GameState& game = shell_.game;
    Surface* back = game.slots.Get(kSlotBackBuffer);
    if (!back) return false;
    CopyRect(*back, kBarX, kBarY, controls_, &kPlainBar);
    LoadHoverButton = 0;
    for (const BarButton& button : kBarButtons) {
        if (!button.area.Contains(x, y)) continue;
        LoadHoverButton = button.button;
        CopyRect(*back, kBarX, kBarY, controls_, &button.lit);
        barLit_ = true;
        Present(game.slots, game.platform);
        return true;
    }
    // Off the buttons the bar is plain again on the screen too, not only in the frame.
    if (barLit_) Present(game.slots, game.platform);
    barLit_ = false;
    return false;
}

void LoadScreen::ActionBarClick(int x, int y) {
    GameState& game = shell_.game;
    switch (LoadHoverButton) {
        case kCentre:
            return LoadSelected();
        case kBack:
            carousel = CarouselPositions::Start(static_cast<int>(shell_.SaveGames.size()));
            ShowLoadScreen();
            game.ScreenMode = kCarouselMode;
            return;
        case kDelete:
            // Only a click that the player aims at the button deletes.
            if (kBarButtons[2].area.Contains(x, y)) DeleteSelected();
            return;
        default:
            return;
    }
}

void LoadScreen::Turn(bool forward) {
    GameState& game = shell_.game;
    const std::vector<SaveFile>& saves = shell_.SaveGames;
    Surface* back = game.slots.Get(kSlotBackBuffer);
    if (!back) return;
    const int count = static_cast<int>(saves.size());
    const CarouselPositions next = carousel.Turned(count, forward);
    // The save that comes into view from the side the carousel turns away from.
    Surface incoming;
    ReadThumbnail(SaveAt(saves, forward ? next.right : next.left), incoming);
    const Surface* order[4];
    if (forward) {
        order[0] = &thumbnails_[0], order[1] = &thumbnails_[1], order[2] = &thumbnails_[2];
        order[3] = &incoming;
    } else {
        order[0] = &incoming;
        order[1] = &thumbnails_[0], order[2] = &thumbnails_[1], order[3] = &thumbnails_[2];
    }
    // At rest the left neighbour stands a pitch left of the centre picture (312).
    const int restingFirstX = 312 - (forward ? 1 : 2) * kCarouselPitch;
    StepPacer pacer(game.platform);
    for (int step = 1; step <= kSlideSteps; ++step) {
        const int shift = step * kSlideStep;
        DrawCarouselSlide(*back, background_, frame_, order,
                          forward ? restingFirstX - shift : restingFirstX + shift);
        Present(game.slots, game.platform);
        pacer.Wait(0);
    }
    carousel = next;
    // The pointer is still on the button, which stays lit for the next turn.
    ShowLoadScreen(LoadHoverButton);
}

void LoadScreen::LoadSelected() {
    if (!shell_.HasSaveGames()) return;
    GameState& game = shell_.game;
    // A damaged save is refused with a message and the load screen stays.
    if (!LoadGame(game, shell_.sound, SelectedSave.path)) return;
    ReleasePictures();
    // The scene starts again from its line: a pause of the game left behind is over.
    game.Paused = false;
    shell_.input.LockClicks();
    shell_.interpreter.RunScript();
}

void LoadScreen::DeleteSelected() {
    GameState& game = shell_.game;
    std::vector<SaveFile>& saves = shell_.SaveGames;
    if (saves.empty()) return;
    std::error_code error;
    std::filesystem::remove(SelectedSave.path, error);
    if (error) {
        LogError("the saved game " + Cp1251ToUtf8(SelectedSave.name) +
                 " cannot be deleted: " + error.message());
    }
    std::erase_if(saves, [&](const SaveFile& save) { return save.path == SelectedSave.path; });
    if (shell_.saveFolder && !ScanSaveFolder(*shell_.saveFolder, saves)) {
        LogError("the save folder cannot be listed");
    }
    // The button was pressed; a click that follows without a move deletes nothing more.
    LoadHoverButton = 0;
    game.ScreenMode = kCarouselMode;
    if (saves.empty()) return BackToMainMenu();
    carousel = CarouselPositions::Start(static_cast<int>(saves.size()));
    ShowLoadScreen();
}

void LoadScreen::BackToMainMenu() {
    ReleasePictures();
    shell_.GoToMainMenu();
}

void LoadScreen::ReleasePictures() {
    background_ = Surface();
    frame_ = Surface();
    controls_ = Surface();
    for (Surface& thumbnail : thumbnails_) thumbnail = Surface();
}

}  // namespace orvane
