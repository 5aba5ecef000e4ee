#include "devtools/solver/ReplayedStages.h"

#include <string>

#include "game/GameState.h"
#include "runs/OffScreen.h"

ReplayedStages replayStages(const KeyLines& script) {
    ReplayedStages stages{};
    SolverSession session(script);
    observeSubsteps([&] {
        const GameState& g = gameState;
        ReplayedStage& stage = stages[static_cast<std::size_t>(g.stage)];
        const std::uint64_t poll = session.polls() - 1;
        if (stage.substeps == 0) {
            stage.firstPoll = poll;
        }
        stage.lastPoll = poll;
        ++stage.substeps;
        if (g.stageCleared != 0 && g.ballLost == 0) {
            stage.cleared = true;
            stage.livesLeft = g.lives;
        }
    });
    session.run({});
    observeSubsteps({});
    // The times come from the routine that times every run, on the same script.
    std::string text;
    for (const KeyScriptLine& line : script) {
        text += formatKeyScriptLine(line) + '\n';
    }
    std::string error;
    if (const std::optional<ReplayOutcome> timed =
            replayTextOffScreen(text, "the solved script", error)) {
        for (std::int32_t stage = FirstStage; stage <= LastStage; ++stage) {
            stages[static_cast<std::size_t>(stage)].timeNs =
                timed->times.clearedIn(stage).value_or(0);
        }
    }
    return stages;
}
