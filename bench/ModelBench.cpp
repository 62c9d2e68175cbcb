#include "Game.h"
#include "GameRandom.h"
#include "GameRules.h"
#include "StatusOption.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>

namespace {

// Counts the draws, from which the placement attempts of a Generate follow.
class CountingRandom : public GameRandom {
public:
    using GameRandom::GameRandom;
    int64_t draws = 0;

protected:
    int32_t Next() override
    {
        ++draws;
        return GameRandom::Next();
    }
};

// A game on a counting random source, with a player that wanders on its own.
struct Bench {
    CountingRandom random{12345};
    StatusOption status;
    Game game{random, status};
    GamePlayer& player = game.player();
    GameEnemy& enemy = game.enemy();
    GameField& field = game.field();

    // A neighbour the player may enter, trying them in turn so the piece wanders;
    // its own cell when none fits.
    int32_t NextCell() const
    {
        const int32_t from = player.cellIndex();
        const auto list = field.Neighbours(from);
        for (size_t i = 0; i < list.size(); ++i) {
            const int32_t c = list[(i + static_cast<size_t>(player.totalMoves())) % list.size()];
            if (Rules::MayEnter(field.pattern(), from, c, player.cycleMoves(), field.Cell(c).enemy >= 0))
                return c;
        }
        return from;
    }
};

void BM_Generate(benchmark::State& state)
{
    const FieldOption option{static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)),
                             static_cast<int32_t>(state.range(2))};
    Bench bench;
    bench.field.SetOption(option);
    // A partition of N cells takes 5 draws per cut and N for the shuffle; every
    // placement attempt takes one draw per obstacle and trap.
    const int64_t partitionDraws = 6 * int64_t{option.cell} - 5;
    const int64_t perAttempt = option.obstacle + option.trap;
    int64_t generates = 0;
    int64_t attempts = 0;
    int64_t maxAttempts = 0;
    for (auto _ : state) {
        const int64_t before = bench.random.draws;
        bench.field.Generate();
        const int64_t used = bench.random.draws - before - partitionDraws;
        const int64_t n = perAttempt > 0 ? used / perAttempt : 1;
        attempts += n;
        maxAttempts = std::max(maxAttempts, n);
        ++generates;
    }
    state.counters["attempts_mean"] = static_cast<double>(attempts) / static_cast<double>(generates);
    state.counters["attempts_max"] = static_cast<double>(maxAttempts);
}
BENCHMARK(BM_Generate)
    ->ArgNames({"cell", "obstacle", "trap"})
    ->Args({24, 0, 0})
    ->Args({32, 3, 2})
    ->Args({40, 5, 5})
    ->Args({24, 5, 5});

void BM_Chase(benchmark::State& state)
{
    Bench bench;
    bench.enemy.SetCount(5);
    bench.game.ChangeState(GameState::Started);
    for (auto _ : state)
        benchmark::DoNotOptimize(bench.enemy.Chase());
}
BENCHMARK(BM_Chase);

// Three moves, the last of which lets the enemies chase; a clear, a catch or a
// piece with no way on starts a new pattern.
void BM_MoveCycle(benchmark::State& state)
{
    Bench bench;
    bench.game.ChangeState(GameState::Started);
    for (auto _ : state) {
        for (int i = 0; i < 3; ++i) {
            const MoveReport move = bench.player.Move(bench.NextCell());
            if (!move.made() || move.state() != GameState::None) {
                state.PauseTiming();
                bench.game.ChangeState(GameState::Started);
                state.ResumeTiming();
                break;
            }
        }
        bench.field.ClearChanged();
    }
}
BENCHMARK(BM_MoveCycle);

} // namespace

BENCHMARK_MAIN();
