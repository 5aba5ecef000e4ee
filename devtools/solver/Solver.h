#pragma once
// The whole game solved stage by stage: runGame plays from start-up through the title and the
// stage cards, and at the start of each stage to solve the search finds a route that clears
// it; the route joins the key script and play goes on along it, into the next card. The result
// is a key script in the replay tool's format, played once more from start-up to check it, with
// a comment per stage of what that replay shows.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "devtools/solver/FastestSearch.h"
#include "devtools/solver/SolverSession.h"
#include "devtools/solver/StageSearch.h"

struct SolveOptions {
    std::int32_t firstStage = 1;
    std::int32_t lastStage = 20;
    // How play reaches firstStage when it is not 1: a key script that gets there, cut where
    // that stage's play begins.
    KeyLines lead;
    SearchLimits limits;
    // Each stage's fastest clear instead of the first clear the default search finds.
    bool fastest = false;
    // Told how the fastest search goes, round by round; it may give the search up.
    ProgressCheck progress;
};

struct StageSolved {
    std::int32_t stage = 0;
    std::uint64_t substeps = 0;
    // The fewest substeps any route could need (see LowerBound.h), found by the fastest search.
    std::optional<std::uint64_t> atLeast;
    std::uint64_t positions = 0;
    double seconds = 0;
};

struct SolveResult {
    bool solved = false;
    // The key script; complete only when solved. With lastStage 20 it ends with the key that
    // closes the ending's wait.
    std::string script;
    // Why not, when not solved.
    std::string failure;
    // What the replay of the script gave: the substeps of the stages solved, and the lives left
    // at the end of the last (as many as at the start of the first, or the script is refused).
    std::uint64_t substeps = 0;
    std::int32_t lives = 0;
};

SolveResult solve(const SolveOptions& options,
                  const std::function<void(const StageSolved&)>& onStage);
