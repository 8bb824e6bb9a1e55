#include "minigames/card.h"

namespace orvane {

std::string CardText(const Card& card) {
    if (card.Empty()) return "-";
    return std::to_string(card.rank) + "." + std::to_string(card.suit);
}

}  // namespace orvane
