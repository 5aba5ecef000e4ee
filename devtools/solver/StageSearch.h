#pragma once
// The search for one stage: from the game as it stands at the stage's first frame, a beam of
// positions, each grown by every pattern of held keys for a few frames, the best kept by their
// distance to the open right edge, until one clears the stage without losing the ball.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "devtools/solver/HeldKeys.h"
#include "devtools/solver/RouteTree.h"
#include "devtools/solver/SolverSession.h"

struct SearchLimits {
    // Positions (one pattern played from one position) the stage may cost at most.
    std::uint64_t positions = 4'000'000;
    std::size_t beamWidth = 250;
    int framesPerMove = 2;
};

// Where a search stands after a round (or, in the default search, every few thousand
// positions).
struct SearchProgress {
    std::int32_t stage = 0;  // filled in by the solver
    std::uint64_t substeps = 0;
    std::uint64_t positions = 0;
    std::int32_t bestX = 0;
    std::int32_t bestY = 0;
};

// Called as the search goes; false gives the search up.
using ProgressCheck = std::function<bool(const SearchProgress&)>;

struct StageRoute {
    bool cleared = false;
    // Consecutive steps hold different keys.
    std::vector<RouteStep> steps;
    std::uint64_t substeps = 0;
    std::uint64_t positions = 0;
    // The closest the search came, for the report of a stage it could not clear.
    std::int32_t bestX = 0;
    std::int32_t bestY = 0;
};

// Searches from the game's present state and leaves the game as it found it; `progress`, when
// given, is told how far it has got every few thousand positions.
StageRoute searchStage(SolverSession& session, const SearchLimits& limits,
                       const ProgressCheck& progress = {});

// The most memory a stage's search may take within the limits, by the sizes of what it keeps:
// the beam and what grows from it, and a move for every position.
std::uint64_t searchBytes(const SearchLimits& limits);

// What the search tries, in words, for the report of a stage it could not clear.
std::string describeSearch(const SearchLimits& limits);
