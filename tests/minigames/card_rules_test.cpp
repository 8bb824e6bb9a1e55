#include <gtest/gtest.h>

#include <vector>

#include "card_fixture.h"
#include "minigames/card_dump.h"

namespace orvane {
namespace {

using testing::CardTest;

TEST_F(CardTest, BeatsBySuitThenByTrump) {
    game.TrumpSuit = 1;
    struct Case {
        Card card, target;
        bool beats;
    } cases[] = {
        {{5, 0}, {7, 0}, true},                            // same plain suit, higher card
        {{7, 0}, {5, 0}, false},                           // same plain suit, lower card
        {{8, 1}, {0, 0}, true},                            // any trump over any plain card
        {{0, 0}, {8, 1}, false},                           // no plain card over a trump
        {{3, 1}, {5, 1}, true},                            // trumps among themselves by rank
        {{5, 1}, {3, 1}, false}, {{0, 2}, {8, 0}, false},  // another plain suit never beats
    };
    for (const Case& c : cases) {
        EXPECT_EQ(game.Beats(c.card, c.target), c.beats)
            << CardText(c.card) << " on " << CardText(c.target);
    }
}

// The deal as the rules draw it: rank then suit per card, repeats drawn again.
std::vector<Card> DealPass(RandomGenerator& random) {
    std::vector<Card> cards;
    while (cards.size() < kDeckSize) {
        Card card;
        card.rank = random.Random(kRanks);
        card.suit = random.Random(kSuits);
        if (std::find(cards.begin(), cards.end(), card) == cards.end()) cards.push_back(card);
    }
    return cards;
}

bool AnyHandOneSuit(const std::vector<Card>& cards) {
    for (int player = 0; player < 3; ++player) {
        bool same = true;
        for (int i = 1; i < kHandSize; ++i) {
            same = same && cards[player * kHandSize + i].suit == cards[player * kHandSize].suit;
        }
        if (same) return true;
    }
    return false;
}

TEST_F(CardTest, DealIsSeededByTheClockAndARedealContinuesTheSequence) {
    uint32_t redealSeed = 0;
    for (uint32_t seed = 1; seed < 200000 && redealSeed == 0; ++seed) {
        RandomGenerator probe;
        probe.Seed(seed);
        if (AnyHandOneSuit(DealPass(probe))) redealSeed = seed;
    }
    ASSERT_NE(redealSeed, 0u);

    for (uint32_t seed : {12345u, redealSeed}) {
        SCOPED_TRACE(seed);
        RandomGenerator expected;
        expected.Seed(seed);
        std::vector<Card> deal = DealPass(expected);
        const std::vector<Card> first = deal;
        while (AnyHandOneSuit(deal)) deal = DealPass(expected);
        const int trump = expected.Random(kSuits);
        if (seed == redealSeed) {
            EXPECT_NE(deal, first);
        }

        random.Seed(999);  // the deal seeds the generator itself
        game.DealCards(seed);
        EXPECT_TRUE(testing::CardsAreSound(game));
        EXPECT_EQ(game.TrumpSuit, trump);
        for (int i = 0; i < kTalonDealt; ++i) EXPECT_EQ(game.Talon[i], deal[18 + i]) << i;
        EXPECT_EQ(game.TalonCount(), kTalonDealt);
        const int defended =
            static_cast<int>(std::count_if(game.TableDefence.begin(), game.TableDefence.end(),
                                           [](auto& c) { return !c.Empty(); }));
        EXPECT_EQ(game.HandCount(1) + game.HandCount(2) + game.HandCount(3) + game.AttackCount() +
                      defended,
                  18);
        EXPECT_TRUE(game.CardGameActive);
        EXPECT_EQ(game.ActingPlayer, 1);  // a computer that starts has led and been answered
    }
}

TEST_F(CardTest, FirstAttacker) {
    struct Case {
        const char* name;
        std::vector<Card> hands;  // 6 per player
        int expected;             // 0: random 1 or 2
    } cases[] = {
        {"holder of the lowest trump",
         {{0, 1},
          {1, 1},
          {2, 1},
          {3, 1},
          {4, 1},
          {5, 1},
          {0, 2},
          {1, 2},
          {2, 2},
          {3, 2},
          {4, 2},
          {5, 2},
          {6, 2},
          {7, 2},
          {8, 2},
          {6, 1},
          {7, 1},
          {8, 0}},
         3},
        {"only holder of rank 8",
         {{0, 1},
          {1, 1},
          {2, 1},
          {3, 1},
          {4, 1},
          {5, 1},
          {8, 2},
          {1, 2},
          {2, 2},
          {3, 2},
          {4, 2},
          {5, 2},
          {6, 2},
          {7, 2},
          {0, 2},
          {6, 1},
          {7, 1},
          {7, 3}},
         2},
        {"rank 8 twice, rank 7 once",
         {{7, 1},
          {1, 1},
          {2, 1},
          {3, 1},
          {4, 1},
          {5, 1},
          {8, 2},
          {1, 2},
          {2, 2},
          {3, 2},
          {4, 2},
          {5, 2},
          {6, 2},
          {0, 2},
          {8, 1},
          {6, 1},
          {0, 1},
          {6, 3}},
         1},
        {"every rank held twice",
         {{0, 0},
          {1, 0},
          {2, 0},
          {3, 0},
          {4, 0},
          {5, 0},
          {0, 1},
          {1, 1},
          {2, 1},
          {6, 1},
          {7, 1},
          {8, 1},
          {3, 2},
          {4, 2},
          {5, 2},
          {6, 2},
          {7, 2},
          {8, 2}},
         0},
    };
    game.TrumpSuit = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int player = 1; player <= 3; ++player) {
            game.Hand(player).fill(NoCard);
            for (int i = 0; i < kHandSize; ++i) {
                game.Hand(player)[i] = c.hands[(player - 1) * kHandSize + i];
            }
        }
        RandomGenerator expected = random;
        const int first = game.FirstAttacker();
        EXPECT_EQ(first, c.expected ? c.expected : expected.Random(2) + 1);
    }
}

TEST_F(CardTest, HumanHandStartsWithTheHighestTrumpComputersWithTheLowest) {
    game.TrumpSuit = 2;
    const std::initializer_list<Card> cards = {{3, 0}, {8, 2}, {0, 2}, {5, 3}, {1, 0}, {4, 2}};
    Lay(cards, cards, {});
    const std::vector<Card> human = {{0, 2}, {4, 2}, {8, 2}, {1, 0}, {3, 0}, {5, 3}};
    const std::vector<Card> computer = {{8, 2}, {4, 2}, {0, 2}, {3, 0}, {1, 0}, {5, 3}};
    EXPECT_EQ(HandCards(1), human);
    EXPECT_EQ(HandCards(2), computer);
}

TEST_F(CardTest, ComputerDefendsTheLastAttackCardWithItsCheapestCard) {
    game.TrumpSuit = 1;
    game.Defender = 2;
    game.ActingPlayer = 1;
    // A plain attack is beaten by the lowest trump before a higher card of its suit.
    Lay({{5, 0}, {8, 3}}, {{2, 0}, {3, 1}, {7, 1}}, {{0, 3}});
    ASSERT_TRUE(game.PlayHumanCard(0));  // {5,0}: the human's trump-free hand sorts by suit
    EXPECT_EQ(game.TableDefence[0], (Card{7, 1}));
    EXPECT_EQ(game.ActingPlayer, 1);

    // An earlier card left open stays open: only the last attack card is answered.
    Lay({{6, 3}, {1, 2}}, {{0, 0}, {2, 3}}, {{0, 2}, {5, 2}}, {}, {{6, 0}});
    ASSERT_TRUE(game.PlayHumanCard(1));
    EXPECT_EQ(game.TableDefence[1], (Card{2, 3}));
    EXPECT_TRUE(game.TableDefence[0].Empty());
    EXPECT_EQ(game.ActingPlayer, 1);

    // A computer that cannot beat leaves the card for the button, which makes it take.
    view.calls.clear();
    game.PressCommandButton();
    EXPECT_EQ(HandCards(2), (std::vector<Card>{{6, 0}, {0, 0}, {6, 3}, {2, 3}}));
    EXPECT_EQ(game.Defender, 1);  // the taker loses its attack: player 3 leads at the human
    EXPECT_EQ(game.TableAttack[0], (Card{5, 2}));
    EXPECT_EQ(game.ActingPlayer, 1);
}

TEST_F(CardTest, ComputerThrowsInOnlyTheRanksOfTheLastPair) {
    game.TrumpSuit = 1;
    // Player 3 attacks the human; after the human beats the last card player 2 may throw in.
    struct Case {
        Card playerTwo;
        bool throwsIn;
    } cases[] = {{{4, 3}, false}, {{1, 3}, false}, {{6, 3}, true}, {{3, 3}, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(CardText(c.playerTwo));
        game.Defender = 1;
        game.ActingPlayer = 1;
        Lay({{3, 2}, {0, 0}}, {c.playerTwo, {8, 0}}, {{5, 3}, {7, 3}}, {}, {{4, 0}, {6, 2}},
            {{1, 0}});
        view.calls.clear();
        ASSERT_TRUE(game.PlayHumanCard(1));  // {3,2} beats {6,2}
        if (c.throwsIn) {
            EXPECT_EQ(game.TableAttack[2], c.playerTwo);
            EXPECT_EQ(game.ActingPlayer, 1);
            EXPECT_EQ(game.Defender, 1);
        } else {
            // The round ends with everything beaten and the human attacks next.
            EXPECT_TRUE(game.TableAttack[0].Empty());
            EXPECT_EQ(game.Defender, 2);
            EXPECT_EQ(game.ActingPlayer, 1);
            EXPECT_EQ(view.Count("your_turn"), 1);
        }
    }
}

TEST_F(CardTest, ComputerLeadsItsCheapestPlainCardOrItsLowestTrump) {
    game.TrumpSuit = 1;
    struct Case {
        std::initializer_list<Card> hand;
        Card lead;
    } cases[] = {
        {{{3, 2}, {8, 1}, {5, 0}, {2, 0}}, {5, 0}},
        {{{2, 1}, {7, 1}, {5, 1}}, {7, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(CardText(c.lead));
        game.Defender = 1;
        game.ActingPlayer = 3;
        Lay({{0, 3}}, {{1, 3}}, c.hand);
        game.ComputerMove(3, 1);
        EXPECT_EQ(game.TableAttack[0], c.lead);
        EXPECT_EQ(game.ActingPlayer, 1);
    }
}

TEST_F(CardTest, SixAttackCardsAtMost) {
    game.TrumpSuit = 3;
    game.Defender = 2;
    game.ActingPlayer = 1;
    const std::initializer_list<Card> attack = {{8, 0}, {8, 1}, {8, 2}, {7, 0}, {7, 1}, {7, 2}};
    const std::initializer_list<Card> beaten = {{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2}};
    Lay({{8, 3}, {7, 3}}, {{5, 0}}, {{5, 1}}, {}, attack, beaten);
    EXPECT_FALSE(game.PlayHumanCard(0));
    EXPECT_EQ(game.AttackCount(), 6);
    EXPECT_EQ(game.HandCount(1), 2);

    // When the human beats a sixth card, player 2's matching card is not thrown in.
    game.Defender = 1;
    Lay({{0, 3}, {5, 2}}, {{5, 0}, {2, 2}}, {{3, 2}}, {}, attack,
        {{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}});
    ASSERT_TRUE(game.PlayHumanCard(1));  // {5,2} on {7,2}
    EXPECT_EQ(game.AttackCount(), 0);
    EXPECT_EQ(HandCards(2), (std::vector<Card>{{5, 0}, {2, 2}}));
    EXPECT_EQ(game.Defender, 2);
}

TEST_F(CardTest, ShortTalonRefillsThePlayersInOrder) {
    game.TrumpSuit = 0;
    game.ActingPlayer = 1;
    Lay({{0, 1}, {1, 1}, {2, 1}}, {{0, 2}, {1, 2}, {2, 2}, {3, 2}}, {{0, 3}, {1, 3}},
        {NoCard, NoCard, {5, 1}, {5, 2}, NoCard, {5, 3}, {6, 1}});
    EXPECT_FALSE(game.EndRound());
    EXPECT_EQ(HandCards(1), (std::vector<Card>{{0, 1}, {1, 1}, {2, 1}, {5, 1}, {5, 2}, {5, 3}}));
    EXPECT_EQ(game.HandCount(2), 5);
    EXPECT_EQ(game.Hand(2)[0], (Card{6, 1}));  // the plain suits run from the lowest card up
    EXPECT_EQ(game.HandCount(3), 2);
    EXPECT_EQ(game.TalonCount(), 0);
}

TEST_F(CardTest, EndOfGameOnBothPaths) {
    game.TrumpSuit = 0;
    const std::vector<std::string> ending = {"win", "present", "wait 2000", "play_again"};

    // The human plays the last card: won, one picture unlocked, nothing runs afterwards.
    game.Defender = 2;
    game.ActingPlayer = 1;
    Lay({{5, 1}}, {{0, 1}, {3, 2}}, {{4, 3}}, {{7, 2}});
    view.calls.clear();
    ASSERT_TRUE(game.PlayHumanCard(0));
    EXPECT_TRUE(game.GameOver);
    EXPECT_EQ(std::vector<std::string>(view.calls.end() - 4, view.calls.end()), ending);
    EXPECT_EQ(triggers[0], "gal_trg51=yes");
    EXPECT_FALSE(game.PlayHumanCard(0));

    // A computer leads its last card: lost during a move, nothing unlocked.
    game.Defender = 1;
    Lay({{5, 1}}, {{0, 1}}, {{4, 3}});
    view.calls.clear();
    game.ComputerMove(3, 1);
    EXPECT_EQ(view.Count("lose"), 1);
    EXPECT_EQ(view.calls.back(), "play_again");
    EXPECT_EQ(Unlocked(), 1);

    // A computer beat the last attack with its last card and the talon is empty: lost between
    // rounds, which unlocks the next picture, and the defender does not lead afterwards.
    game.Defender = 3;
    game.ActingPlayer = 1;
    Lay({{5, 1}, {6, 2}}, {{0, 1}}, {}, {}, {{7, 3}}, {{4, 3}});
    view.calls.clear();
    game.PressCommandButton();
    EXPECT_EQ(view.Count("lose"), 1);
    EXPECT_EQ(view.calls.back(), "play_again");
    EXPECT_EQ(triggers[1], "gal_trg52=yes");
    EXPECT_EQ(game.AttackCount(), 0);

    // Every picture already has a value (any value): a win changes nothing but still ends.
    for (std::string& entry : triggers) entry = entry.substr(0, entry.find('=')) + "=no";
    const std::vector<std::string> before = triggers;
    game.Defender = 2;
    Lay({{5, 1}}, {{0, 1}}, {{4, 3}});
    ASSERT_TRUE(game.PlayHumanCard(0));
    EXPECT_EQ(triggers, before);
    EXPECT_EQ(view.calls.back(), "play_again");
}

TEST_F(CardTest, DumpValues) {
    game.TrumpSuit = 2;
    game.Defender = 3;
    game.ActingPlayer = 1;
    Lay({{0, 2}, {4, 0}}, {{8, 1}}, {}, {NoCard, {3, 3}}, {{6, 1}}, {{1, 1}});
    CardTableFields table;
    table.CardReplayCount = 4;
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"card_active", "1"},
        {"card_trump", "2"},
        {"card_acting", "1"},
        {"card_defender", "3"},
        {"card_selected", "111"},
        {"card_dragging", "0"},
        {"card_button_hover", "0"},
        {"card_replays", "4"},
        {"card_hand1", "0.2 4.0"},
        {"card_hand2", "8.1"},
        {"card_hand3", ""},
        {"card_talon", "- 3.3 - - - - - - - - - - - - - - - -"},
        {"card_attack", "6.1 - - - - -"},
        {"card_defence", "1.1 - - - - -"},
    };
    EXPECT_EQ(CardDumpValues(game, table), expected);
}

}  // namespace
}  // namespace orvane
