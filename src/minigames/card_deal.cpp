// The deal, the first attacker and the order of the hands.
#include <algorithm>

#include "minigames/card_game.h"

namespace orvane {
namespace {

// A deal runs out of fresh cards only at the very end, so this many draws in a row that all hit
// dealt cards means the generator has fallen into a cycle that misses the rest of the deck.
constexpr int kMaxDraws = 1 << 16;

bool AllOneSuit(const CardHand& hand) {
    return std::all_of(hand.begin(), hand.begin() + kHandSize,
                       [&](const Card& card) { return card.suit == hand[0].suit; });
}

}  // namespace

Card CardGame::DrawNewCard(std::vector<Card>& dealt) {
    for (int draw = 0; draw < kMaxDraws; ++draw) {
        Card card;
        card.rank = random_.Random(kRanks);
        card.suit = random_.Random(kSuits);
        if (std::find(dealt.begin(), dealt.end(), card) == dealt.end()) {
            dealt.push_back(card);
            return card;
        }
    }
    // Never hang a deal on an unlucky generator: take the first card still in the deck.
    for (int rank = 0; rank < kRanks; ++rank) {
        for (int suit = 0; suit < kSuits; ++suit) {
            const Card card{rank, suit};
            if (std::find(dealt.begin(), dealt.end(), card) == dealt.end()) {
                dealt.push_back(card);
                return card;
            }
        }
    }
    return NoCard;
}

void CardGame::Deal() {
    for (CardHand& hand : Hands) hand.fill(NoCard);
    Talon.fill(NoCard);
    ClearTable();
    std::vector<Card> dealt;
    dealt.reserve(kDeckSize);
    for (CardHand& hand : Hands) {
        for (int i = 0; i < kHandSize; ++i) hand[i] = DrawNewCard(dealt);
    }
    for (int i = 0; i < kTalonDealt; ++i) Talon[i] = DrawNewCard(dealt);
}

int CardGame::FirstAttacker() {
    const Card lowestTrump{kRanks - 1, TrumpSuit};
    for (int player = 1; player <= 3; ++player) {
        const CardHand& hand = Hand(player);
        if (std::find(hand.begin(), hand.begin() + kHandSize, lowestTrump) !=
            hand.begin() + kHandSize) {
            return player;
        }
    }
    for (int rank = kRanks - 1; rank >= 0; --rank) {
        int holders = 0;
        int holder = 0;
        for (int player = 1; player <= 3; ++player) {
            const CardHand& hand = Hand(player);
            if (std::any_of(hand.begin(), hand.begin() + kHandSize,
                            [&](const Card& card) { return card.rank == rank; })) {
                ++holders;
                holder = player;
            }
        }
        if (holders == 1) return holder;
    }
    return random_.Random(2) + 1;
}

void CardGame::DealCards(uint32_t clockSeconds) {
    // A redeal continues the sequence instead of seeding again, so that it deals differently.
    random_.Seed(clockSeconds);
    for (;;) {
        Deal();
        if (!AllOneSuit(Hand(1)) && !AllOneSuit(Hand(2)) && !AllOneSuit(Hand(3))) break;
    }
    TrumpSuit = random_.Random(kSuits);
    const int first = FirstAttacker();
    SortHands();
    CardGameActive = true;
    GameOver = false;
    Defender = NextCardPlayer(first);
    ActingPlayer = first;
    if (first == 2) ComputerMove(2, 3);
    if (first == 3) ComputerMove(3, 1);
    if (GameOver) return;
    view_.RestoreBackground();
    view_.DrawTable();
    if (Defender == 2) ShowYourTurn();
}

void CardGame::SortHands() {
    for (int player = 1; player <= 3; ++player) {
        CardHand& hand = Hand(player);
        bool held[kSuits][kRanks] = {};
        for (const Card& card : hand) {
            if (card.rank >= 0 && card.rank < kRanks && card.suit >= 0 && card.suit < kSuits) {
                held[card.suit][card.rank] = true;
            }
        }
        hand.fill(NoCard);
        int place = 0;
        // The human sees the strongest trump first; a computer takes the first card that fits,
        // so its hand runs from the cheapest card up.
        auto takeSuit = [&](int suit) {
            for (int i = 0; i < kRanks; ++i) {
                const int rank = player == 1 ? i : kRanks - 1 - i;
                if (held[suit][rank]) hand[place++] = Card{rank, suit};
            }
        };
        if (TrumpSuit >= 0 && TrumpSuit < kSuits) takeSuit(TrumpSuit);
        for (int suit = 0; suit < kSuits; ++suit) {
            if (suit != TrumpSuit) takeSuit(suit);
        }
    }
}

}  // namespace orvane
