// One card of the 36-card deck, and the places that hold cards.
#pragma once

#include <array>
#include <string>

namespace orvane {

// An empty place holds this value in both fields; a place is tested by its rank alone.
inline constexpr int kNoCard = 111;

struct Card {
    int rank = kNoCard;  // 0 the highest .. 8 the lowest
    int suit = kNoCard;  // 0..3

    bool Empty() const { return rank == kNoCard; }
    bool operator==(const Card&) const = default;
};

inline constexpr Card NoCard{};
inline constexpr int kRanks = 9;
inline constexpr int kSuits = 4;
inline constexpr int kDeckSize = kRanks * kSuits;
inline constexpr int kHandSize = 6;     // a hand is refilled up to this
inline constexpr int kTalonDealt = 18;  // talon places 0..17 receive the undealt cards
inline constexpr int kTablePlaces = 6;

// A hand has room for the whole deck, since taking may pile up every card in one hand.
using CardHand = std::array<Card, kDeckSize>;
using CardTalon = std::array<Card, kDeckSize>;
using CardTable = std::array<Card, kTablePlaces>;

// "RANK.SUIT", or "-" for an empty place.
std::string CardText(const Card& card);

}  // namespace orvane
