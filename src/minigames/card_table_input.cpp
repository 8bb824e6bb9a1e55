// The mouse on the card table: a card of the hand is raised under the pointer, taken with a
// press, dragged over the table and dropped; the command button lights under the pointer and
// acts on a press while the human is to act.
#include "minigames/card_table_layout.h"
#include "minigames/card_table_screen.h"
#include "shell/shell.h"

namespace orvane {

using namespace card_table;

namespace {

// The hand place under `x`: place i spans its step, less the part that the next card covers
// (`cardWidth` says how wide a card counts). kNoCard for none.
int HandPlaceAt(int x, int cards, int cardWidth) {
    if (cards <= 0) return kNoCard;
    const int step = HandStep(cards);
    // Negative when the cards overlap; the division truncates toward zero.
    const int gap = (kHandWidth - cardWidth * cards) / cards;
    for (int i = 0; i < cards; ++i) {
        const int end = (i + 1) * step;
        if (i * step <= x && x < end && x < end - gap) return i;
    }
    return kNoCard;
}

bool InHandBand(int y) {
    return 600 < y && y < 760;
}

}  // namespace

void CardTableScreen::MouseDown(int x, int y) {
    if (shell_.game.ScreenMode == kPlayAgainMode) return PlayAgainClick(x, y);
    if (!game.CardGameActive) return;
    if (Inside(kCommandHit, x, y) && game.ActingPlayer == 1) {
        game.PressCommandButton();
        return;
    }
    if (!InHandBand(y) || x <= 5 || x >= 1020) return;
    // Any card may be taken up whoever's turn it is; the rules judge it when it lands.
    fields.SelectedCard = HandPlaceAt(x - 5, game.HandCount(1), kFaceStepX);
    if (fields.SelectedCard != kNoCard) fields.CardDragging = 1;
}

void CardTableScreen::MouseMove(int x, int y) {
    if (shell_.game.ScreenMode == kPlayAgainMode) return PlayAgainMove(x, y);
    if (game.CardGameActive) TableMove(x, y);
}

void CardTableScreen::TableMove(int x, int y) {
    const bool dragging = fields.CardDragging != 0;
    const bool inBand = InHandBand(y) && 0 <= x && x <= kScreenWidth;
    if (!dragging && inBand) {
        const int cards = game.HandCount(1);
        // A card is picked by the pointer 10 pixels to its left, and by half its width.
        const int place = HandPlaceAt(x - 10, cards, 50);
        if (place != kNoCard && place != fields.SelectedCard) {
            fields.SelectedCard = place;
            RestoreBackground();
            DrawCardTable();
            DrawRaisedCard(place, HandStep(cards));
        }
    }
    if (!dragging && (y < 600 || y > 760)) fields.SelectedCard = kNoCard;
    if ((!inBand || dragging) && fields.CardButtonHover == 0) {
        RestoreBackground();
        DrawCardTable();
    }
    if (dragging) DrawDraggedCard(x, y);

    if (Inside(kCommandHit, x, y) && game.ActingPlayer == 1) {
        if (fields.CardButtonHover == 1) return;
        fields.CardButtonHover = 1;
        DrawButtonHighlight();
        Present();
        return;
    }
    Present();
    fields.CardButtonHover = 0;
}

void CardTableScreen::Drop(int /*x*/, int y) {
    const int place = fields.SelectedCard;
    fields.CardDragging = 0;
    fields.SelectedCard = kNoCard;
    // The rules redraw an accepted card's table themselves, before the answer it sets off, and
    // may have ended the game by the time they return.
    if (y > kDropTop && y < kDropBottom && game.PlayHumanCard(place)) return;
    RestoreBackground();
    DrawCardTable();
}

}  // namespace orvane
