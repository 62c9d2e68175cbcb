#pragma once

#include "GameSolver.h"

#include <chrono>

// How hard a start with fair patterns only tries: each pattern it deals is searched within
// a budget, and the whole start within a bound, after which the last pattern dealt is
// played as it is. Positions rather than time, so that which pattern a start keeps does
// not depend on the machine.
namespace FairStart {

inline constexpr uint64_t CandidatePositions = 2'000'000;
inline constexpr std::chrono::milliseconds Bound{3000};

// The limits of the search for a pattern dealt by a start that began then.
inline SolverLimits Candidate(std::chrono::steady_clock::time_point began)
{
    SolverLimits limits;
    limits.positions = CandidatePositions;
    limits.deadline = began + Bound;
    return limits;
}

} // namespace FairStart
