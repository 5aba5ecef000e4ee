#include "programs/tilebounce/ShownRun.h"

#include <utility>

#include "display/Display.h"
#include "runs/TimeText.h"
#include "shell/TimerTexts.h"

ShownRun::ShownRun(PlayerLayer& layer, const Ghost* ghost, const Records& bests)
    : layer_(layer), ghost_(ghost), bests_(bests) {
    // After the timer's own observer, so that it has counted this present.
    previousPresents_ = observePresents([this] {
        if (previousPresents_) {
            previousPresents_();
        }
        presenting();
    });
}

ShownRun::~ShownRun() {
    observePresents(std::move(previousPresents_));
    layer_.showGhost(std::nullopt);
}

void ShownRun::presenting() {
    const RunTimes times = timer_.times();
    if (times.inPlay) {
        layer_.showTimer(
            timerPanel(times.inPlay->stage, formatTime(times.inPlay->ns), formatTime(times.runNs)));
    }
    for (; splitsShown_ < times.finished.size(); ++splitsShown_) {
        const StageTime& done = times.finished[splitsShown_];
        if (!done.cleared) {
            continue;
        }
        std::optional<AgainstBest> against;
        if (const std::optional<Record>& best = bests_.of(done.stage)) {
            against = AgainstBest{formatDifference(done.ns, best->ns), done.ns < best->ns};
        }
        layer_.showSplit(splitPanel(done.stage, formatTime(done.ns), against));
    }
    std::optional<platform::OverlayGhost> shown;
    const std::int32_t stage = timer_.stageInPlay();
    if (ghost_ != nullptr && stage != 0) {
        if (const std::optional<GhostPoint> ball = ghost_->at(stage, timer_.attemptPolls())) {
            shown.emplace(platform::OverlayGhost{.ball = {ball->x, ball->y}});
            for (const GhostPoint& point :
                 ghost_->trail(stage, timer_.attemptPolls(), GhostTrail)) {
                shown->trail.push_back({point.x, point.y});
            }
        }
    }
    layer_.showGhost(std::move(shown));
}

void ShownRun::showResults(const Records& kept) {
    const RunTimes times = timer_.times();
    std::vector<TimedStage> stages;
    for (const StageTime& done : times.finished) {
        stages.push_back({done.stage, formatTime(done.ns) + (done.cleared ? "" : " (game over)")});
    }
    if (times.inPlay) {
        stages.push_back({times.inPlay->stage, formatTime(times.inPlay->ns) + " (left)"});
    }
    const std::optional<std::uint64_t> sum = kept.sumOfBest();
    layer_.showResults(resultsPanel(stages, formatTime(times.runNs), sum ? formatTime(*sum) : "-"));
}

platform::OverlayColumn bestsShown(const Records& records) {
    std::vector<TimedStage> stages;
    for (std::int32_t stage = FirstStage; stage <= LastStage; ++stage) {
        if (const std::optional<Record>& best = records.of(stage)) {
            stages.push_back({stage, formatTime(best->ns)});
        }
    }
    const auto shown = [](const std::optional<std::uint64_t>& ns) {
        return ns ? std::optional(formatTime(*ns)) : std::nullopt;
    };
    const std::optional<Record>& game = records.of(WholeGame);
    return bestsColumn(stages, shown(game ? std::optional(game->ns) : std::nullopt),
                       shown(records.sumOfBest()));
}
