#include "runs/RecordsFile.h"

#include <map>
#include <optional>

#include "platform/files/DataFolder.h"
#include "platform/files/QuotedText.h"
#include "platform/files/ReplacedFile.h"
#include "runs/OffScreen.h"
#include "runs/RecordsText.h"

namespace {

std::string nameOf(std::int32_t what) {
    return what == WholeGame ? "the whole game" : "stage " + std::to_string(what);
}

// The time the claim's script replays to for what it claims, or why it does not. A script that
// several records hold is replayed once.
class ClaimChecker {
  public:
    std::optional<std::uint64_t> timeOf(const RecordClaim& claim, std::string& why) {
        if (why = recordScriptRefusal(claim.script); !why.empty()) {
            return std::nullopt;
        }
        auto [replayed, isNew] = replayed_.try_emplace(claim.script);
        if (isNew) {
            std::string error;
            const std::optional<ReplayOutcome> outcome =
                replayTextOffScreen(claim.script, "its key script", error);
            replayed->second = outcome ? Replayed{outcome->times, {}} : Replayed{{}, error};
        }
        if (why = replayed->second.error; !why.empty()) {
            return std::nullopt;
        }
        const RunTimes& times = replayed->second.times;
        if (claim.what == WholeGame) {
            if (!times.wholeGame()) {
                why = "its key script does not play a whole game";
                return std::nullopt;
            }
            return times.runNs;
        }
        const std::optional<std::uint64_t> ns = times.clearedIn(claim.what);
        if (!ns) {
            why = "its key script does not clear the stage";
        }
        return ns;
    }

  private:
    struct Replayed {
        RunTimes times;
        std::string error;
    };
    std::map<std::string, Replayed, std::less<>> replayed_;
};

}  // namespace

std::filesystem::path recordsPath() {
    const std::filesystem::path base = platform::userDataFolder();
    return base.empty() ? base : base / "tilebounce" / "records";
}

RecordsFile readRecords(const std::filesystem::path& path) {
    RecordsFile file;
    file.path = path;
    const platform::KeptFile kept = platform::readKeptFile(path, MaxRecordsBytes);
    const std::string name = quotedPath(path.string());
    if (!kept.problem.empty()) {
        file.warnings.push_back(name + " cannot be read: " + kept.problem);
        file.damaged = true;
    }
    if (!kept.text) {
        return file;
    }
    const RecordsText text = parseRecordsText(*kept.text);
    if (!text.damage.empty()) {
        file.warnings.push_back(name + ":" + text.damage.front() +
                                (text.damage.size() > 1 ? " (and more)" : ""));
        file.damaged = true;
    }
    ClaimChecker checker;
    for (const RecordClaim& claim : text.claims) {
        std::string why;
        const std::optional<std::uint64_t> ns = checker.timeOf(claim, why);
        if (!ns) {
            file.warnings.push_back(name + ":" + std::to_string(claim.line) + ": the record of " +
                                    nameOf(claim.what) + " is set aside: " + why);
            file.damaged = true;
            continue;
        }
        std::optional<Record>& held = file.records.best[claim.what];
        if (!held || *ns < held->ns) {
            held = Record{*ns, claim.script};
        }
    }
    return file;
}

bool writeRecords(const RecordsFile& read, const Records& records, std::string& error) {
    return platform::replaceFile(read.path, recordsText(records), "the records", read.damaged,
                                 error);
}
