// A card game on a recording view, and helpers to lay out positions by hand.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "minigames/card_game.h"

namespace orvane::testing {

class RecordingView : public CardTableView {
public:
    void RestoreBackground() override { calls.push_back("restore"); }
    void DrawTable() override { calls.push_back("draw"); }
    void ShowYourTurn() override { calls.push_back("your_turn"); }
    void ShowEnd(bool won) override { calls.push_back(won ? "win" : "lose"); }
    void Present() override { calls.push_back("present"); }
    void Wait(int ms) override { calls.push_back("wait " + std::to_string(ms)); }
    void ShowPlayAgain() override { calls.push_back("play_again"); }

    int Count(const std::string& call) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }
    std::vector<std::string> calls;
};

class CardTest : public ::testing::Test {
protected:
    CardTest() {
        for (int n = 51; n <= 62; ++n) triggers.push_back("gal_trg" + std::to_string(n) + "=");
    }

    // Empties every place, then fills hands, talon and table from the lists.
    void Lay(std::initializer_list<Card> hand1, std::initializer_list<Card> hand2,
             std::initializer_list<Card> hand3, std::initializer_list<Card> talon = {},
             std::initializer_list<Card> attack = {}, std::initializer_list<Card> defence = {}) {
        for (CardHand& hand : game.Hands) hand.fill(NoCard);
        game.Talon.fill(NoCard);
        game.TableAttack.fill(NoCard);
        game.TableDefence.fill(NoCard);
        std::copy(hand1.begin(), hand1.end(), game.Hand(1).begin());
        std::copy(hand2.begin(), hand2.end(), game.Hand(2).begin());
        std::copy(hand3.begin(), hand3.end(), game.Hand(3).begin());
        std::copy(talon.begin(), talon.end(), game.Talon.begin());
        std::copy(attack.begin(), attack.end(), game.TableAttack.begin());
        std::copy(defence.begin(), defence.end(), game.TableDefence.begin());
        game.CardGameActive = true;
        game.GameOver = false;
        game.SortHands();
    }

    std::vector<Card> HandCards(int player) const {
        std::vector<Card> cards;
        for (const Card& card : game.Hand(player)) {
            if (!card.Empty()) cards.push_back(card);
        }
        return cards;
    }

    int Unlocked() const {
        return static_cast<int>(std::count_if(triggers.begin(), triggers.end(), [](auto& t) {
            return t.size() > 3 && t.compare(t.size() - 3, 3, "yes") == 0;
        }));
    }

    RecordingView view;
    RandomGenerator random;
    std::vector<std::string> triggers;
    CardGame game{view, random, triggers};
};

// No card lies twice in the hands, the talon and on the table (beaten cards leave the game),
// hands are compacted, and the attack cards fill places 0..n-1 with no defence beyond them.
// `inPlay` receives which cards are still in the game.
inline ::testing::AssertionResult CardsAreSound(const CardGame& game,
                                                bool (*inPlay)[kSuits] = nullptr) {
    int seen[kRanks][kSuits] = {};
    auto count = [&](const Card& card) -> bool {
        if (card.Empty()) return true;
        if (card.rank < 0 || card.rank >= kRanks || card.suit < 0 || card.suit >= kSuits) {
            return false;
        }
        ++seen[card.rank][card.suit];
        return true;
    };
    for (int player = 1; player <= 3; ++player) {
        const CardHand& hand = game.Hand(player);
        bool gap = false;
        for (const Card& card : hand) {
            if (!count(card)) return ::testing::AssertionFailure() << "bad card in a hand";
            if (card.Empty()) gap = true;
            if (gap && !card.Empty()) {
                return ::testing::AssertionFailure() << "hand " << player << " not compacted";
            }
        }
    }
    for (const Card& card : game.Talon) {
        if (!count(card)) return ::testing::AssertionFailure() << "bad card in the talon";
    }
    for (int k = 0; k < kTablePlaces; ++k) {
        if (!count(game.TableAttack[k]) || !count(game.TableDefence[k])) {
            return ::testing::AssertionFailure() << "bad card on the table";
        }
        if (k > 0 && !game.TableAttack[k].Empty() && game.TableAttack[k - 1].Empty()) {
            return ::testing::AssertionFailure() << "gap among the attack cards";
        }
        if (game.TableAttack[k].Empty() && !game.TableDefence[k].Empty()) {
            return ::testing::AssertionFailure() << "defence without attack at " << k;
        }
    }
    for (int r = 0; r < kRanks; ++r) {
        for (int s = 0; s < kSuits; ++s) {
            if (seen[r][s] > 1) {
                return ::testing::AssertionFailure()
                       << "card " << r << "." << s << " seen " << seen[r][s] << " times";
            }
            if (inPlay) inPlay[r][s] = seen[r][s] == 1;
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace orvane::testing
