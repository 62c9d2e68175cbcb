// How quickly the solver decides the patterns a start deals, how short the ways it hints
// are, and how long a start takes when only patterns proved clearable are dealt.
//
//   build/bin/solver_bench [--patterns N] [--budget SECONDS] [--walks N] [--fair N] [--only 32/3/2/3]
//                         [--positions N]
//
// For each option set it deals the patterns of seeds 1 to N (numbers such as 32-3-2-3-35,
// to play one in the game), gives the search from each start the budget on this one
// thread, and prints what was decided, the median and 99th percentile of the times to the
// verdict, the most memory one search held, and for how many the par was proved by the end
// of the budget (the median time to the par comes on the next line). Then it follows
// the hints from the start of clearable patterns to the clear (at least 50 walks unless
// --walks says otherwise), one solver across each walk as the game keeps it, the enemies'
// orders drawn by the game, each search on the way with a tenth of the budget, and prints the median of the moves over the par of the start,
// and the median and 90th percentile of the moves over the cells to visit. Last it times
// N fair starts (50 unless --fair says otherwise): patterns dealt one after another, each
// searched with the game's budget for a fair start, until one is proved clearable or the
// game's bound on the whole start has passed.
#include "Game.h"
#include "GameRandom.h"
#include "FairStart.h"
#include "GameSolver.h"
#include "StatusOption.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct OptionSet {
    FieldOption field;
    int32_t enemies;
};

double Milliseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

double Percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto i = static_cast<size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(i, values.size() - 1)];
}

std::string Name(const OptionSet& set)
{
    return std::to_string(set.field.cell) + "/" + std::to_string(set.field.obstacle) + "/"
        + std::to_string(set.field.trap) + "/" + std::to_string(set.enemies);
}

// Positions a search may visit besides its time; --positions makes runs on a busy machine
// comparable.
uint64_t positionBudget = UINT64_MAX;

SolverLimits Budget(double seconds)
{
    SolverLimits limits;
    limits.positions = positionBudget;
    limits.deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    return limits;
}

struct Walk {
    double overPar = 0;
    double overCells = 0;
};

// Follows the hints from the start of a pattern to its end; none when a search on the way
// was not sure.
std::optional<Walk> Follow(const OptionSet& set, uint32_t seed, uint32_t orders, double budget)
{
    GameRandom random;
    StatusOption status;
    Game game(random, status);
    game.Deal({set.field, set.enemies, seed});
    random.Reseed(orders);
    GameSolver solver(game.field());
    const GamePosition start = game.Position();
    const auto cells = std::count_if(start.unvisited.begin(), start.unvisited.end(), [](int32_t u) { return u >= 0; });
    int32_t par = -1;
    for (int32_t moves = 0;; ++moves) {
        const SolverResult result = solver.Solve(game.Position(), Budget(moves == 0 ? budget : budget / 10));
        if (result.verdict != Verdict::Clearable)
            return std::nullopt;
        if (par < 0)
            par = result.par;
        const FieldCell& target = game.field().Cell(result.move);
        const GameState state = game.MoveTo({target.left, target.top}).state();
        if (state == GameState::Cleared)
            return Walk{(moves + 1.0) / par, (moves + 1.0) / static_cast<double>(cells)};
        if (state != GameState::None)
            return std::nullopt;
    }
}

void Decide(const OptionSet& set, int patterns, double budget, int walks)
{
    int counts[3] = {};
    int proved = 0;
    std::vector<double> times, parTimes;
    std::vector<uint32_t> clearable;
    std::size_t peak = 0;
    for (int seed = 1; seed <= patterns; ++seed) {
        GameRandom random;
        StatusOption status;
        Game game(random, status);
        game.Deal({set.field, set.enemies, static_cast<uint32_t>(seed)});

        const auto start = Clock::now();
        GameSolver solver(game.field());
        const SolverLimits limits = Budget(budget);
        SolverResult result = solver.Decide(game.Position(), limits);
        times.push_back(Milliseconds(Clock::now() - start));
        if (result.verdict == Verdict::Clearable && !result.parProved)
            result = solver.Solve(game.Position(), limits);
        parTimes.push_back(Milliseconds(Clock::now() - start));
        ++counts[static_cast<int>(result.verdict)];
        proved += result.parProved;
        if (result.verdict == Verdict::Clearable)
            clearable.push_back(static_cast<uint32_t>(seed));
        peak = std::max(peak, result.peakBytes);
    }
    std::vector<double> overPar, overCells;
    for (size_t i = 0; !clearable.empty() && static_cast<int>(i) < walks; ++i) {
        const uint32_t seed = clearable[i % clearable.size()];
        if (const std::optional<Walk> walk = Follow(set, seed, static_cast<uint32_t>(i + 1), budget)) {
            overPar.push_back(walk->overPar);
            overCells.push_back(walk->overCells);
        }
    }
    std::printf("solver %s: patterns %d, clearable %d, lost %d, undecided %d, median %.1f ms, p99 %.0f ms, peak %.0f MB,"
                " par proved %d, walk %.2fx\n",
                Name(set).c_str(), patterns, counts[0], counts[1], counts[2], Percentile(times, 0.5),
                Percentile(times, 0.99), static_cast<double>(peak) / (1 << 20), proved, Percentile(overPar, 0.5));
    std::printf("walks %s: %zu walks, moves over cells to visit median %.2f, p90 %.2f, worst over par %.2f;"
                " time to the par median %.1f ms, p99 %.0f ms\n",
                Name(set).c_str(), overPar.size(), Percentile(overCells, 0.5), Percentile(overCells, 0.9),
                Percentile(overPar, 1.0), Percentile(parTimes, 0.5), Percentile(parTimes, 0.99));
}

void Fair(const OptionSet& set, int starts)
{
    std::vector<double> times;
    int dealt = 0, proved = 0;
    for (int start = 0; start < starts; ++start) {
        GameRandom random;
        StatusOption status;
        Game game(random, status);
        const auto begin = Clock::now();
        for (uint32_t seed = 1000u * static_cast<uint32_t>(start);; ++seed) {
            game.Deal({set.field, set.enemies, seed});
            ++dealt;
            GameSolver solver(game.field());
            if (solver.Decide(game.Position(), FairStart::Candidate(begin)).verdict == Verdict::Clearable) {
                ++proved;
                break;
            }
            if (Clock::now() - begin >= FairStart::Bound)
                break;
        }
        times.push_back(Milliseconds(Clock::now() - begin));
    }
    std::printf("fair start %s: starts %d, proved %d, patterns dealt %.1f a start, median %.1f ms, p90 %.0f ms, worst %.0f ms\n",
                Name(set).c_str(), starts, proved, static_cast<double>(dealt) / starts, Percentile(times, 0.5),
                Percentile(times, 0.9), Percentile(times, 1.0));
}

} // namespace

int main(int argc, char** argv)
{
    int patterns = 200;
    double budget = 1.0;
    int fair = 50;
    int walks = 50;
    std::string only;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--patterns"))
            patterns = std::atoi(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--budget"))
            budget = std::atof(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--positions"))
            positionBudget = std::strtoull(argv[i + 1], nullptr, 10);
        else if (!std::strcmp(argv[i], "--only"))
            only = argv[i + 1];
        else if (!std::strcmp(argv[i], "--walks"))
            walks = std::atoi(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--fair"))
            fair = std::atoi(argv[i + 1]);
    }
    const OptionSet sets[] = {{{32, 3, 2}, 3}, {{40, 5, 5}, 5}, {{40, 0, 0}, 1}, {{24, 5, 5}, 5}, {{24, 0, 0}, 1}};
    for (const OptionSet& set : sets) {
        if (patterns > 0 && (only.empty() || only == Name(set)))
            Decide(set, patterns, budget, walks);
    }
    for (const OptionSet& set : sets) {
        if (fair > 0 && (only.empty() || only == Name(set)))
            Fair(set, fair);
    }
    return 0;
}
