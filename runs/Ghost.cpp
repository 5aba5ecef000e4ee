#include "runs/Ghost.h"

#include <algorithm>

#include "game/GameState.h"
#include "keyscript/KeyScriptFile.h"
#include "keyscript/KeyScriptReader.h"
#include "runs/OffScreen.h"

namespace {

bool isStage(std::int32_t stage) {
    return stage >= FirstStage && stage <= LastStage;
}

}  // namespace

// Follows the ghost's replay: the ball's places in the current attempt, kept for a stage when
// that attempt clears it for the first time.
class Ghost::Watch {
  public:
    explicit Watch(Ghost& ghost) : ghost_(ghost) {}

    void substepEnded(const RunTimer& timer) {
        if (timer.attemptPolls() == 1) {
            attempt_.clear();
        }
        attempt_.push_back({gameState.ballX, gameState.ballY});
        const std::int32_t stage = timer.stageInPlay();
        if (gameState.stageCleared != 0 && gameState.ballLost == 0 && isStage(stage) &&
            ghost_.paths_[stage].empty()) {
            ghost_.paths_[stage] = attempt_;
        }
    }

  private:
    Ghost& ghost_;
    std::vector<GhostPoint> attempt_;
};

std::optional<Ghost> Ghost::fromScript(const std::string& path, std::string& error) {
    KeyScriptFile file;
    if (!file.open(path, error)) {
        error = namingScript(file.name(), error);
        return std::nullopt;
    }
    KeyScriptReader script(file.stream(), file.name());
    Ghost ghost;
    Watch watch(ghost);
    ghost.times_ =
        replayOffScreen(script, [&](const RunTimer& timer) { watch.substepEnded(timer); }).times;
    if (const std::string fault = !script.fault().empty() ? script.fault() : file.changed();
        !fault.empty()) {
        error = namingScript(file.name(), fault);
        return std::nullopt;
    }
    return ghost;
}

std::optional<Ghost> Ghost::fromText(std::string_view text, const std::string& name,
                                     std::string& error) {
    Ghost ghost;
    Watch watch(ghost);
    const std::optional<ReplayOutcome> outcome = replayTextOffScreen(
        text, name, error, [&](const RunTimer& timer) { watch.substepEnded(timer); });
    if (!outcome) {
        return std::nullopt;
    }
    ghost.times_ = outcome->times;
    return ghost;
}

std::span<const GhostPoint> Ghost::path(std::int32_t stage) const {
    return isStage(stage) ? std::span<const GhostPoint>(paths_[stage])
                          : std::span<const GhostPoint>();
}

std::optional<GhostPoint> Ghost::at(std::int32_t stage, std::uint64_t attemptPolls) const {
    const std::span<const GhostPoint> points = path(stage);
    if (attemptPolls == 0 || attemptPolls > points.size()) {
        return std::nullopt;
    }
    // Within the span's size, so it fits a size_t.
    return points[static_cast<std::size_t>(attemptPolls - 1)];
}

std::span<const GhostPoint> Ghost::trail(std::int32_t stage, std::uint64_t attemptPolls,
                                         std::size_t count) const {
    const std::span<const GhostPoint> points = path(stage);
    if (attemptPolls == 0 || attemptPolls > points.size()) {
        return {};
    }
    const auto newest = static_cast<std::size_t>(attemptPolls - 1);
    const std::size_t oldest = newest + 1 >= count ? newest + 1 - count : 0;
    return points.subspan(oldest, newest + 1 - oldest);
}
