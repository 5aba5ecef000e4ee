#include "shell/TimerTexts.h"

namespace {

using platform::OverlayColumn;
using platform::OverlayPanel;
using platform::OverlayPlace;

std::string stageNamed(std::int32_t stage) {
    return "Stage " + std::to_string(stage);
}

}  // namespace

OverlayPanel timerPanel(std::int32_t stage, const std::string& stageTime,
                        const std::string& runTime) {
    return {.place = OverlayPlace::TopLeft,
            .linesTall = 28,
            .columns = {{stageNamed(stage), "Run"}, {stageTime, runTime}}};
}

OverlayPanel splitPanel(std::int32_t stage, const std::string& time,
                        const std::optional<AgainstBest>& best) {
    // Two short lines, narrow enough to stay clear of the timer beside them.
    const std::string against =
        best ? best->difference + (best->ahead ? " ahead" : " behind") : "first time";
    return {.place = OverlayPlace::Top,
            .linesTall = 26,
            .columns = {{stageNamed(stage) + " cleared", time + "  " + against}}};
}

OverlayPanel resultsPanel(const std::vector<TimedStage>& stages, const std::string& total,
                          const std::string& sumOfBest) {
    OverlayColumn names{"Results"};
    OverlayColumn times{""};
    for (const TimedStage& each : stages) {
        names.push_back(stageNamed(each.stage));
        times.push_back(each.time);
    }
    names.insert(names.end(), {"Total", "Sum of best"});
    times.insert(times.end(), {total, sumOfBest});
    return {.place = OverlayPlace::Middle, .linesTall = 30, .columns = {names, times}};
}

OverlayColumn bestsColumn(const std::vector<TimedStage>& stages,
                          const std::optional<std::string>& bestGame,
                          const std::optional<std::string>& sumOfBest) {
    if (stages.empty() && !bestGame) {
        return {};
    }
    OverlayColumn lines{"Personal bests"};
    for (const TimedStage& each : stages) {
        lines.push_back(stageNamed(each.stage) + ": " + each.time);
    }
    if (bestGame) {
        lines.push_back("Best game: " + *bestGame);
    }
    if (sumOfBest) {
        lines.push_back("Sum of best: " + *sumOfBest);
    }
    return lines;
}
