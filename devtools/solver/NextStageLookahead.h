#pragma once
// The choice among a stage's clears: a later clear that brings a kick or a lift into the next
// stage, or the random draw that a short exit there needs (a hovering ball that enters a stage
// just under a row of Blocks is kicked along it to the exit if its first draws lift it), can
// save more there than it costs here.
#include <cstdint>
#include <vector>

#include "devtools/solver/FastestSearch.h"
#include "devtools/solver/SolverSession.h"

// The clear whose substeps, with those of a quick fastest search of the next stage from its
// end, are the fewest, where a later clear must beat the fastest by a margin that the
// estimate's error cannot make up. Leaves the game as it found it.
StageRoute chooseByNextStage(SolverSession& session, const std::vector<ClearFound>& clears);

// Whether letting go of Space pays: the clear that lets go, with a search of the next stage
// from its end, takes fewer substeps than the hovering clear with its own (the charge comes
// back in time for the short exit after; the hover, or its loss, tells most in the stage next).
// Leaves the game as it found it.
bool lettingGoPays(SolverSession& session, const ClearFound& hovering, const ClearFound& lettingGo);

// For a next stage with a short exit: the clear from whose end a brief search of the next stage
// finds one, with the fewest substeps of both; the first clear when none does. The next stage
// takes at least `nextBound`: clears too late to beat the best found are not tried, nor any
// after the first ShortExitProbes. Leaves the game as it found it.
StageRoute chooseByShortExit(SolverSession& session, const std::vector<ClearFound>& clears,
                             std::uint64_t nextBound);
