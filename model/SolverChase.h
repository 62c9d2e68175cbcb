#pragma once

#include "GamePattern.h"
#include "SolverPosition.h"

#include <vector>

namespace Solver {

// The distinct positions a chase can lead to, in place of what outcomes held. The next
// chase's order is known while the node says so; after it, any order may come, so each
// order the enemies may take gives one. The enemies of each are kept sorted.
void ChaseOutcomes(const GamePattern& pattern, const Node& node, std::vector<Node>& outcomes);

} // namespace Solver
