// How quickly the solver decides the patterns a start deals, and how long a start takes
// when only patterns proved clearable are dealt.
//
//   build/bin/solver_bench [--patterns N] [--budget SECONDS] [--fair N]
//
// For each option set it deals the patterns of seeds 1 to N (numbers such as 32-3-2-3-35,
// to play one in the game), gives the search from each start the budget on this one
// thread, and prints what was decided, the median and 99th percentile of the search times
// and the most memory one search held. Then it times N fair starts
// (50 unless --fair says otherwise): patterns dealt one after another, each searched with
// the game's budget for a fair start, until one is proved clearable or the game's bound
// on the whole start has passed.
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

void Decide(const OptionSet& set, int patterns, double budget)
{
    int counts[3] = {};
    std::vector<double> times;
    std::size_t peak = 0;
    uint64_t positions = 0;
    for (int seed = 1; seed <= patterns; ++seed) {
        GameRandom random;
        StatusOption status;
        Game game(random, status);
        game.Deal({set.field, set.enemies, static_cast<uint32_t>(seed)});

        const auto start = Clock::now();
        GameSolver solver(game.field());
        SolverLimits limits;
        limits.positions = UINT64_MAX;
        limits.deadline = start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(budget));
        const SolverResult result = solver.Solve(game.Position(), limits);
        times.push_back(Milliseconds(Clock::now() - start));
        ++counts[static_cast<int>(result.verdict)];
        peak = std::max(peak, result.peakBytes);
        positions += result.positions;
    }
    std::printf("solver %s: patterns %d, clearable %d, lost %d, undecided %d, median %.1f ms, p99 %.0f ms, peak %.0f MB"
                " (%.1f M positions/s)\n",
                Name(set).c_str(), patterns, counts[0], counts[1], counts[2], Percentile(times, 0.5),
                Percentile(times, 0.99), static_cast<double>(peak) / (1 << 20),
                static_cast<double>(positions) / 1e3 / std::max(1.0, std::accumulate(times.begin(), times.end(), 0.0)));
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
            if (solver.Solve(game.Position(), FairStart::Candidate(begin)).verdict == Verdict::Clearable) {
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
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--patterns"))
            patterns = std::atoi(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--budget"))
            budget = std::atof(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--fair"))
            fair = std::atoi(argv[i + 1]);
    }
    const OptionSet sets[] = {{{32, 3, 2}, 3}, {{40, 5, 5}, 5}, {{24, 0, 0}, 1}};
    for (const OptionSet& set : sets) {
        if (patterns > 0)
            Decide(set, patterns, budget);
    }
    for (const OptionSet& set : sets)
        Fair(set, fair);
    return 0;
}
