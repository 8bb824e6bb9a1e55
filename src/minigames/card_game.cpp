// The moves of the game: the computer players, the human's two actions and the end of a round.
#include "minigames/card_game.h"

#include <algorithm>

#include "script/triggers.h"

namespace orvane {
namespace {

constexpr int kPictureMs = 2000;
constexpr int kFirstGalleryTrigger = 51;
constexpr int kLastGalleryTrigger = 62;

int CountCards(const Card* begin, const Card* end) {
    return static_cast<int>(std::count_if(begin, end, [](const Card& c) { return !c.Empty(); }));
}

}  // namespace

int CardGame::HandCount(int player) const {
    const CardHand& hand = Hand(player);
    return CountCards(hand.data(), hand.data() + hand.size());
}

int CardGame::TalonCount() const {
    return CountCards(Talon.data(), Talon.data() + Talon.size());
}

int CardGame::AttackCount() const {
    return CountCards(TableAttack.data(), TableAttack.data() + TableAttack.size());
}

bool CardGame::AnyUndefended() const {
    for (int k = 0; k < kTablePlaces; ++k) {
        if (!TableAttack[k].Empty() && TableDefence[k].Empty()) return true;
    }
    return false;
}

bool CardGame::Beats(const Card& card, const Card& target) const {
    if (card.suit == target.suit) return card.rank < target.rank;
    return card.suit == TrumpSuit;
}

template <class Fits>
int CardGame::FirstCardOf(int player, Fits fits) const {
    const CardHand& hand = Hand(player);
    for (int i = 0; i < kDeckSize && !hand[i].Empty(); ++i) {
        if (fits(hand[i])) return i;
    }
    return -1;
}

Card CardGame::TakeFromHand(int player, int index) {
    const Card card = Hand(player)[index];
    Hand(player)[index] = NoCard;
    return card;
}

void CardGame::ClearTable() {
    TableAttack.fill(NoCard);
    TableDefence.fill(NoCard);
}

void CardGame::TakeTable(int player) {
    CardHand& hand = Hand(player);
    auto takeInto = [&](const CardTable& places) {
        for (const Card& card : places) {
            if (card.Empty()) continue;
            const auto free =
                std::find_if(hand.begin(), hand.end(), [](const Card& c) { return c.Empty(); });
            if (free != hand.end()) *free = card;
        }
    };
    takeInto(TableAttack);
    takeInto(TableDefence);
    ClearTable();
}

void CardGame::ShowYourTurn() {
    view_.ShowYourTurn();
    view_.Present();
    view_.Wait(kPictureMs);
    view_.DrawTable();
}

bool CardGame::ShowsEndOfGame(bool unlockOnLoss) {
    const bool won = HandCount(1) == 0;
    if (!won && HandCount(2) != 0 && HandCount(3) != 0) return false;
    view_.ShowEnd(won);
    view_.Present();
    view_.Wait(kPictureMs);
    if (won || unlockOnLoss) UnlockNextGalleryPicture();
    GameOver = true;
    view_.ShowPlayAgain();
    return true;
}

std::vector<std::string> CardPrizeTriggers() {
    std::vector<std::string> names;
    for (int n = kFirstGalleryTrigger; n <= kLastGalleryTrigger; ++n) {
        names.push_back("gal_trg" + std::to_string(n));
    }
    return names;
}

void CardGame::UnlockNextGalleryPicture() {
    for (const std::string& name : CardPrizeTriggers()) {
        if (GetTrigger(triggers_, name).empty()) {
            SetTrigger(triggers_, name, "yes");
            return;
        }
    }
}

bool CardGame::EndRound() {
    SortHands();
    if (ActingPlayer == 1) {
        int talonPlace = 0;
        for (int player = 1; player <= 3; ++player) {
            CardHand& hand = Hand(player);
            for (int place = HandCount(player); place < kHandSize; ++place) {
                while (talonPlace < kDeckSize && Talon[talonPlace].Empty()) ++talonPlace;
                if (talonPlace == kDeckSize) break;
                hand[place] = Talon[talonPlace];
                Talon[talonPlace] = NoCard;
            }
        }
    }
    ClearTable();
    SortHands();
    view_.RestoreBackground();
    view_.DrawTable();
    // A loss found between rounds unlocks a picture too; one found during a move does not.
    return ShowsEndOfGame(true);
}

void CardGame::ComputerMove(int player, int nextPlayer) {
    if (ShowsEndOfGame(false)) return;
    const int attacks = AttackCount();

    if (AnyUndefended()) {
        // Only the last attack card is defended: an earlier one left open stays open until
        // somebody takes.
        if (player != 1) {
            const Card target = TableAttack[attacks - 1];
            const int i = FirstCardOf(player, [&](const Card& c) { return Beats(c, target); });
            if (i >= 0) TableDefence[attacks - 1] = TakeFromHand(player, i);
        }
        // A computer that cannot beat takes the cards when the human presses the button.
        ActingPlayer = 1;
        SortHands();
        view_.DrawTable();
        return;
    }

    if (player == 1) {
        // Never the human's cards played for them: the move goes back to the human.
        ActingPlayer = 1;
        view_.DrawTable();
        return;
    }

    if (attacks > 0) {
        if (attacks < kTablePlaces) {
            const Card attack = TableAttack[attacks - 1];
            const Card defence = TableDefence[attacks - 1];
            const int i = FirstCardOf(player, [&](const Card& c) {
                return c.rank == attack.rank || c.rank == defence.rank;
            });
            if (i >= 0) {
                TableAttack[attacks] = TakeFromHand(player, i);
                SortHands();
                ActingPlayer = Defender;
                view_.RestoreBackground();
                view_.DrawTable();
                return;
            }
        }
        view_.RestoreBackground();
        ClearTable();
        if (Defender == 1) {
            SortHands();
            ActingPlayer = 1;
            Defender = 2;
            if (EndRound()) return;
            view_.DrawTable();
            ShowYourTurn();
        } else {
            ActingPlayer = 3;
            Defender = 1;
            ComputerMove(3, 1);
            if (GameOver) return;
            SortHands();
            view_.DrawTable();
        }
        return;
    }

    // Lead with the cheapest plain card, or the lowest trump from a hand of trumps only.
    int i = FirstCardOf(player, [&](const Card& c) { return c.suit != TrumpSuit; });
    if (i < 0) i = 0;
    TableAttack[0] = TakeFromHand(player, i);
    SortHands();
    ActingPlayer = nextPlayer;
    view_.RestoreBackground();
    view_.DrawTable();
    if (ActingPlayer >= 1 && ActingPlayer <= 3) ComputerMove(ActingPlayer, 1);
}

bool CardGame::PlayHumanCard(int index) {
    if (GameOver || index < 0 || index >= kDeckSize || Hand(1)[index].Empty()) return false;
    const Card card = Hand(1)[index];
    const int attacks = AttackCount();

    if (Defender == 2 || Defender == 3) {
        const auto sameRank = [&](const Card& c) { return c.rank == card.rank; };
        const bool accepted = attacks < kTablePlaces &&
                              ((attacks == 0 && Defender == 2) ||
                               std::any_of(TableAttack.begin(), TableAttack.end(), sameRank) ||
                               std::any_of(TableDefence.begin(), TableDefence.end(), sameRank));
        if (!accepted) return false;
        TableAttack[attacks] = TakeFromHand(1, index);
        SortHands();
        view_.RestoreBackground();
        view_.DrawTable();
        if (Defender == 2) {
            ComputerMove(2, 1);
        } else {
            ComputerMove(3, 2);
        }
        return true;
    }

    if (ActingPlayer != 1 || attacks == 0 || !Beats(card, TableAttack[attacks - 1])) return false;
    TableDefence[attacks - 1] = TakeFromHand(1, index);
    SortHands();
    view_.RestoreBackground();
    view_.DrawTable();
    ActingPlayer = 2;
    // Player 2 throws in after the human's defence, whoever attacked.
    ComputerMove(2, 0);
    return true;
}

void CardGame::PressCommandButton() {
    if (GameOver || ActingPlayer != 1 || AttackCount() == 0) return;
    if (AnyUndefended()) {
        const int taker = Defender;
        TakeTable(taker);
        if (EndRound()) return;
        // Whoever took loses the next attack.
        if (taker == 2) {
            ActingPlayer = 3;
            Defender = 1;
            ComputerMove(3, 1);
        } else if (taker == 3) {
            ActingPlayer = 1;
            Defender = 2;
            view_.DrawTable();
            ShowYourTurn();
        } else {
            ActingPlayer = 2;
            Defender = 3;
            ComputerMove(2, 3);
        }
        return;
    }
    // Every attack card is beaten: the defender attacks next.
    const int defender = Defender;
    view_.RestoreBackground();
    ClearTable();
    if (EndRound()) return;
    SortHands();
    view_.DrawTable();
    if (defender == 2) {
        ActingPlayer = 2;
        Defender = 3;
        ComputerMove(2, 3);
    } else if (defender == 3) {
        ActingPlayer = 3;
        Defender = 1;
        ComputerMove(3, 1);
    }
}

}  // namespace orvane
