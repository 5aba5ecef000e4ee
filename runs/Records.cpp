#include "runs/Records.h"

#include "keyscript/KeyScript.h"
#include "runs/TextLines.h"

namespace {

// Whether `ns` beats the record `held`.
bool beats(std::uint64_t ns, const std::optional<Record>& held) {
    return !held || ns < held->ns;
}

// Takes `candidate` as the record of `what` when it beats the one held, noting it in `beaten`.
void take(Records& records, std::int32_t what, Record candidate,
          std::vector<RecordBeaten>& beaten) {
    std::optional<Record>& held = records.best[what];
    if (!beats(candidate.ns, held)) {
        return;
    }
    beaten.push_back({.what = what,
                      .oldNs = held ? std::optional(held->ns) : std::nullopt,
                      .newNs = candidate.ns});
    held = std::move(candidate);
}

}  // namespace

std::optional<std::uint64_t> Records::sumOfBest() const {
    std::uint64_t sum = 0;
    for (std::int32_t stage = FirstStage; stage <= LastStage; ++stage) {
        if (!best[stage]) {
            return std::nullopt;
        }
        sum += best[stage]->ns;
    }
    return sum;
}

std::string recordScriptRefusal(std::string_view script) {
    std::uint64_t polls = 0;
    std::size_t stored = 0;
    forEachLine(script, [&](std::string_view text) {
        stored += RecordScriptLineMark.size() + text.size() + 1;
        KeyScriptLine line;
        std::string problem;
        if (parseKeyScriptLine(text, line, problem) == LineMeaning::Polls) {
            polls += line.count;
        }
    });
    if (stored > MaxRecordScriptBytes) {
        return "its key script takes more than " + std::to_string(MaxRecordScriptBytes) + " bytes";
    }
    if (polls > MaxRecordScriptPolls) {
        return "its key script plays more than " + std::to_string(MaxRecordScriptPolls) + " polls";
    }
    return {};
}

Offered offer(Records& records, const RunTimes& times, std::string_view script) {
    Records taken = records;
    Offered offered;
    if (times.wholeGame()) {
        take(taken, WholeGame, {times.runNs, std::string(script)}, offered.beaten);
    }
    for (std::int32_t stage = FirstStage; stage <= LastStage; ++stage) {
        if (const std::optional<std::uint64_t> ns = times.clearedIn(stage)) {
            take(taken, stage, {*ns, std::string(script)}, offered.beaten);
        }
    }
    if (!offered.beaten.empty()) {
        if (offered.refusal = recordScriptRefusal(script); !offered.refusal.empty()) {
            offered.beaten.clear();
            return offered;
        }
    }
    records = std::move(taken);
    return offered;
}

std::vector<RecordBeaten> keepBetter(Records& into, const Records& from) {
    std::vector<RecordBeaten> beaten;
    for (std::int32_t what = WholeGame; what <= LastStage; ++what) {
        if (from.best[what]) {
            take(into, what, *from.best[what], beaten);
        }
    }
    return beaten;
}
