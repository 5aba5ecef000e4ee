#pragma once
// Follows a game as it plays and times its run in the game's own time (RunTimes). For its scope
// it wraps the installed clock (CountingClock) and watches the presents, the stage starts and the
// substeps, each hook passed on to the one it found; none of this changes what the game does.
// Make it after the game's own seams are installed and before runGame; timers nest.
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/seams/Clock.h"
#include "runs/CountingClock.h"
#include "runs/GameTime.h"
#include "runs/RunTimes.h"

class RunTimer {
  public:
    RunTimer();
    ~RunTimer();
    RunTimer(const RunTimer&) = delete;
    RunTimer& operator=(const RunTimer&) = delete;

    // The run as it stands: what is in play is timed up to now.
    RunTimes times() const;
    // The stage in play, 0 when none is.
    std::int32_t stageInPlay() const { return inPlay_ ? inPlay_->stage : 0; }
    // The polls of play made in the current attempt so far (one each substep).
    std::uint64_t attemptPolls() const { return attemptPolls_; }

  private:
    // Where a stage being cleared stands: its last frame's present, then that frame's pause.
    enum class Clearing { No, AwaitingPresent, AwaitingPause };

    void stageStarted();
    void substepEnded();
    void presented();
    void slept(std::uint32_t ms);
    void finishStage(bool cleared);

    GameTime time_;
    platform::Clock& wrapped_;
    CountingClock clock_;
    std::function<void()> previousPresents_;
    std::function<void()> previousStageStarts_;
    std::function<void()> previousSubsteps_;

    std::int32_t firstStage_ = 0;
    std::uint64_t runStartNs_ = 0;
    std::optional<std::uint64_t> runEndNs_;
    std::vector<StageTime> finished_;
    std::optional<StageTime> inPlay_;
    std::uint64_t stageStartNs_ = 0;
    std::uint64_t attemptPolls_ = 0;
    bool lastBallLost_ = false;
    Clearing clearing_ = Clearing::No;
};
