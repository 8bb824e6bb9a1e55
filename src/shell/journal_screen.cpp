#include "shell/journal_screen.h"

#include "render/blend.h"
#include "render/display.h"
#include "render/thumbnail.h"
#include "shell/shell.h"

namespace orvane {
namespace {

// The journal's pictures take the stage's pool surfaces, which "set journal" has emptied.
constexpr int kSlotBlankPage = kSlotThumbnail;
constexpr int kSlotPage = PoolSlotOf(1);
constexpr int kSlotPageSaveLit = PoolSlotOf(2);
constexpr int kSlotPageCloseLit = PoolSlotOf(3);
constexpr int kSlotQuestion = PoolSlotOf(4);
constexpr int kSlotQuestionYesLit = PoolSlotOf(5);
constexpr int kSlotQuestionNoLit = PoolSlotOf(6);
constexpr int kSlotSaved = PoolSlotOf(7);
constexpr int kSlotGameScreen = PoolSlotOf(8);

constexpr struct {
    int slot;
    const char* file;
} kPictures[] = {
    {kSlotBlankPage, "bortzhur.bmp"},
    {kSlotPage, "bortzhur_save.bmp"},
    {kSlotPageSaveLit, "bortzhur_save_y.bmp"},
    {kSlotPageCloseLit, "bortzhur_save_n.bmp"},
    {kSlotQuestion, "bortzhur_sure.bmp"},
    {kSlotQuestionYesLit, "bortzhur_sure_y.bmp"},
    {kSlotQuestionNoLit, "bortzhur_sure_n.bmp"},
    {kSlotSaved, "bortzhur_game_saved.bmp"},
};
constexpr int kPictureWidth = 1024;
constexpr int kPictureHeight = 570;
// Each page is drawn from its left 974 columns at (50, 100).
constexpr Rect kPageArea{0, 0, 974, 570};
constexpr int kPageX = 50;
constexpr int kPageY = 100;

constexpr int kJournalMode = 7;
constexpr int kQuestionMode = 71;
constexpr int kSaveButton = 1;
constexpr int kCloseButton = 2;
constexpr int kYesButton = 3;
constexpr int kNoButton = 4;
constexpr int kSavedNoticeMs = 1000;

// The left button (save, then yes) and the right one (close, then no), inclusive.
bool OnLeftButton(int x, int y) {
    return 654 <= x && x <= 673 && 378 <= y && y <= 396;
}
bool OnRightButton(int x, int y) {
    return 762 <= x && x <= 782 && 377 <= y && y <= 396;
}

void DrawPage(GameState& game, int slot) {
    Surface* back = game.slots.Get(kSlotBackBuffer);
    const Surface* page = game.slots.Get(slot);
    if (back && page) BlendBlit(*back, *page, kPageX, kPageY, &kPageArea, 255);
}

void ShowGameScreen(GameState& game) {
    Surface* back = game.slots.Get(kSlotBackBuffer);
    const Surface* kept = game.slots.Get(kSlotGameScreen);
    if (back && kept) CopyRect(*back, 0, 0, *kept);
}

}  // namespace

FixedPictures JournalPictures() {
    FixedPictures pictures;
    for (const auto& picture : kPictures) pictures.push_back({picture.file, PictureNeed::Required});
    return pictures;
}

void JournalScreen::Open() {
    GameState& game = shell_.game;
    // A click before the first move over a button does nothing, whatever the last journal left.
    JournalHoverButton = 0;
    game.thumbnailBmp = CaptureThumbnailBmp(game.slots);
    ClearStage(game, ClearKind::All);
    for (const auto& picture : kPictures) {
        Surface& surface = game.slots.Create(picture.slot, kPictureWidth, kPictureHeight);
        game.pictures.LoadPicture(surface, picture.file);
        surface.MarkChanged();
    }
    if (const Surface* back = game.slots.Get(kSlotBackBuffer)) {
        Surface& kept = game.slots.Create(kSlotGameScreen, back->width, back->height);
        CopyRect(kept, 0, 0, *back);
    }
    DrawPage(game, kSlotPage);
    Present(game.slots, game.platform);
    game.ScreenMode = kJournalMode;
}

void JournalScreen::Hover(int x, int y) {
    GameState& game = shell_.game;
    const bool question = game.ScreenMode == kQuestionMode;
    JournalHoverButton = 0;
    int page = question ? kSlotQuestion : kSlotPage;
    if (OnLeftButton(x, y)) {
        JournalHoverButton = question ? kYesButton : kSaveButton;
        page = question ? kSlotQuestionYesLit : kSlotPageSaveLit;
    } else if (OnRightButton(x, y)) {
        JournalHoverButton = question ? kNoButton : kCloseButton;
        page = question ? kSlotQuestionNoLit : kSlotPageCloseLit;
    }
    DrawPage(game, page);
    Present(game.slots, game.platform);
}

void JournalScreen::Click() {
    GameState& game = shell_.game;
    switch (JournalHoverButton) {
        case kSaveButton:
            DrawPage(game, kSlotBlankPage);
            Present(game.slots, game.platform);
            game.ScreenMode = kQuestionMode;
            return;
        case kCloseButton:
            return GoOn(/*compose=*/true);
        case kYesButton:
            return SaveAndGoOn();
        case kNoButton:
            return GoOn(/*compose=*/false);
        default:
            return;
    }
}

void JournalScreen::SaveAndGoOn() {
    GameState& game = shell_.game;
    // Forward: the journal stands before the scene line of the chapter it leads to.
    if (shell_.SaveGameNow(SceneSearch::Forward)) {
        DrawPage(game, kSlotSaved);
        Present(game.slots, game.platform);
        ShowGameScreen(game);
        game.platform.Sleep(kSavedNoticeMs);
    }
    game.thumbnailBmp.clear();
    GoOn(/*compose=*/true);
}

void JournalScreen::GoOn(bool compose) {
    GameState& game = shell_.game;
    ShowGameScreen(game);
    Present(game.slots, game.platform);
    game.ScreenMode = 1;
    ClearStage(game, ClearKind::All);
    // The empty stage is drawn before the script runs, not after: drawn after, it would wipe a
    // text shown at once and cover a menu or another journal that the script put up.
    if (compose) ComposeFrame(game);
    shell_.interpreter.RunScript();
}

}  // namespace orvane
