#include "devtools/solver/EntryBounds.h"

#include "devtools/solver/LowerBound.h"
#include "devtools/solver/ReplayedStages.h"
#include "devtools/solver/SeededBound.h"

void boundsAlong(const KeyLines& script, std::int32_t first, std::int32_t last,
                 std::uint64_t positions, bool forWholeGame,
                 const std::function<void(const EntryBound&)>& onStage) {
    const ReplayedStages stages = replayStages(script);
    for (std::int32_t stage = first; stage <= last; ++stage) {
        const ReplayedStage& played = stages[static_cast<std::size_t>(stage)];
        if (!played.cleared) {
            continue;
        }
        EntryBound bound;
        bound.stage = stage;
        bound.substeps = played.substeps;
        // Played up to the stage's first poll, the game stands where the script enters it.
        const KeyLines lead = firstPolls(script, played.firstPoll);
        SolverSession session(lead);
        bool entered = false;
        session.run([&] {
            if (entered) {
                return;
            }
            entered = true;
            const GameState& g = gameState;
            // No bound can exceed the substeps of a route that clears.
            bound.fromEntry =
                substepsAtLeastFrom(g.map, startAsPlayStands(), {played.substeps, positions});
            bound.anyEntry = substepsAtLeast(
                g.map, {.x = g.ballX, .y = g.ballY, .anyImpulses = true}, played.substeps);
            bound.anyEntryWithoutHover = substepsAtLeast(
                g.map, {.x = g.ballX, .y = g.ballY, .anyImpulses = true, .mayHover = false},
                BoundLimit);
            bound.anyEntryHovering = substepsAtLeast(
                g.map, {.x = g.ballX, .y = g.ballY, .anyImpulses = true, .hoversThrough = true},
                BoundLimit);
            if (forWholeGame) {
                bound.ends = stageEndsTableOf(g.map, g.ballX, g.ballY, BoundLimit);
            }
        });
        onStage(bound);
    }
}
