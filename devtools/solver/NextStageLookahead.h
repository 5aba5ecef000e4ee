#pragma once
// The choice among a stage's clears: a later clear that brings a kick or a lift into the next
// stage can save more there than it costs here (a ball that enters a stage rising under a row
// of Blocks can be kicked along it to the exit at once).
#include <vector>

#include "devtools/solver/FastestSearch.h"
#include "devtools/solver/SolverSession.h"

// The clear whose substeps, with those of a quick fastest search of the next stage from its
// end, are the fewest, where a later clear must beat the fastest by a margin that the
// estimate's error cannot make up. Leaves the game as it found it.
StageRoute chooseByNextStage(SolverSession& session, const std::vector<ClearFound>& clears);
