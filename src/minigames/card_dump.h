// The card game's keys of the state dump.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "minigames/card_game.h"

namespace orvane {

// The table screen's own fields, which the dump shows beside the rules' state.
struct CardTableFields {
    int SelectedCard = kNoCard;  // place in the human's hand of the raised or dragged card
    int CardDragging = 0;
    int CardButtonHover = 0;
    // Replays chosen on the play-again screen; above 3 (a game from the menu) unlimited.
    int CardReplayCount = 0;
};

// card_active .. card_defence in the dump's order, values in decimal, flags 0/1, hands in hand
// order, talon places 0..17 and table places 0..5 with "-" for an empty place, joined by blanks.
std::vector<std::pair<std::string, std::string>> CardDumpValues(const CardGame& game,
                                                                const CardTableFields& table);

}  // namespace orvane
