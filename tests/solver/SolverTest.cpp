#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "devtools/solver/DistanceField.h"
#include "devtools/solver/FastestSearch.h"
#include "devtools/solver/ReplayedStages.h"
#include "devtools/solver/Solver.h"
#include "devtools/solver/SolverSession.h"
#include "game/Cues.h"
#include "game/GameState.h"
#include "game/RunGame.h"
#include "game/StageTable.h"
#include "game/StepBall.h"
#include "keyscript/KeyScriptReader.h"
#include "runs/Replay.h"
#include "runs/TraceWriter.h"
#include "tests/solver/FirstStage.h"

namespace {

// The trace rows of the frames played from where the session stands, one pattern per frame.
std::string traceOf(SolverSession& session, const std::vector<HeldKeys>& plan) {
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* rows = open_memstream(&buffer, &size);
    TraceWriter trace(rows);
    std::uint64_t cues = session.cuesStarted();
    observeSubsteps([&] {
        const bool started = session.cuesStarted() != cues;
        cues = session.cuesStarted();
        trace.writeSubstep(session.polls() - 1, started ? cueNameOfWave(session.lastCue()) : "");
    });
    for (const HeldKeys held : plan) {
        if (session.playFrame(held) != FrameEnd::Playing) {
            break;
        }
    }
    observeSubsteps({});
    std::fclose(rows);
    std::string text(buffer, size);
    std::free(buffer);
    return text;
}

std::vector<HeldKeys> holding(HeldKeys held, std::size_t frames) {
    return std::vector<HeldKeys>(frames, held);
}

TEST(SolverSession, RestoredSnapshotReplaysTheSameFuture) {
    const KeyLines script = toFirstStage();
    SolverSession session(script);
    std::string taken;
    std::string replayed;
    session.run([&] {
        // Into stage 1 with a key down and the cue gate in use, then up the stairs and onto the
        // Bricks, which break: the future covers the keys, the draws, the cues and the map.
        traceOf(session, holding(HoldRight, 30));
        const Snapshot snapshot = session.capture();
        std::vector<HeldKeys> plan = holding(HoldRight, 145);
        const std::vector<HeldKeys> wait = holding(0, 100);
        plan.insert(plan.end(), wait.begin(), wait.end());
        taken = traceOf(session, plan);
        session.restore(snapshot);
        replayed = traceOf(session, plan);
    });
    EXPECT_NE(taken.find("snd2.wav"), std::string::npos);
    EXPECT_EQ(taken, replayed);
}

TEST(Solver, SolvedStageReplaysToAClearAndTheSameEachTime) {
    SolveOptions options;
    options.lastStage = 1;
    // A narrow beam still clears stage 1, at a fraction of the cost under the sanitizers.
    options.limits.beamWidth = 60;
    std::vector<StageSolved> stages;
    const SolveResult result =
        solve(options, [&](const StageSolved& stage) { stages.push_back(stage); });
    ASSERT_TRUE(result.solved) << result.failure;
    ASSERT_EQ(stages.size(), 1u);
    // The stage's comment gives what the replay of the script shows.
    EXPECT_NE(result.script.find("# stage 1: " + std::to_string(stages[0].substeps) +
                                 " substeps, polls 3 to " + std::to_string(2 + stages[0].substeps) +
                                 ", 12 lives left, 0:"),
              std::string::npos);
    EXPECT_EQ(result.substeps, stages[0].substeps);
    EXPECT_EQ(result.lives, 12);

    std::string text = result.script;
    std::FILE* in = fmemopen(text.data(), text.size(), "r");
    ASSERT_NE(in, nullptr);
    KeyScriptReader script(in, "the solver's script");
    const ReplayOutcome outcome = replay(script, {});
    std::fclose(in);
    EXPECT_EQ(script.fault(), "");
    // The window closes at the head of stage 2, the first stage left unsolved.
    EXPECT_EQ(endLine(outcome).substr(0, endLine(outcome).find(" virtual_ms")),
              "end=closed stage=2 lives=12 polls=" + std::to_string(3 + stages[0].substeps) +
                  " substeps=" + std::to_string(stages[0].substeps));

    EXPECT_EQ(solve(options, [](const StageSolved&) {}).script, result.script);
}

TEST(Solver, SaysWhyAStageWasNotSolved) {
    SolveOptions options;
    options.lastStage = 1;
    options.limits.positions = 50;
    SolveResult result = solve(options, [](const StageSolved&) { FAIL(); });
    EXPECT_FALSE(result.solved);
    EXPECT_EQ(result.failure.rfind("stage 1 not cleared after a beam of", 0), 0u) << result.failure;

    options.firstStage = 3;
    options.lastStage = 3;
    options.lead = toFirstStage();
    options.lead.push_back({400, HoldRight, 0});
    result = solve(options, [](const StageSolved&) { FAIL(); });
    EXPECT_FALSE(result.solved);
    EXPECT_EQ(result.failure, "the lead script does not reach stage 3");
}

// The golden replay that loses a ball in stage 2, then a route the search finds for the stage's
// second attempt: the replay counts both attempts' substeps and the life lost.
TEST(ReplayedStages, CountEveryAttemptAndTheLivesLeft) {
    KeyLines script;
    std::string error;
    ASSERT_TRUE(readKeyLines(TB_REPLAYS_DIR "/lost-ball.keys", script, error)) << error;
    // Its last line waits in the second card; Right ends the card instead.
    script.back() = {1, HoldRight, 0};
    const ReplayedStages lost = replayStages(script);
    SolverSession session(script);
    std::uint64_t routeSubsteps = 0;
    session.run([&] {
        if (routeSubsteps != 0) {
            return;
        }
        const StageRoute route = searchStage(session, {.beamWidth = 60});
        ASSERT_TRUE(route.cleared);
        routeSubsteps = route.substeps;
        for (const RouteStep& step : route.steps) {
            script.push_back({static_cast<std::uint32_t>(step.polls), step.held, 0});
        }
    });
    const ReplayedStages replayed = replayStages(script);
    EXPECT_TRUE(replayed[1].cleared);
    EXPECT_EQ(replayed[1].livesLeft, 12);
    EXPECT_FALSE(lost[2].cleared);
    EXPECT_TRUE(replayed[2].cleared);
    EXPECT_EQ(replayed[2].livesLeft, 11);
    EXPECT_EQ(replayed[2].substeps, lost[2].substeps + routeSubsteps);
    EXPECT_EQ(replayed[2].firstPoll, lost[2].firstPoll);
}

// Stage 6: the exit is reached along the lane of the RightLauncher in cell (3, 13), over the
// open bottom rows; Mines line row 8.
TEST(DistanceField, FollowsWhatTheBallCanDo) {
    const DistanceField field(stageTable[6]);
    EXPECT_EQ(field.at(638, 400, false), 0);
    const std::int32_t onLauncher = field.at(110, 410, false);
    EXPECT_LT(onLauncher, DistanceField::NoRoute);
    // Falling free over the open bottom, nothing leads out, whatever the distance.
    EXPECT_GE(field.at(300, 410, false), DistanceField::NoRoute);
    // Gliding along the lane, the same square is close.
    EXPECT_LT(field.at(300, 432, true), onLauncher);
    EXPECT_EQ(field.at(300, 260, false), DistanceField::Unreachable);
}

// Stage 14 starts under a row of Blocks, whose far end is the right edge: a step up tests that row
// for a wall to kick off, and each kick throws the ball 21 pixels on.
TEST(DistanceField, CountsKicksAlongTheRowAboveWhenAsked) {
    StageMap map = stageTable[14];
    map[cellIndex(18, 1)] = Empty;  // its StartMarker, as loading the stage leaves it
    const DistanceField kicking(map, {.kick = 1});
    const DistanceField plain(map);
    EXPECT_LT(kicking.at(576, 32, false), 5);
    EXPECT_GT(plain.at(576, 32, false), 100);
    // Inside the Blocks only kicks move the ball, and they carry it to the edge.
    EXPECT_LT(kicking.at(300, 10, false), 30);
    EXPECT_EQ(plain.at(300, 10, false), DistanceField::Unreachable);
}

// On a bare floor by the open edge, with Space's charge 50 substeps short: a clear that must end
// hovering waits for the charge, where the ball could leave at once.
TEST(FastestSearch, ClearsThatMustHoverWaitForTheCharge) {
    const KeyLines script = toFirstStage();
    SolverSession session(script);
    session.run([&] {
        GameState& g = gameState;
        g.map = StageMap{};
        for (std::int32_t column = 0; column < GridColumns; ++column) {
            g.map[cellIndex(column, GridRows - 1)] = Block;
        }
        g.ballX = 618;
        g.ballY = 430;
        g.hoverCharge = HoverChargeNeeded - 50;
        std::vector<ClearFound> clears;
        const StageRoute route = searchFastest(session, {.positions = 2'000'000, .beamWidth = 40},
                                               {}, {.hovering = true}, clears);
        EXPECT_GT(route.substeps, 50u);
        EXPECT_NE(clears.back().end.game.hover, 0);
    });
}

}  // namespace
