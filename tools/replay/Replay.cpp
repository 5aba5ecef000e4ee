#include "tools/replay/Replay.h"

#include <memory>
#include <optional>

#include "game/Cues.h"
#include "game/GameState.h"
#include "game/Random.h"
#include "platform/Clock.h"
#include "platform/HeadlessWindow.h"
#include "shell/MainWindow.h"
#include "shell/StartUp.h"
#include "shell/WindowInput.h"
#include "tools/replay/ScriptedSources.h"
#include "tools/replay/TraceWriter.h"

namespace {

// The replay's seams, installed for its length; what was installed before comes back after.
class ReplaySeams {
  public:
    ReplaySeams(platform::Clock& clock, platform::KeySource& keys, platform::WindowEvents& events,
                platform::AudioOut& audio, WindowFactory windows)
        : clock_(platform::clock()),
          keys_(platform::keySource()),
          events_(platform::windowEvents()),
          audio_(platform::audioOut()),
          windows_(installWindowFactory(std::move(windows))) {
        platform::installClock(clock);
        platform::installKeySource(keys);
        platform::installWindowEvents(events);
        platform::installAudioOut(audio);
    }
    ~ReplaySeams() {
        platform::installClock(clock_);
        platform::installKeySource(keys_);
        platform::installWindowEvents(events_);
        platform::installAudioOut(audio_);
        installWindowFactory(std::move(windows_));
    }
    ReplaySeams(const ReplaySeams&) = delete;
    ReplaySeams& operator=(const ReplaySeams&) = delete;

  private:
    platform::Clock& clock_;
    platform::KeySource& keys_;
    platform::WindowEvents& events_;
    platform::AudioOut& audio_;
    WindowFactory windows_;
};

// The program's globals as they are when it starts.
void startAfresh() {
    gameState = GameState{};
    randomState = 1;
    windowInput = WindowInput{};
}

}  // namespace

ReplayOutcome replay(const KeyScript& script, const ReplayOptions& options) {
    ScriptKeySource keys(script);
    ScriptWindowEvents events(keys);
    CueRecorder cues(keys);
    platform::VirtualClock clock;
    platform::HeadlessWindow* screen = nullptr;
    const ReplaySeams seams(clock, keys, events, cues, [&screen](const char*, std::string&) {
        auto made = std::make_unique<platform::HeadlessWindow>();
        screen = made.get();
        return made;
    });
    startAfresh();

    ReplayOutcome outcome;
    std::optional<TraceWriter> trace;
    if (options.trace != nullptr) {
        trace.emplace(*options.trace);
    }
    observeSubsteps([&] {
        ++outcome.substeps;
        if (trace) {
            const std::optional<int> wave = cues.waveSinceLatestPoll();
            trace->writeSubstep(keys.polls() - 1, wave ? cueNameOfWave(*wave) : "");
        }
    });
    {
        const StartUp startUp;
        outcome.end = runGame();
        if (!options.screenshotPath.empty() && screen != nullptr) {
            outcome.screenshotWritten = screen->saveBmp(options.screenshotPath.c_str());
        }
    }
    observeSubsteps({});

    outcome.stage = gameState.stage;
    outcome.lives = gameState.lives;
    outcome.polls = keys.polls();
    outcome.virtualMs = clock.waitedNs() / 1'000'000;
    return outcome;
}

std::string endLine(const ReplayOutcome& outcome) {
    const char* end = outcome.end == GameEnd::escape   ? "escape"
                      : outcome.end == GameEnd::ending ? "ending"
                                                       : "closed";
    return std::string("end=") + end + " stage=" + std::to_string(outcome.stage) +
           " lives=" + std::to_string(outcome.lives) + " polls=" + std::to_string(outcome.polls) +
           " substeps=" + std::to_string(outcome.substeps) +
           " virtual_ms=" + std::to_string(outcome.virtualMs);
}
