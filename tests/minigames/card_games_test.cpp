// Whole games against a human who picks a random action among those the table accepts.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "card_fixture.h"

namespace orvane {
namespace {

// Checks the cards at every moment the rules show the table.
class CheckingView : public CardTableView {
public:
    void RestoreBackground() override {}
    void DrawTable() override { Check(); }
    void ShowYourTurn() override {}
    void ShowEnd(bool won) override { won ? ++wins : ++losses; }
    void Present() override {}
    void Wait(int) override {}
    void ShowPlayAgain() override { ++playAgain; }

    // A new deal: all 36 cards are in play.
    void Start() {
        for (auto& rank : inPlay) std::fill(std::begin(rank), std::end(rank), true);
    }
    // No card doubled, and none back in play once it has left.
    void Check() {
        bool now[kRanks][kSuits];
        const ::testing::AssertionResult sound = testing::CardsAreSound(*game, now);
        if (!sound) {
            ADD_FAILURE() << sound.message();
            ++faults;
        }
        for (int r = 0; r < kRanks; ++r) {
            for (int s = 0; s < kSuits; ++s) {
                if (now[r][s] && !inPlay[r][s]) {
                    ADD_FAILURE() << "card " << r << "." << s << " came back";
                    ++faults;
                }
                inPlay[r][s] = now[r][s];
            }
        }
    }

    const CardGame* game = nullptr;
    bool inPlay[kRanks][kSuits] = {};
    int wins = 0, losses = 0, playAgain = 0, faults = 0;
};

// Tries the human's possible actions in random order and takes the first the table accepts.
bool PlayRandomAction(CardGame& game, std::mt19937& chooser) {
    std::vector<int> actions;  // hand places; -1 the command button
    for (int i = 0; i < game.HandCount(1); ++i) actions.push_back(i);
    actions.push_back(-1);
    std::shuffle(actions.begin(), actions.end(), chooser);
    for (int action : actions) {
        if (action < 0) {
            if (game.ActingPlayer == 1 && game.AttackCount() > 0) {
                game.PressCommandButton();
                return true;
            }
        } else if (game.PlayHumanCard(action)) {
            return true;
        }
    }
    return false;
}

TEST(CardGames, RandomHumanGamesKeepTheCardsSoundAndAlwaysEnd) {
    constexpr int kGames = 2000;
    constexpr int kMaxActions = 1000;
    CheckingView view;
    RandomGenerator random;
    std::vector<std::string> triggers;
    for (int n = 51; n <= 62; ++n) triggers.push_back("gal_trg" + std::to_string(n) + "=");
    CardGame game(view, random, triggers);
    view.game = &game;
    std::mt19937 chooser(7);

    for (int seed = 1; seed <= kGames && view.faults == 0; ++seed) {
        view.Start();
        const int ended = view.playAgain;
        game.DealCards(1700000000u + static_cast<uint32_t>(seed) * 7919u);
        view.Check();
        int actions = 0;
        while (!game.GameOver && actions < kMaxActions) {
            ASSERT_TRUE(PlayRandomAction(game, chooser)) << "no action accepted, seed " << seed;
            ++actions;
            view.Check();
        }
        ASSERT_TRUE(game.GameOver) << "game of seed " << seed << " did not end";
        ASSERT_EQ(view.playAgain, ended + 1) << "seed " << seed;
    }
    EXPECT_EQ(view.faults, 0);
    EXPECT_EQ(view.wins + view.losses, kGames);
    EXPECT_GT(view.wins, 0);
    EXPECT_GT(view.losses, 0);
}

}  // namespace
}  // namespace orvane
