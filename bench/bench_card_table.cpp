// One drawing of the card table on the demo game, which the table does at every move of the
// pointer off the hand: the rows of the background under the opponents, hands, table cards,
// counter, button, portraits and labels, the copy kept for dragging, and the present. Goal: under
// 1 ms. Argument 0: as dealt; 1: a crowded table (twelve cards in hand, six attacked and beaten).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "host/engine.h"
#include "platform/headless_platform.h"

namespace orvane {
namespace {

void Crowd(CardGame& game) {
    int next = 0;
    auto card = [&] { return Card{next % kRanks, (next++ / kRanks) % kSuits}; };
    for (CardHand& hand : game.Hands) hand.fill(NoCard);
    for (int i = 0; i < 12; ++i) game.Hand(1)[i] = card();
    for (int i = 0; i < 6; ++i) game.Hand(2)[i] = card();
    for (int k = 0; k < kTablePlaces; ++k) {
        game.TableAttack[k] = card();
        game.TableDefence[k] = card();
    }
    game.Defender = 2;
}

void BM_DrawCardTable(benchmark::State& state) {
    const std::filesystem::path game = ORVANE_DEMO_GAME;
    const std::filesystem::path player =
        std::filesystem::temp_directory_path() / "orvane-bench-card-table";
    std::filesystem::create_directories(player);
    {
        HeadlessPlatform platform;
        Engine engine(platform, {game, game, player});
        if (!engine.Start()) {
            state.SkipWithError("the demo game did not start");
        } else {
            engine.cardTable.StartFromMenu();
            if (state.range(0) == 1) Crowd(engine.cardTable.game);
            for (auto _ : state) engine.cardTable.DrawCardTable();
        }
        engine.FormDestroy();
    }
    std::filesystem::remove_all(player);
}
BENCHMARK(BM_DrawCardTable)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvane
