// The ways onto the card table and off it: the pictures, the deal, the pauses the rules ask for,
// the play-again question, and the way back after the in-game menu.
#include "minigames/card_table_screen.h"

#include "minigames/card_table_layout.h"
#include "render/blend.h"
#include "render/display.h"
#include "script/cinematic_pictures.h"
#include "script/stage.h"
#include "shell/shell.h"

namespace orvane {

using namespace card_table;

namespace {

struct SlotPicture {
    int slot;
    const char* file;
    int width;
    int height;
};

constexpr SlotPicture kPlayAgainPictures[] = {
    {kSlotPlayAgain, "play.bmp", 1024, 768},
    {kSlotPlayAgainYes, "play_y.bmp", 1024, 768},
    {kSlotPlayAgainNo, "play_n.bmp", 1024, 768},
};
constexpr SlotPicture kDeckPicture = {kSlotDeck, "deck.bmp", 1024, 298};
constexpr SlotPicture kTablePictures[] = {
    {kSlotFaces, "cards_all.bmp", 860, 537},         {kSlotBack, "coat.bmp", 54, 77},
    {kSlotIcons, "kozyr_icons.bmp", 824, 40},        {kSlotAvatarLeft, "avatar_left.jpg", 166, 87},
    {kSlotAvatarRight, "avatar_right.jpg", 166, 87}, {kSlotTalonLabel, "cards_left.bmp", 166, 87},
    {kSlotYourTurn, "your_turn.bmp", 166, 87},       {kSlotNumerals, "numerals.bmp", 166, 87},
    {kSlotTrumpMarker, "kozyr.bmp", 166, 87},        {kSlotCommands, "cards_commands.bmp", 996, 32},
    {kSlotTalonPlate, "cards_plashka.bmp", 200, 32}, {kSlotYouWin, "you_win.bmp", 200, 32},
    {kSlotYouLose, "you_lose.bmp", 200, 32},         {kSlotTakeGreen, "take_green.bmp", 200, 32},
};

// The backdrop of a game from the main menu, each picture loaded into the thumbnail slot in turn
// and copied plainly from its top-left corner.
struct BackdropPart {
    const char* file;
    Rect area;
    int y;
};
constexpr BackdropPart kMenuBackdrop[] = {
    {kTopStripPicture, {0, 0, 1024, 99}, 0},
    {kBottomStripPicture, {0, 0, 1024, 99}, 669},
    {"bg_red_comp_space3.jpg", {0, 0, 1024, 570}, 99},
};

Surface& Load(GameState& game, const SlotPicture& picture) {
    Surface& surface = game.slots.Create(picture.slot, picture.width, picture.height);
    game.pictures.LoadPicture(surface, picture.file);
    surface.MarkChanged();
    return surface;
}

}  // namespace

FixedPictures CardTablePictures(bool fromMenu) {
    FixedPictures pictures;
    for (const SlotPicture& picture : kPlayAgainPictures) {
        pictures.push_back({picture.file, PictureNeed::Required});
    }
    pictures.push_back({kDeckPicture.file, PictureNeed::Required});
    for (const SlotPicture& picture : kTablePictures) {
        pictures.push_back({picture.file, PictureNeed::Required});
    }
    if (fromMenu) {
        for (const BackdropPart& part : kMenuBackdrop) {
            pictures.push_back({part.file, PictureNeed::Optional});
        }
    }
    return pictures;
}

CardTableScreen::CardTableScreen(Shell& shell)
    : game(*this, shell.game.random, shell.game.Triggers), shell_(shell) {}

void CardTableScreen::StartFromScript() {
    // A game from the menu left the count above the limit, where the no button leads to the main
    // menu: the story's game would then never come back to its script.
    if (fields.CardReplayCount > kReplayLimit) fields.CardReplayCount = 0;
    Open(/*fromMenu=*/false);
}

void CardTableScreen::StartFromMenu() {
    Open(/*fromMenu=*/true);
    fields.CardReplayCount = kUnlimitedReplays;
}

void CardTableScreen::Open(bool fromMenu) {
    GameState& state = shell_.game;
    state.ScreenMode = kTableMode;
    ClearStage(state, ClearKind::All);
    if (fromMenu) ComposeMenuBackdrop();
    Surface& table = state.slots.Create(kSlotTable, kScreenWidth, kScreenHeight);
    for (const SlotPicture& picture : kPlayAgainPictures) Load(state, picture);
    state.slots.Create(kSlotDrawnTable, kScreenWidth, kScreenHeight);
    if (const Surface* back = state.slots.Get(kSlotBackBuffer)) {
        BlendBlit(table, *back, 0, 0, nullptr, 255);
    }
    const Surface& deck = Load(state, kDeckPicture);
    BlendBlit(table, deck, 0, kDeckY, &kDeckArea, 255);
    savedTable_ = table;
    RestoreBackground();
    LoadPictures();
    Present();
    Deal();
}

void CardTableScreen::ComposeMenuBackdrop() {
    GameState& state = shell_.game;
    Surface* back = state.slots.Get(kSlotBackBuffer);
    for (const BackdropPart& part : kMenuBackdrop) {
        Surface& picture = state.slots.Create(kSlotThumbnail, kScreenWidth, kScreenHeight);
        state.pictures.LoadPicture(picture, part.file);
        picture.MarkChanged();
        if (back) CopyRect(*back, 0, part.y, picture, &part.area);
    }
}

void CardTableScreen::LoadPictures() {
    for (const SlotPicture& picture : kTablePictures) {
        // Drawn many times a game: blits skip their see-through parts by an index.
        Load(shell_.game, picture).IndexTransparentSpans();
    }
}

void CardTableScreen::Deal() {
    fields.SelectedCard = kNoCard;
    fields.CardDragging = 0;
    game.DealCards(static_cast<uint32_t>(shell_.game.platform.WallClock().secondsSince1970));
}

bool CardTableScreen::ComeBack(int mode) {
    if ((mode != kTableMode && mode != kPlayAgainMode) || !game.CardGameActive) return false;
    GameState& state = shell_.game;
    if (savedTable_.width != kScreenWidth || savedTable_.height != kScreenHeight) return false;
    Surface& table = state.slots.Create(kSlotTable, kScreenWidth, kScreenHeight);
    CopyRect(table, 0, 0, savedTable_);
    Load(state, kDeckPicture);
    // Whatever the pointer held when the menu opened is back in the hand.
    fields.SelectedCard = kNoCard;
    fields.CardDragging = 0;
    fields.CardButtonHover = 0;
    if (mode == kPlayAgainMode) {
        ShowPlayAgain();
    } else {
        state.ScreenMode = kTableMode;
        RestoreBackground();
        DrawCardTable();
    }
    return true;
}

void CardTableScreen::RestoreBackground() {
    GameState& state = shell_.game;
    Surface* back = state.slots.Get(kSlotBackBuffer);
    const Surface* table = state.slots.Get(kSlotTable);
    if (back && table) CopyRect(*back, 0, 0, *table);
}

void CardTableScreen::ShowYourTurn() {
    GameState& state = shell_.game;
    Surface* back = state.slots.Get(kSlotBackBuffer);
    const Surface* picture = state.slots.Get(kSlotYourTurn);
    if (back && picture)
        BlendBlit(*back, *picture, kYourTurnAt.x, kYourTurnAt.y, &kYourTurnArea, 255);
}

void CardTableScreen::ShowEnd(bool won) {
    GameState& state = shell_.game;
    Surface* back = state.slots.Get(kSlotBackBuffer);
    const Surface* picture = state.slots.Get(won ? kSlotYouWin : kSlotYouLose);
    if (back && picture) {
        BlendBlit(*back, *picture, kEndPictureAt.x, kEndPictureAt.y, &kEndPictureArea, 255);
    }
}

void CardTableScreen::Present() {
    orvane::Present(shell_.game.slots, shell_.game.platform);
}

void CardTableScreen::Wait(int ms) {
    shell_.game.platform.Sleep(ms);
}

void CardTableScreen::ShowPlayAgain() {
    GameState& state = shell_.game;
    state.ScreenMode = kPlayAgainMode;
    Surface* back = state.slots.Get(kSlotBackBuffer);
    const Surface* question = state.slots.Get(kSlotPlayAgain);
    if (back && question) BlendBlit(*back, *question, 0, 0, nullptr, 255);
    Present();
}

void CardTableScreen::PlayAgainMove(int x, int y) {
    GameState& state = shell_.game;
    const bool yes = Inside(kYesButton, x, y);
    if (!yes && !Inside(kNoButton, x, y)) return;
    Surface* back = state.slots.Get(kSlotBackBuffer);
    const Surface* lit = state.slots.Get(yes ? kSlotPlayAgainYes : kSlotPlayAgainNo);
    if (back && lit)
        BlendBlit(*back, *lit, kPlayAgainLit.left, kPlayAgainLit.top, &kPlayAgainLit, 255);
    Present();
}

void CardTableScreen::PlayAgainClick(int x, int y) {
    int& replays = fields.CardReplayCount;
    if (Inside(kYesButton, x, y)) {
        if (replays == kReplayLimit) return BackToScript();
        if (replays < kReplayLimit) ++replays;
        shell_.game.ScreenMode = kTableMode;
        Deal();
    } else if (Inside(kNoButton, x, y)) {
        if (replays < kUnlimitedReplays) return BackToScript();
        shell_.GoToMainMenu();
    }
}

void CardTableScreen::BackToScript() {
    GameState& state = shell_.game;
    ClearStage(state, ClearKind::All);
    state.ScreenMode = 1;
    shell_.interpreter.RunScript();
}

}  // namespace orvane
