#pragma once
// The lower bounds of each stage that a key script plays, beside the substeps it takes there:
// from where the script enters the stage (the ball, its impulses, its hover and the random state
// as they stand then), and whatever the ball brings into it: with the hover or without, and
// hovering all through.
#include <cstdint>
#include <functional>
#include <optional>

#include "devtools/solver/SeededBound.h"
#include "devtools/solver/SolverSession.h"
#include "devtools/solver/WholeGameBound.h"

struct EntryBound {
    std::int32_t stage = 0;
    std::uint64_t substeps = 0;
    SeededBound fromEntry;
    std::optional<std::uint64_t> anyEntry;
    std::optional<std::uint64_t> anyEntryWithoutHover;
    std::optional<std::uint64_t> anyEntryHovering;
    // The stage's ends for the whole game's bound, when asked for.
    StageEndsTable ends;
};

// The positions each stage's search from its entry may make by default: enough for most stages of
// the fastest game to be searched to their end, in minutes of CPU.
inline constexpr std::uint64_t EntryBoundPositions = 8'000'000'000;

// Each stage from `first` to `last` that `script` plays, in turn, to `onStage`; each stage's
// search from its entry makes at most `positions` positions. The stages' ends, which take several
// times as long, only `forWholeGame`.
void boundsAlong(const KeyLines& script, std::int32_t first, std::int32_t last,
                 std::uint64_t positions, bool forWholeGame,
                 const std::function<void(const EntryBound&)>& onStage);
