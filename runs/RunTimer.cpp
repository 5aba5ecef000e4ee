#include "runs/RunTimer.h"

#include <utility>

#include "display/Display.h"
#include "game/GameState.h"
#include "game/RunGame.h"

namespace {

// The observer that runs `first`, then `then`: the member that holds the observer it replaces,
// read at each call.
std::function<void()> before(std::function<void()> first, const std::function<void()>& then) {
    return [first = std::move(first), &then] {
        first();
        if (then) {
            then();
        }
    };
}

}  // namespace

RunTimer::RunTimer()
    : wrapped_(platform::clock()), clock_(wrapped_, [this](std::uint32_t ms) { slept(ms); }) {
    platform::installClock(clock_);
    previousPresents_ = observePresents(before([this] { presented(); }, previousPresents_));
    previousStageStarts_ =
        observeStageStarts(before([this] { stageStarted(); }, previousStageStarts_));
    previousSubsteps_ = observeSubsteps(before([this] { substepEnded(); }, previousSubsteps_));
}

RunTimer::~RunTimer() {
    observeSubsteps(std::move(previousSubsteps_));
    observeStageStarts(std::move(previousStageStarts_));
    observePresents(std::move(previousPresents_));
    platform::installClock(wrapped_);
}

RunTimes RunTimer::times() const {
    const std::uint64_t now = time_.totalNs();
    RunTimes times{.firstStage = firstStage_,
                   .finished = finished_,
                   .inPlay = inPlay_,
                   .runNs = firstStage_ == 0 ? 0 : runEndNs_.value_or(now) - runStartNs_,
                   .totalNs = now,
                   .endingReached = runEndNs_.has_value(),
                   .attemptPolls = attemptPolls_};
    if (times.inPlay) {
        times.inPlay->ns = now - stageStartNs_;
    }
    return times;
}

void RunTimer::stageStarted() {
    attemptPolls_ = 0;
    clearing_ = Clearing::No;
    if (inPlay_ && !lastBallLost_) {
        return;  // a ball lost: the same stage again, its time running on
    }
    if (inPlay_) {
        finishStage(false);
    }
    lastBallLost_ = false;
    if (firstStage_ == 0) {
        firstStage_ = gameState.stage;
        runStartNs_ = time_.totalNs();
    }
    inPlay_ = StageTime{.stage = gameState.stage};
    stageStartNs_ = time_.totalNs();
}

void RunTimer::substepEnded() {
    ++attemptPolls_;
    if (!inPlay_) {
        return;
    }
    // A ball lost as it reaches the exit is lost: the game brings the stage back.
    if (gameState.ballLost != 0) {
        ++inPlay_->ballsLost;
        lastBallLost_ = gameState.lives == 0;  // a game over follows
    } else if (gameState.stageCleared != 0) {
        clearing_ = Clearing::AwaitingPresent;
    }
}

void RunTimer::presented() {
    time_.presented();
    if (clearing_ == Clearing::AwaitingPresent) {
        clearing_ = Clearing::AwaitingPause;
    }
}

void RunTimer::slept(std::uint32_t ms) {
    time_.slept(ms);
    if (clearing_ != Clearing::AwaitingPause) {
        return;
    }
    clearing_ = Clearing::No;
    const std::int32_t stage = inPlay_->stage;
    finishStage(true);
    if (stage == LastStage) {
        runEndNs_ = time_.totalNs();
    }
}

void RunTimer::finishStage(bool cleared) {
    inPlay_->ns = time_.totalNs() - stageStartNs_;
    inPlay_->cleared = cleared;
    finished_.push_back(*inPlay_);
    inPlay_.reset();
}
