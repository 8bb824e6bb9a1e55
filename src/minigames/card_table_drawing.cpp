// The table as the rules leave it: hands, table cards, trump, talon counter, command button and
// the opponents' roles, drawn over the background in a fixed order.
#include <algorithm>

#include "minigames/card_table_layout.h"
#include "minigames/card_table_screen.h"
#include "render/blend.h"
#include "render/display.h"
#include "shell/shell.h"

namespace orvane {

using namespace card_table;

namespace {

// The frame and the table's pictures, for one drawing pass.
struct Painter {
    Surface& back;
    MediaSlots& slots;

    void Blend(int slot, const Rect& from, int x, int y) {
        if (const Surface* source = slots.Get(slot)) BlendBlit(back, *source, x, y, &from, 255);
    }
    void Copy(int slot, const Rect& from, int x, int y) {
        if (const Surface* source = slots.Get(slot)) CopyRect(back, x, y, *source, &from);
    }
    void Face(const Card& card, int x, int y) {
        if (!card.Empty()) Blend(kSlotFaces, FaceOf(card), x, y);
    }
    void Backs(int cards, int x0) {
        if (cards <= 0) return;
        const int step = kBacksWidth / cards;
        for (int k = 0; k < cards; ++k) Blend(kSlotBack, kBackArea, x0 + k * step, kBacksY);
    }
};

// A digit of "numerals.bmp": the first three are 13 pixels apart, the rest 14; the first digit
// of a two-digit number and the small second digits are a column narrower.
Rect DigitOf(int digit, bool narrow) {
    const int x = digit < 3 ? 13 * digit : 14 * digit;
    const int width = digit < 3 ? (narrow ? 12 : 13) : 14;
    return {x, 0, x + width, kDigitHeight};
}

}  // namespace

void CardTableScreen::DrawCardTable() {
    MediaSlots& slots = shell_.game.slots;
    Surface* back = slots.Get(kSlotBackBuffer);
    if (!back) return;
    Painter paint{*back, slots};

    paint.Copy(kSlotTable, {0, 0, kScreenWidth, 40}, 0, 0);
    paint.Copy(kSlotTrumpMarker, kTrumpMarkerArea, kTrumpMarkerAt.x, kTrumpMarkerAt.y);
    if (game.TrumpSuit >= 0 && game.TrumpSuit < kSuits) {
        const int x = kTrumpIconX[game.TrumpSuit];
        paint.Blend(kSlotIcons, {x, 0, x + kTrumpIconSize, kTrumpIconSize}, kTrumpIconAt.x,
                    kTrumpIconAt.y);
    }

    const int cards = game.HandCount(1);
    const int step = HandStep(cards);
    for (int i = 0; i < cards; ++i) {
        // The raised or dragged card leaves its gap.
        if (i == fields.SelectedCard) continue;
        paint.Face(game.Hand(1)[i], std::min(i * step, kLastCardX), kHandY);
    }
    paint.Backs(game.HandCount(2), kLeftBacksX);
    paint.Backs(game.HandCount(3), kRightBacksX);

    for (int k = 0; k < kTablePlaces; ++k) {
        paint.Face(game.TableAttack[k], kAttackSpots[k].x, kAttackSpots[k].y);
    }
    // Each defence card by its own place, even where an earlier place is empty.
    for (int k = 0; k < kTablePlaces; ++k) {
        paint.Face(game.TableDefence[k], kDefenceSpots[k].x, kDefenceSpots[k].y);
    }

    paint.Blend(kSlotTalonPlate, kTalonPlateArea, kTalonPlateAt.x, kTalonPlateAt.y);
    paint.Blend(kSlotTalonLabel, kTalonLabelArea, kTalonLabelAt.x, kTalonLabelAt.y);
    DrawTalonCounter();
    DrawCommandButton();
    paint.Copy(kSlotAvatarRight, kAvatarArea, kLeftAvatarAt.x, kLeftAvatarAt.y);
    paint.Copy(kSlotAvatarLeft, kAvatarArea, kRightAvatarAt.x, kRightAvatarAt.y);
    DrawRoleLabels();

    if (Surface* drawn = slots.Get(kSlotDrawnTable)) CopyRect(*drawn, 0, 0, *back);
    Present();
}

void CardTableScreen::DrawTalonCounter() {
    MediaSlots& slots = shell_.game.slots;
    Surface* back = slots.Get(kSlotBackBuffer);
    if (!back) return;
    Painter paint{*back, slots};
    const int t = game.TalonCount();
    if (t < 10) {
        paint.Blend(kSlotNumerals, DigitOf(t, false), kFirstDigitAt.x, kFirstDigitAt.y);
        return;
    }
    const int tens = t < 20 ? 1 : 2;
    const int units = t - 10 * tens;
    paint.Blend(kSlotNumerals, DigitOf(tens, true), kFirstDigitAt.x, kFirstDigitAt.y);
    paint.Blend(kSlotNumerals, DigitOf(units, true), kSecondDigitAt.x, kSecondDigitAt.y);
}

void CardTableScreen::DrawCommandButton() {
    MediaSlots& slots = shell_.game.slots;
    Surface* back = slots.Get(kSlotBackBuffer);
    if (!back || game.AttackCount() == 0) return;
    Painter paint{*back, slots};
    const bool humanDefends = game.Defender == 1;
    paint.Blend(kSlotCommands, humanDefends ? kTakeButton : kEndRoundButton, 431, kCommandY);
    if (!humanDefends && game.AnyUndefended()) {
        paint.Blend(kSlotCommands, kDefenderTakesButton, 430, kCommandY);
    }
}

void CardTableScreen::DrawRoleLabels() {
    if (game.Defender < 1 || game.Defender > 3) return;
    MediaSlots& slots = shell_.game.slots;
    Surface* back = slots.Get(kSlotBackBuffer);
    if (!back) return;
    Painter paint{*back, slots};
    const LabelColumns left = kLeftLabels[game.Defender - 1];
    const LabelColumns right = kRightLabels[game.Defender - 1];
    paint.Blend(kSlotIcons, {left.left, 0, left.right, kLabelHeight}, kLeftLabelAt.x,
                kLeftLabelAt.y);
    paint.Blend(kSlotIcons, {right.left, 0, right.right, kLabelHeight}, kRightLabelAt.x,
                kRightLabelAt.y);
}

void CardTableScreen::DrawRaisedCard(int place, int step) {
    MediaSlots& slots = shell_.game.slots;
    Surface* back = slots.Get(kSlotBackBuffer);
    if (!back) return;
    const int x = place * step > kLastCardX + 1 ? kLastCardX : place * step;
    Painter{*back, slots}.Face(game.Hand(1)[place], x, kRaisedY);
}

void CardTableScreen::DrawDraggedCard(int x, int y) {
    MediaSlots& slots = shell_.game.slots;
    Surface* back = slots.Get(kSlotBackBuffer);
    const Surface* drawn = slots.Get(kSlotDrawnTable);
    if (!back || !drawn) return;
    CopyRect(*back, 0, 0, *drawn);
    const int place = fields.SelectedCard;
    if (place < 0 || place >= kDeckSize || game.Hand(1)[place].Empty()) return;
    // The card hangs from the pointer and is cut off at the right and the bottom of the frame.
    x = std::clamp(x, 0, kScreenWidth);
    y = std::clamp(y, 0, 760);
    Rect face = FaceOf(game.Hand(1)[place]);
    if (x > kLastCardX) face.right -= x - kLastCardX;
    if (y > 630) face.bottom = std::max(face.top + 1, face.bottom - (y - 630));
    Painter{*back, slots}.Blend(kSlotFaces, face, x, y);
}

void CardTableScreen::DrawButtonHighlight() {
    MediaSlots& slots = shell_.game.slots;
    Surface* back = slots.Get(kSlotBackBuffer);
    if (!back) return;
    Painter paint{*back, slots};
    const bool humanDefends = game.Defender == 1;
    if (!humanDefends && game.AnyUndefended()) {
        paint.Blend(kSlotCommands, kDefenderTakesLit, 429, kCommandY);
    } else if (game.AttackCount() > 0) {
        paint.Blend(kSlotCommands, humanDefends ? kTakeLit : kEndRoundLit, 430, kCommandY);
    }
}

}  // namespace orvane
