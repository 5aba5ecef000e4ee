#pragma once
// The words of the run's panels: the timer, a stage's split, the results at the end and the
// personal bests in the help. The times come formatted, "m:ss.cc".
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/seams/Overlay.h"

// At the top left: the stage in play with its time so far, and the run's time.
platform::OverlayPanel timerPanel(std::int32_t stage, const std::string& stageTime,
                                  const std::string& runTime);

// A cleared stage's time against its personal best: the signed difference, "-0:00.52".
struct AgainstBest {
    std::string difference;
    bool ahead = false;
};

// At the top: a stage just cleared, its time and how it stands against the best before it, if
// there was one.
platform::OverlayPanel splitPanel(std::int32_t stage, const std::string& time,
                                  const std::optional<AgainstBest>& best);

struct TimedStage {
    std::int32_t stage = 0;
    std::string time;
};

// In the middle, once the game is over: each stage cleared with its time, the run's total and
// the sum of the best stage times.
platform::OverlayPanel resultsPanel(const std::vector<TimedStage>& stages, const std::string& total,
                                    const std::string& sumOfBest);

// For the help: the best of each stage that has one, the best game and the sum of best; nothing
// when no run has been kept.
platform::OverlayColumn bestsColumn(const std::vector<TimedStage>& stages,
                                    const std::optional<std::string>& bestGame,
                                    const std::optional<std::string>& sumOfBest);
