// Whole card games by the rules alone, against a human who plays a random accepted action: what a
// table screen's handlers cost besides drawing.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "minigames/card_game.h"

namespace orvane {
namespace {

class SilentView : public CardTableView {
public:
    void RestoreBackground() override {}
    void DrawTable() override {}
    void ShowYourTurn() override {}
    void ShowEnd(bool) override {}
    void Present() override {}
    void Wait(int) override {}
    void ShowPlayAgain() override {}
};

void PlayRandomAction(CardGame& game, std::mt19937& chooser) {
    std::vector<int> actions;  // hand places; -1 the command button
    for (int i = 0; i < game.HandCount(1); ++i) actions.push_back(i);
    actions.push_back(-1);
    std::shuffle(actions.begin(), actions.end(), chooser);
    for (int action : actions) {
        if (action < 0) {
            if (game.ActingPlayer == 1 && game.AttackCount() > 0) {
                game.PressCommandButton();
                return;
            }
        } else if (game.PlayHumanCard(action)) {
            return;
        }
    }
}

void BM_CardGames(benchmark::State& bench) {
    SilentView view;
    RandomGenerator random;
    std::vector<std::string> triggers;
    CardGame game(view, random, triggers);
    std::mt19937 chooser(1);
    uint32_t clock = 1700000000;
    int64_t actions = 0;
    for (auto _ : bench) {
        game.DealCards(clock++);
        for (int n = 0; !game.GameOver && n < 1000; ++n) {
            PlayRandomAction(game, chooser);
            ++actions;
        }
    }
    bench.SetItemsProcessed(bench.iterations());
    bench.counters["actions_per_game"] =
        benchmark::Counter(static_cast<double>(actions) / static_cast<double>(bench.iterations()));
}
BENCHMARK(BM_CardGames)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvane
