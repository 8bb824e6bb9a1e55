#include "shell/game_menu.h"

#include "render/blend.h"
#include "render/display.h"
#include "render/thumbnail.h"
#include "script/text_commands.h"
#include "script/triggers.h"
#include "shell/game_menu_panels.h"
#include "shell/shell.h"

namespace orvane {
namespace {

constexpr int kSlotPanels = 12;
constexpr int kSlotGameScreen = 13;
constexpr int kPanelsWidth = 402;
constexpr int kPanelsHeight = 302;
constexpr char kMenuPicture[] = "right_button.jpg";
constexpr char kPanelsPicture[] = "right_buttons.bmp";
constexpr char kSavedPicture[] = "saved.bmp";

constexpr int kResume = 20;
constexpr int kSave = 2;
constexpr int kLoad = 3;
constexpr int kOptions = 4;
constexpr int kMainMenu = 5;
constexpr int kQuit = 6;

struct MenuItem {
    int id;
    int right;  // the items start at x = 86; both ends and both rows inclusive
    int top;
    int bottom;
    int markerY;
};
constexpr MenuItem kItems[] = {
    {kResume, 223, 280, 293, 278},  {kSave, 204, 335, 349, 330},     {kLoad, 204, 384, 400, 384},
    {kOptions, 204, 436, 455, 436}, {kMainMenu, 244, 489, 505, 489}, {kQuit, 279, 541, 565, 541},
};
constexpr int kItemsLeft = 86;
constexpr int kMarkerX = 60;
constexpr Rect kMarker{0, 0, 19, 19};

// The notice after a save, over the right of the menu picture.
constexpr int kNoticeX = 400;
constexpr int kNoticeY = 334;
constexpr int kNoticeWidth = 300;
constexpr int kNoticeHeight = 100;
constexpr int kNoticeMs = 1000;

// Saving is for a player who has come far enough in the story.
bool SavingUnlocked(const StringList& triggers) {
    for (const char* name : {"sys_1", "sys_2", "sys_3"}) {
        if (GetTrigger(triggers, name) == "1") return true;
    }
    return false;
}

void LoadInto(GameState& game, Surface& target, const char* picture) {
    game.pictures.LoadPicture(target, picture);
    target.MarkChanged();
}

}  // namespace

FixedPictures GameMenuPictures() {
    return {{kMenuPicture, PictureNeed::Required},
            {kPanelsPicture, PictureNeed::Required},
            {kSavedPicture, PictureNeed::Optional}};
}

void GameMenuScreen::Open() {
    GameState& game = shell_.game;
    // The right button cannot open the menu while a fade or a move runs (clicks are dropped
    // then), and neither can Esc: the animation's end would run the script on under the menu.
    if (game.Animating) return;
    // Esc on a yes/no panel goes back to the menu, as "no" does: taken again now, the copy of
    // the game screen and the thumbnail would show the menu itself.
    if (ConfirmPanelOf(game.ScreenMode)) return BackToMenu();
    Surface* back = game.slots.Get(kSlotBackBuffer);
    if (!back) return;
    game.thumbnailBmp = CaptureThumbnailBmp(game.slots);
    Surface& panels = game.slots.Create(kSlotPanels, kPanelsWidth, kPanelsHeight);
    Surface& kept = game.slots.Create(kSlotGameScreen, back->width, back->height);
    CopyRect(kept, 0, 0, *back);
    LoadInto(game, *back, kMenuPicture);
    LoadInto(game, panels, kPanelsPicture);
    Present(game.slots, game.platform);
    openedFrom_ = game.ScreenMode;
    game.ScreenMode = 40;
    game.MenuHoverItem = 0;
}

void GameMenuScreen::Close() {
    GameState& game = shell_.game;
    if (shell_.input.screens().ResumeAfterGameMenu(openedFrom_)) return;
    Surface* back = game.slots.Get(kSlotBackBuffer);
    const Surface* kept = game.slots.Get(kSlotGameScreen);
    if (back && kept) CopyRect(*back, 0, 0, *kept);
    Present(game.slots, game.platform);
    game.ScreenMode = 1;
}

void GameMenuScreen::Hover(int x, int y) {
    GameState& game = shell_.game;
    Surface* back = game.slots.Get(kSlotBackBuffer);
    if (!back) return;
    game.MenuHoverItem = 0;
    // The picture's top-left corner is plain: copied over the markers, it wipes them.
    for (const MenuItem& item : kItems) CopyRect(*back, kMarkerX, item.markerY, *back, &kMarker);
    for (const MenuItem& item : kItems) {
        if (x < kItemsLeft || x > item.right || y < item.top || y > item.bottom) continue;
        const bool available = item.id != kSave || SavingUnlocked(game.Triggers);
        if (available) game.MenuHoverItem = item.id;
        if (const Surface* marker = game.slots.Get(available ? kSlotRedBox : kSlotBlack)) {
            CopyRect(*back, kMarkerX, item.markerY, *marker, &kMarker);
        }
        break;
    }
    Present(game.slots, game.platform);
}

void GameMenuScreen::Click() {
    GameState& game = shell_.game;
    const int item = game.MenuHoverItem;
    if (item != kSave) shell_.options.OptionsFromGame = false;
    switch (item) {
        case kResume:
            return Resume();
        case kSave:
            return SaveFromMenu();
        case kLoad:
            if (shell_.HasSaveGames()) OpenPanel(kLoadPanelMode);
            return;
        case kOptions:
            return shell_.options.Open(/*fromGame=*/true);
        case kMainMenu:
            return OpenPanel(kMainMenuPanelMode);
        case kQuit:
            return OpenPanel(kQuitPanelMode);
        default:
            Present(game.slots, game.platform);
    }
}

void GameMenuScreen::Resume() {
    GameState& game = shell_.game;
    Close();
    game.thumbnailBmp.clear();
    if (game.ScreenMode != 1) return;  // a mini-game came back, not the dialogue
    TextState& text = game.text;
    // While the typewriter runs, the copy of the screen holds the lines typed so far (they are
    // drawn into the frame, not onto the window), so typing goes on over a complete panel.
    if (text.ShownText.empty() || game.platform.timers().Enabled(TimerId::Timer1)) return;
    // A full page was shown and more text follows: the next page starts.
    StartNextPage(game);
    ComposeFrame(game);
}

void GameMenuScreen::SaveFromMenu() {
    GameState& game = shell_.game;
    // The thumbnail taken when the menu opened stays for another save from the same menu.
    if (!shell_.SaveGameNow(SceneSearch::Backward)) return;
    Surface* back = game.slots.Get(kSlotBackBuffer);
    if (!back) return;
    Present(game.slots, game.platform);
    const Rect area{kNoticeX, kNoticeY, kNoticeX + kNoticeWidth, kNoticeY + kNoticeHeight};
    Surface under(kNoticeWidth, kNoticeHeight);
    CopyRect(under, 0, 0, *back, &area);
    Surface notice(kNoticeWidth, kNoticeHeight);
    LoadInto(game, notice, kSavedPicture);
    BlendBlit(*back, notice, kNoticeX, kNoticeY, nullptr, 255);
    Present(game.slots, game.platform);
    game.platform.Sleep(kNoticeMs);
    // What the notice covered comes back as it was, whatever the menu picture shows there.
    CopyRect(*back, kNoticeX, kNoticeY, under);
    Present(game.slots, game.platform);
}

void GameMenuScreen::OpenPanel(int mode) {
    GameState& game = shell_.game;
    game.ScreenMode = mode;
    Surface* back = game.slots.Get(kSlotBackBuffer);
    const Surface* pictures = game.slots.Get(kSlotPanels);
    if (back && pictures)
        DrawConfirmPanel(*back, *pictures, *ConfirmPanelOf(mode), PanelButton::None);
    Present(game.slots, game.platform);
}

void GameMenuScreen::PanelHover(int x, int y) {
    GameState& game = shell_.game;
    const ConfirmPanel* panel = ConfirmPanelOf(game.ScreenMode);
    Surface* back = game.slots.Get(kSlotBackBuffer);
    const Surface* pictures = game.slots.Get(kSlotPanels);
    if (!panel || !back || !pictures) return;
    DrawConfirmPanel(*back, *pictures, *panel, PanelButtonAt(*panel, x, y, /*hovering=*/true));
    Present(game.slots, game.platform);
}

void GameMenuScreen::PanelClick(int x, int y) {
    GameState& game = shell_.game;
    const int mode = game.ScreenMode;
    const ConfirmPanel* panel = ConfirmPanelOf(mode);
    if (!panel) return;
    Surface* back = game.slots.Get(kSlotBackBuffer);
    const Surface* pictures = game.slots.Get(kSlotPanels);
    if (back && pictures) DrawConfirmPanel(*back, *pictures, *panel, PanelButton::None);
    const PanelButton button = PanelButtonAt(*panel, x, y, /*hovering=*/false);
    if (mode == kMainMenuPanelMode) game.Paused = false;
    if (button == PanelButton::No) return BackToMenu();
    if (button == PanelButton::None) {
        Present(game.slots, game.platform);
        return;
    }
    switch (mode) {
        case kLoadPanelMode:
            return LeaveForLoadScreen();
        case kMainMenuPanelMode:
            return shell_.GoToMainMenu();
        case kQuitPanelMode:
            if (button == PanelButton::Third) return QuitPanelThirdButton();
            game.thumbnailBmp.clear();
            game.platform.RequestQuit();
            return;
    }
}

void GameMenuScreen::BackToMenu() {
    GameState& game = shell_.game;
    // The copy of the game screen taken when the menu opened stays valid.
    if (Surface* back = game.slots.Get(kSlotBackBuffer)) LoadInto(game, *back, kMenuPicture);
    Present(game.slots, game.platform);
    game.ScreenMode = 40;
}

void GameMenuScreen::LeaveForLoadScreen() {
    GameState& game = shell_.game;
    game.platform.SetTimerEnabled(TimerId::Timer1, false);
    game.text.ShownText.clear();
    ClearStage(game, ClearKind::All);
    if (shell_.HasSaveGames()) shell_.OpenLoadScreenFromMenu();
}

void GameMenuScreen::QuitPanelThirdButton() {
    GameState& game = shell_.game;
    // Two times in three the options, else the saved games: a surprise the game has always had.
    if (game.random.Random(3) != 0) {
        shell_.options.Open(/*fromGame=*/true);
    } else {
        LeaveForLoadScreen();
    }
}

}  // namespace orvane
