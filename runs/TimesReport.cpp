#include "runs/TimesReport.h"

#include "runs/TimeText.h"

std::string timesReport(const RunTimes& times, std::string_view version) {
    std::string report;
    for (const StageTime& stage : times.finished) {
        if (stage.cleared) {
            report += "stage " + std::to_string(stage.stage) + " " + formatTime(stage.ns) + "\n";
        }
    }
    report += "total " + formatTime(times.runNs) + "\n";
    report += "version " + std::string(version) + "\n";
    return report;
}
