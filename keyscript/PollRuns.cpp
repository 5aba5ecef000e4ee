#include "keyscript/PollRuns.h"

std::optional<KeyScriptLine> PollRuns::add(const KeyScriptLine& polled) {
    if (run_ && run_->held == polled.held && run_->tapped == polled.tapped &&
        run_->count < MaxKeyScriptCount) {
        ++run_->count;
        return std::nullopt;
    }
    return std::exchange(run_, polled);
}

ScriptInMemory::ScriptInMemory(std::int32_t startStage) {
    if (startStage != 1) {
        ended_ = "stage " + std::to_string(startStage) + "\n";
    }
}

void ScriptInMemory::add(const KeyScriptLine& polled) {
    if (const std::optional<KeyScriptLine> line = runs_.add(polled)) {
        ended_ += formatKeyScriptLine(*line) + "\n";
    }
}

std::string ScriptInMemory::text() const {
    PollRuns last = runs_;
    const std::optional<KeyScriptLine> line = last.end();
    return line ? ended_ + formatKeyScriptLine(*line) + "\n" : ended_;
}
