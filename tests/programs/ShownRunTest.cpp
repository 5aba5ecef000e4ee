// The run as the desktop shows it: the ghost drawn at each picture is where the ghost's own game
// had its ball at the same poll of the attempt, the game plays the same with a ghost as without,
// and the times shown are those the replay tool counts for the same keys.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "display/Display.h"
#include "game/GameState.h"
#include "game/ResetGame.h"
#include "game/RunGame.h"
#include "harness/InstalledSeams.h"
#include "keyscript/ScriptKeys.h"
#include "programs/tilebounce/ShownRun.h"
#include "runs/OffScreen.h"
#include "shell/StartUp.h"
#include "tests/runs/RunsFixture.h"

namespace {

std::string golden(const std::string& name) {
    return runstest::goldenFile(name + ".keys");
}

struct Shown {
    std::vector<std::string> trace;  // a row a substep
    RunTimes times;
    int ghostsOnBall = 0;  // pictures with the ghost drawn on the live ball
    int ghostsElsewhere = 0;
    std::map<std::string, std::string> splits;  // "Stage N cleared" → its time and against best
};

// The script played as the desktop plays it, with `ghost` raced against the records `bests`.
Shown playShown(const std::string& script, const Ghost* ghost, const Records& bests = {}) {
    resetGame();
    std::FILE* in = fmemopen(const_cast<char*>(script.data()), script.size(), "r");
    KeyScriptReader reader(in, "script");
    platform::VirtualClock clock;
    ScriptKeySource keys(reader);
    ScriptWindowEvents events(keys);
    platform::RecordingAudio audio;
    Shown shown;
    {
        const InstalledSeams seams(
            {.clock = &clock, .keys = &keys, .events = &events, .audio = &audio});
        const StartUp startUp;
        // Before the run, which passes each substep on to it.
        observeSubsteps([&shown] {
            const GameState& g = gameState;
            shown.trace.push_back(std::to_string(g.stage) + "," + std::to_string(g.lives) + "," +
                                  std::to_string(g.ballX) + "," + std::to_string(g.ballY));
        });
        PlayerLayer layer({}, clock);
        ShownRun run(layer, ghost, bests);
        std::function<void()> previous = observePresents([&] {
            previous();
            const platform::Overlay overlay = layer.overlay();
            if (overlay.ghost) {
                const bool onBall =
                    overlay.ghost->ball == platform::OverlayPoint{gameState.ballX, gameState.ballY};
                ++(onBall ? shown.ghostsOnBall : shown.ghostsElsewhere);
            }
            for (const platform::OverlayPanel& panel : overlay.panels) {
                if (panel.place == platform::OverlayPlace::Top) {
                    shown.splits[panel.columns[0][0]] = panel.columns[0][1];
                }
            }
        });
        runGame(reader.startStage().value_or(FirstStage));
        observePresents(std::move(previous));
        shown.times = run.times();
    }
    observeSubsteps({});
    std::fclose(in);
    return shown;
}

TEST(ShownRun, TheGhostRunsWhereItsOwnGameRanAndChangesNothing) {
    const std::string fastest = golden("fastest-game");
    std::string error;
    const std::optional<Ghost> ghost = Ghost::fromText(fastest, "fastest", error);
    ASSERT_TRUE(ghost) << error;

    // Raced against itself, the ghost lies on the live ball at every picture of play.
    const Shown itself = playShown(fastest, &*ghost);
    EXPECT_GT(itself.ghostsOnBall, 1000);
    EXPECT_EQ(itself.ghostsElsewhere, 0);

    const std::string other = golden("lost-ball");
    const Shown without = playShown(other, nullptr);
    const Shown with = playShown(other, &*ghost);
    EXPECT_GT(with.ghostsElsewhere, 100) << "a ghost was drawn";
    EXPECT_EQ(with.trace, without.trace) << "the game played as without it";
}

TEST(ShownRun, TimesAndSplitsAreTheReplayToolsAgainstTheBests) {
    const std::string fastest = golden("fastest-game");
    Records bests;
    bests.best[1] = Record{.ns = 1, .script = ""};
    const Shown shown = playShown(fastest, nullptr, bests);
    const ReplayOutcome replayed = runstest::replayedGolden("fastest-game");
    ASSERT_EQ(shown.splits.size(), 20u) << "one split a stage";
    EXPECT_EQ(shown.times.runNs, replayed.times.runNs);
    EXPECT_EQ(shown.times.finished[4].ns, replayed.times.finished[4].ns);
    EXPECT_NE(shown.splits.at("Stage 1 cleared").find("behind"), std::string::npos);
    EXPECT_NE(shown.splits.at("Stage 2 cleared").find("first time"), std::string::npos);
}

}  // namespace
