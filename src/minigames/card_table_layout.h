// Where the card table keeps its pictures and where it draws them, in the 1024 x 768 frame.
// Source rectangles are (left, top, right, bottom), right and bottom exclusive.
#pragma once

#include "minigames/card.h"
#include "render/surface.h"

namespace orvane::card_table {

inline constexpr int kTableMode = 3;
inline constexpr int kPlayAgainMode = 31;

// The slots of the table's pictures.
inline constexpr int kSlotTable = 12;  // the scene (or backdrop) with the deck blended over it
inline constexpr int kSlotDeck = 13;
inline constexpr int kSlotFaces = 14;
inline constexpr int kSlotBack = 15;
inline constexpr int kSlotIcons = 16;  // trump icons and the opponents' role labels
inline constexpr int kSlotAvatarLeft = 17;
inline constexpr int kSlotAvatarRight = 18;
inline constexpr int kSlotTalonLabel = 19;
inline constexpr int kSlotYourTurn = 20;
inline constexpr int kSlotNumerals = 21;
inline constexpr int kSlotPlayAgain = 22;
inline constexpr int kSlotPlayAgainYes = 23;
inline constexpr int kSlotPlayAgainNo = 24;
inline constexpr int kSlotDrawnTable = 25;  // the last table drawn, under a dragged card
inline constexpr int kSlotTrumpMarker = 26;
inline constexpr int kSlotCommands = 27;
inline constexpr int kSlotTalonPlate = 28;
inline constexpr int kSlotYouWin = 29;
inline constexpr int kSlotYouLose = 30;
inline constexpr int kSlotTakeGreen = 31;

inline constexpr int kDeckY = 250;
inline constexpr Rect kDeckArea{0, 0, 1024, 298};

// A card face of "cards_all.bmp": rank r, suit s at x 95r, y 134s, 96 x 134.
inline constexpr int kFaceStepX = 95;
inline constexpr int kFaceStepY = 134;
inline constexpr int kFaceWidth = 96;
inline constexpr int kFaceHeight = 134;
inline Rect FaceOf(const Card& card) {
    const int x = kFaceStepX * card.rank, y = kFaceStepY * card.suit;
    return {x, y, x + kFaceWidth, y + kFaceHeight};
}

// The human's hand along the bottom: place i at min(i * step, 928), step = 1024 / cards.
inline constexpr int kHandY = 600;
inline constexpr int kRaisedY = 585;
inline constexpr int kLastCardX = 928;
inline constexpr int kHandWidth = 1024;
inline int HandStep(int cards) {
    return cards > 0 ? kHandWidth / cards : kHandWidth;
}

// The opponents' card backs fan over 200 pixels from these points.
inline constexpr Rect kBackArea{0, 0, 54, 77};
inline constexpr int kBacksWidth = 200;
inline constexpr int kBacksY = 5;
inline constexpr int kLeftBacksX = 15;
inline constexpr int kRightBacksX = 785;

struct Spot {
    int x, y;
};
inline constexpr Spot kAttackSpots[kTablePlaces] = {{196, 281}, {511, 281}, {826, 281},
                                                    {38, 408},  {354, 408}, {668, 408}};
// Each defence card lies 69 to the right of and 14 above its attack card.
inline constexpr Spot kDefenceSpots[kTablePlaces] = {{265, 267}, {580, 267}, {895, 267},
                                                     {107, 394}, {423, 394}, {737, 394}};

inline constexpr Rect kTrumpMarkerArea{0, 0, 72, 77};
inline constexpr Spot kTrumpMarkerAt{476, 15};
inline constexpr Spot kTrumpIconAt{491, 41};
inline constexpr int kTrumpIconSize = 40;
// The icon of suit s starts at this x of the icons picture.
inline constexpr int kTrumpIconX[kSuits] = {0, 80, 120, 40};

inline constexpr Rect kTalonPlateArea{0, 0, 200, 32};
inline constexpr Spot kTalonPlateAt{413, 99};
inline constexpr Rect kTalonLabelArea{0, 0, 132, 11};
inline constexpr Spot kTalonLabelAt{435, 110};
inline constexpr int kDigitHeight = 13;
inline constexpr Spot kFirstDigitAt{569, 109};
inline constexpr Spot kSecondDigitAt{580, 109};

// The command button's states in "cards_commands.bmp", 31 rows high.
inline constexpr int kCommandHeight = 31;
inline constexpr Rect kEndRoundButton{833, 0, 993, kCommandHeight};
inline constexpr Rect kTakeButton{500, 0, 662, kCommandHeight};  // the human takes
inline constexpr Rect kDefenderTakesButton{167, 0, 331, kCommandHeight};
inline constexpr Rect kDefenderTakesLit{0, 0, 166, kCommandHeight};
inline constexpr Rect kEndRoundLit{666, 0, 832, kCommandHeight};
inline constexpr Rect kTakeLit{333, 0, 499, kCommandHeight};
inline constexpr int kCommandY = 570;
// Where a press or the pointer finds the button (exclusive bounds).
inline constexpr Rect kCommandHit{421, 566, 570, 590};

inline constexpr Rect kAvatarArea{0, 0, 146, 82};
inline constexpr Spot kLeftAvatarAt{10, 135};    // player 2: "avatar_right.jpg"
inline constexpr Spot kRightAvatarAt{870, 135};  // player 3: "avatar_left.jpg"

// The opponents' role labels of the icons picture, 27 rows high, by Defender 1..3.
inline constexpr int kLabelHeight = 27;
inline constexpr Spot kLeftLabelAt{165, 162};
inline constexpr Spot kRightLabelAt{700, 162};
struct LabelColumns {
    int left, right;
};
inline constexpr LabelColumns kLeftLabels[3] = {{161, 327}, {161, 327}, {328, 494}};
inline constexpr LabelColumns kRightLabels[3] = {{655, 821}, {495, 653}, {494, 654}};

inline constexpr Rect kYourTurnArea{0, 0, 166, 31};
inline constexpr Spot kYourTurnAt{720, 570};
inline constexpr Rect kEndPictureArea{0, 0, 200, 32};
inline constexpr Spot kEndPictureAt{420, 568};

// A card is played when dropped strictly between these rows.
inline constexpr int kDropTop = 256;
inline constexpr int kDropBottom = 550;

// The play-again question: the buttons (exclusive bounds) and the part of "play_y.bmp" or
// "play_n.bmp" that lights them.
inline constexpr Rect kYesButton{436, 241, 586, 260};
inline constexpr Rect kNoButton{436, 268, 586, 285};
inline constexpr Rect kPlayAgainLit{430, 235, 590, 295};
inline constexpr int kReplayLimit = 3;
// Replays from the main menu: above the limit, so never used up.
inline constexpr int kUnlimitedReplays = 4;

// Whether (x, y) lies in `r`, left and top inclusive: the rectangles above that are hit areas
// hold the first pixel inside the original's exclusive bounds.
inline bool Inside(const Rect& r, int x, int y) {
    return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
}

}  // namespace orvane::card_table
