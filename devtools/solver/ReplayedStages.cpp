#include "devtools/solver/ReplayedStages.h"

#include "game/GameState.h"

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
    return stages;
}
