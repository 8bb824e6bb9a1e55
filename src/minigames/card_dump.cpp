#include "minigames/card_dump.h"

namespace orvane {
namespace {

std::string JoinPlaces(const Card* begin, const Card* end, bool skipEmpty) {
    std::string text;
    for (const Card* card = begin; card != end; ++card) {
        if (skipEmpty && card->Empty()) continue;
        if (!text.empty()) text += ' ';
        text += CardText(*card);
    }
    return text;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> CardDumpValues(const CardGame& game,
                                                                const CardTableFields& table) {
    std::vector<std::pair<std::string, std::string>> values = {
        {"card_active", game.CardGameActive ? "1" : "0"},
        {"card_trump", std::to_string(game.TrumpSuit)},
        {"card_acting", std::to_string(game.ActingPlayer)},
        {"card_defender", std::to_string(game.Defender)},
        {"card_selected", std::to_string(table.SelectedCard)},
        {"card_dragging", std::to_string(table.CardDragging)},
        {"card_button_hover", std::to_string(table.CardButtonHover)},
        {"card_replays", std::to_string(table.CardReplayCount)},
    };
    for (int player = 1; player <= 3; ++player) {
        const CardHand& hand = game.Hand(player);
        values.emplace_back("card_hand" + std::to_string(player),
                            JoinPlaces(hand.data(), hand.data() + hand.size(), true));
    }
    values.emplace_back("card_talon",
                        JoinPlaces(game.Talon.data(), game.Talon.data() + kTalonDealt, false));
    values.emplace_back("card_attack", JoinPlaces(game.TableAttack.data(),
                                                  game.TableAttack.data() + kTablePlaces, false));
    values.emplace_back("card_defence", JoinPlaces(game.TableDefence.data(),
                                                   game.TableDefence.data() + kTablePlaces, false));
    return values;
}

}  // namespace orvane
