#pragma once
// Personal bests: the best whole game and the best time of each stage (in a whole game or a
// practice run), each kept with the key script that set it. A record's time is always the one
// its script replays to (see RecordsFile.h); a run offered is timed as it was played.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/RunGame.h"
#include "runs/RunTimes.h"

// A longer script is not kept: no game played in a sitting comes near (over an hour of play),
// replaying every record at start-up stays quick, and 21 records fit in the file's bound. The
// bytes are counted as the file holds them, each line marked (see RecordsText.h).
inline constexpr std::size_t MaxRecordScriptBytes = 190 * 1024;
inline constexpr std::uint64_t MaxRecordScriptPolls = 1'000'000;
// What marks each line of a record's script in the file.
inline constexpr std::string_view RecordScriptLineMark = "| ";

struct Record {
    std::uint64_t ns = 0;
    std::string script;
};

// What a record is of: the whole game (0) or a stage (1 to 20).
inline constexpr std::int32_t WholeGame = 0;

struct Records {
    // By what they are of: [WholeGame] the whole game, [N] stage N.
    std::array<std::optional<Record>, LastStage + 1> best;

    // The record of stage N or of the WholeGame; none when there is none yet.
    const std::optional<Record>& of(std::int32_t what) const { return best.at(what); }
    // Every stage's best time added up, once every stage has one.
    std::optional<std::uint64_t> sumOfBest() const;
};

struct RecordBeaten {
    std::int32_t what = WholeGame;       // WholeGame or a stage
    std::optional<std::uint64_t> oldNs;  // none when there was no record
    std::uint64_t newNs = 0;
};

struct Offered {
    // The records the run beat, the whole game first, then the stages in order; each is now the
    // run's.
    std::vector<RecordBeaten> beaten;
    // Why the run's script cannot be kept although it beat a record; empty when it can.
    std::string refusal;
};

// Whether `script` is one a record may hold: at most MaxRecordScriptBytes and
// MaxRecordScriptPolls, each line read as a key script's. Empty, or why not.
std::string recordScriptRefusal(std::string_view script);

// Takes into `records` what the run timed by `times`, played by `script`, beats: a whole game
// quicker than the record, each stage it cleared quicker than that stage's record (its quickest
// clearing in the run). A time equal to the record's beats nothing.
Offered offer(Records& records, const RunTimes& times, std::string_view script);

// Takes into `into` each record of `from` that is better than `into`'s (or where `into` has none);
// the records taken, as offer gives them.
std::vector<RecordBeaten> keepBetter(Records& into, const Records& from);
