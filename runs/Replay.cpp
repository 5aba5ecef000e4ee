#include "runs/Replay.h"

#include <memory>
#include <optional>
#include <utility>

#include "game/ConsoleLine.h"
#include "game/Cues.h"
#include "game/Draw.h"
#include "game/GameState.h"
#include "game/ResetGame.h"
#include "harness/InstalledSeams.h"
#include "keyscript/ScriptKeys.h"
#include "platform/sdl/HeadlessWindow.h"
#include "platform/seams/Clock.h"
#include "runs/CueRecorder.h"
#include "runs/Invariants.h"
#include "runs/TraceWriter.h"
#include "shell/StartUp.h"

ReplayOutcome replay(KeyScriptReader& script, const ReplayOptions& options) {
    ScriptKeySource keys(script);
    ScriptWindowEvents events(keys);
    CueRecorder cues(keys);
    platform::VirtualClock clock;
    // Without a screenshot nobody looks: play is not drawn and frames are not kept, which makes
    // a long replay many times faster. The game's logic never reads a picture.
    const bool picturesWanted = options.screenshot != nullptr;
    platform::HeadlessWindow* screen = nullptr;
    const InstalledSeams seams({.clock = &clock,
                                .keys = &keys,
                                .events = &events,
                                .audio = &cues,
                                .windows = [&](const char*, std::string&) {
                                    auto made = std::make_unique<platform::HeadlessWindow>();
                                    made->keepPictures(picturesWanted);
                                    screen = made.get();
                                    return made;
                                }});
    enablePlayDrawing(picturesWanted);
    enableConsoleLines(options.consoleLines);
    resetGame();

    ReplayOutcome outcome;
    const RunTimer* timer = nullptr;  // made below, after the observer that tells it
    std::optional<TraceWriter> trace;
    if (options.trace != nullptr) {
        trace.emplace(options.trace);
    }
    std::function<void()> previousObserver = observeSubsteps([&] {
        ++outcome.game.substeps;
        if (trace) {
            const std::optional<int> wave = cues.waveSinceLatestPoll();
            trace->writeSubstep(keys.polls() - 1, wave ? cueNameOfWave(*wave) : "");
            // A trace that can no longer be written ends the replay now, not after the script.
            if (std::ferror(options.trace) != 0) {
                keys.stop();
            }
        }
        if (options.checkInvariants && outcome.brokenInvariant.empty()) {
            if (std::string broken = brokenInvariant(); !broken.empty()) {
                outcome.brokenInvariant = broken + ", poll " + std::to_string(keys.polls() - 1);
            }
        }
        if (options.afterSubstep) {
            options.afterSubstep(*timer);
        }
    });
    {
        const RunTimer runTimer;
        timer = &runTimer;
        const StartUp startUp;
        outcome.game.end =
            runGame(options.stage.value_or(script.startStage().value_or(FirstStage)));
        if (options.screenshot != nullptr && screen != nullptr) {
            outcome.screenshotWritten = screen->saveBmp(options.screenshot);
        }
        outcome.times = runTimer.times();
    }
    observeSubsteps(std::move(previousObserver));
    enablePlayDrawing(true);
    enableConsoleLines(true);

    outcome.game.stage = gameState.stage;
    outcome.game.lives = gameState.lives;
    outcome.game.polls = keys.polls();
    outcome.virtualMs = clock.waitedNs() / 1'000'000;
    return outcome;
}

std::string endLine(const ReplayOutcome& outcome) {
    return endLine(outcome.game) + " virtual_ms=" + std::to_string(outcome.virtualMs);
}
