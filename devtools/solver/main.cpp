// tilebounce-solve: finds a key script that plays the game from start-up to its ending without
// losing a ball, by searching each stage from snapshots of the very game the replay tool runs.
// Exit status 0 with the script written, 1 when a stage could not be cleared within its budget
// or the script could not be written, 2 for a bad command line or an unreadable lead script.
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "commandline/CommandLine.h"
#include "devtools/solver/EntryBounds.h"
#include "devtools/solver/LowerBound.h"
#include "devtools/solver/Solver.h"
#include "devtools/solver/TightenedEnds.h"
#include "devtools/solver/WholeGameBound.h"
#include "game/RunGame.h"
#include "platform/files/OutputFile.h"
#include "platform/files/StandardIo.h"

namespace {

constexpr std::string_view Epilogue =
    "The script is in the replay tool's format and plays from start-up through the title and the\n"
    "stage cards. With --stages ending at 20 it goes on through the ending and closes it. A\n"
    "position is one pattern of keys played from one point of a stage. Progress goes to\n"
    "standard error, one line per stage solved, then what a replay of the whole script gives.\n"
    "--fastest searches each stage for its fewest substeps, a substep at a time; its lines give\n"
    "each stage's lower bound (\"at least\"). Either search gives a line every few seconds while\n"
    "a stage is searched; a search whose beam and budget would take more than 1 GiB (estimated\n"
    "before it starts) is refused, and one that runs out of memory ends with status 1. --lead\n"
    "is needed when the first stage is past 1, and only then: a key script that gets play there\n"
    "(such as an earlier output); its polls from that stage's play on are dropped. --bounds\n"
    "searches nothing: for each stage SCRIPT plays (of --stages), it gives the substeps taken\n"
    "and its lower bounds, from where SCRIPT enters the stage (with the random draws that follow\n"
    "from there) and whatever the ball brings, then one for the whole game; up to two minutes a\n"
    "stage by default.\n";

// What a search may take at most, by its estimate before it starts.
constexpr std::uint64_t MaxSearchBytes = std::uint64_t{1} << 30;
// The most positions --budget may give a stage: hours of search, and far more than the beams'
// memory allows, but the bounds' searches hold no more than a substep's balls at once.
constexpr std::uint64_t MostPositions = 1'000'000'000'000;

struct Arguments {
    std::string output;
    std::string lead;
    std::string bounds;
    SolveOptions options;
    // Over the chosen search's defaults.
    std::optional<std::uint64_t> budget;
    std::optional<std::size_t> beam;
};

// "A-B" with 1 <= A <= B <= 20, or one stage N for N-N.
bool readStages(std::string_view text, SolveOptions& options, std::string& problem) {
    const std::size_t dash = text.find('-');
    int first = 0;
    int last = 0;
    if (!readWholeNumber(text.substr(0, dash), 1, 20, first, problem) ||
        !readWholeNumber(dash == text.npos ? text : text.substr(dash + 1), 1, 20, last, problem)) {
        return false;
    }
    if (first > last) {
        problem = "stage " + std::to_string(first) + " comes after stage " + std::to_string(last);
        return false;
    }
    options.firstStage = first;
    options.lastStage = last;
    return true;
}

CommandLineResult readArguments(int argc, char** argv, Arguments& arguments) {
    const ProgramDescription program{
        .name = "tilebounce-solve",
        .operands = "",
        .summary =
            "Searches the game for a key script that plays it, stage by stage, without "
            "losing a ball.",
        .epilogue = Epilogue,
        .options = {{"output", "FILE", "write the script to FILE (default: standard output)",
                     text(arguments.output)},
                    {"stages", "A-B", "the stages to search, 1 to 20 (default 1-20); N means N-N",
                     [&arguments](std::string_view value, std::string& problem) {
                         return readStages(value, arguments.options, problem);
                     }},
                    {"lead", "SCRIPT", "how play reaches the first stage when it is past 1",
                     text(arguments.lead)},
                    {"budget", "N",
                     "positions each stage may cost at most (default 4000000; with --fastest "
                     "120000000, with --bounds 8000000000)",
                     wholeNumber(arguments.budget, std::uint64_t{1}, MostPositions)},
                    {"beam", "W", "positions kept between moves (default 250; with --fastest 4000)",
                     wholeNumber(arguments.beam, 1, 1'000'000)},
                    {"fastest", "",
                     "search each stage for its fewest substeps, one substep at a time",
                     setting(arguments.options.fastest, true)},
                    {"bounds", "SCRIPT",
                     "give each stage's lower bounds beside its substeps in SCRIPT, and stop",
                     text(arguments.bounds)}},
        .takeWord = {}};
    CommandLineResult result = readCommandLine(argc, argv, program);
    SearchLimits& limits = arguments.options.limits;
    if (arguments.options.fastest) {
        limits = FastestLimits;
    }
    limits.positions = arguments.budget.value_or(limits.positions);
    limits.beamWidth = arguments.beam.value_or(limits.beamWidth);
    if (result.verdict != CommandLineResult::Verdict::Run) {
        return result;
    }
    std::string refused;
    if (!arguments.bounds.empty()) {
        if (!arguments.lead.empty() || !arguments.output.empty() || arguments.options.fastest ||
            arguments.beam) {
            refused = "--bounds goes with --stages and --budget alone";
        }
    } else if ((arguments.options.firstStage > 1) != !arguments.lead.empty()) {
        refused = "--lead goes with --stages starting after 1, and only with it";
    } else if (const std::uint64_t bytes =
                   arguments.options.fastest ? fastestSearchBytes(limits) : searchBytes(limits);
               bytes > MaxSearchBytes) {
        refused = "a beam of " + std::to_string(limits.beamWidth) + " with a budget of " +
                  std::to_string(limits.positions) + " positions would take about " +
                  std::to_string(bytes >> 20) + " MiB, more than the " +
                  std::to_string(MaxSearchBytes >> 20) + " MiB a search may take";
    }
    if (!refused.empty()) {
        result = {CommandLineResult::Verdict::Refused, "", "tilebounce-solve: " + refused + "\n",
                  "tilebounce-solve"};
    }
    return result;
}

bool readScript(const char* role, const std::string& path, KeyLines& lines) {
    std::string error;
    if (!readKeyLines(path, lines, error)) {
        std::fprintf(stderr, "tilebounce-solve: %s: %s\n", role, error.c_str());
        return false;
    }
    return true;
}

// The game writes its console lines to standard output; while it runs they go nowhere, so
// that standard output carries the script alone.
class QuietStdout {
  public:
    QuietStdout() {
        std::fflush(stdout);
        saved_ = dup(STDOUT_FILENO);
        const int nowhere = open("/dev/null", O_WRONLY);
        if (nowhere >= 0) {
            dup2(nowhere, STDOUT_FILENO);
            close(nowhere);
        }
    }
    ~QuietStdout() {
        std::fflush(stdout);
        if (saved_ >= 0) {
            dup2(saved_, STDOUT_FILENO);
            close(saved_);
        }
    }
    QuietStdout(const QuietStdout&) = delete;
    QuietStdout& operator=(const QuietStdout&) = delete;

  private:
    int saved_ = -1;
};

std::string boundText(const std::optional<std::uint64_t>& bound) {
    return bound ? "at least " + std::to_string(*bound) : "no bound";
}

// Both bounds hold, so the stage needs at least the greater.
std::uint64_t entryBoundOf(const EntryBound& bound) {
    return std::max(bound.fromEntry.atLeast, bound.anyEntry.value_or(0));
}

std::string stageLine(const EntryBound& bound) {
    return "stage " + std::to_string(bound.stage) + ": " + std::to_string(bound.substeps) +
           " substeps, at least " + std::to_string(entryBoundOf(bound)) +
           " from where the script enters it" +
           (bound.fromEntry.cut ? " (its search cut short)" : "") + ", " +
           boundText(bound.anyEntry) + " whatever the ball brings, " +
           boundText(bound.anyEntryWithoutHover) + " without the hover, " +
           boundText(bound.anyEntryHovering) + " hovering all through\n";
}

// Each stage's line goes to standard error as it is found, and the whole table, with the sums
// over it, to standard output at the end.
int printBounds(const KeyLines& script, const Arguments& arguments) {
    std::string table;
    std::uint64_t substeps = 0;
    std::uint64_t fromEntry = 0;
    std::uint64_t anyEntry = 0;
    std::vector<StageEndsTable> wholeGame;
    std::vector<std::uint64_t> wholeGameAnyEntry;
    {
        const QuietStdout quiet;
        const SolveOptions& options = arguments.options;
        // Only stages from the first to the last make a whole game.
        const bool wholeGameAsked = options.firstStage == 1 && options.lastStage == LastStage;
        boundsAlong(script, options.firstStage, options.lastStage,
                    arguments.budget.value_or(EntryBoundPositions), wholeGameAsked,
                    [&](const EntryBound& bound) {
                        const std::string line = stageLine(bound);
                        std::fputs(line.c_str(), stderr);
                        table += line;
                        substeps += bound.substeps;
                        fromEntry += entryBoundOf(bound);
                        anyEntry += bound.anyEntry.value_or(0);
                        // Each in turn, none of them left out.
                        if (wholeGameAsked &&
                            bound.stage == static_cast<std::int32_t>(wholeGame.size()) + 1) {
                            wholeGame.push_back(bound.ends);
                            wholeGameAnyEntry.push_back(bound.anyEntry.value_or(0));
                        }
                    });
    }
    // A script that clears none of the stages asked for has no bounds to give.
    if (table.empty()) {
        std::fprintf(stderr, "tilebounce-solve: the script clears none of stages %d-%d\n",
                     arguments.options.firstStage, arguments.options.lastStage);
        return 1;
    }
    table += "in all: " + std::to_string(substeps) + " substeps, at least " +
             std::to_string(fromEntry) + " from where the script enters each stage, at least " +
             std::to_string(anyEntry) + " whatever the ball brings\n";
    if (wholeGame.size() == static_cast<std::size_t>(LastStage)) {
        const std::uint64_t easier = wholeGameAtLeast(wholeGame);
        tightenForRoutesShorterThan(
            wholeGame, wholeGameAnyEntry, TightenedRouteLength,
            [](const std::string& line) { std::fputs(line.c_str(), stderr); });
        // The tightened chain speaks only of routes shorter than it was tightened for.
        const std::uint64_t tightened =
            std::max(easier, std::min(TightenedRouteLength, wholeGameAtLeast(wholeGame)));
        table += "the whole game: at least " + std::to_string(tightened) +
                 " substeps, whichever route plays it (" + std::to_string(easier) +
                 " with the jitter free), since a ball hovers only from substep " +
                 std::to_string(FirstHoverSubstep) +
                 " after it last did (or after start-up) and a route shorter than " +
                 std::to_string(TightenedRouteLength) + " has made fewer than " +
                 std::to_string(4 * TightenedRouteLength) + " random draws\n";
    }
    if (std::fputs(table.c_str(), stdout) < 0 || std::fflush(stdout) != 0) {
        std::fputs("tilebounce-solve: cannot write the bounds to standard output\n", stderr);
        return 1;
    }
    return 0;
}

// Where the script goes: standard output, or a file that appears only once written whole.
class ScriptOutput {
  public:
    explicit ScriptOutput(const std::string& path) {
        if (!path.empty() && path != "-") {
            file_.emplace(path, "the script");
        }
    }
    // Shows before the search that the file can be written; false with the reason if not.
    bool open(std::string& error) { return !file_ || file_->open(error); }
    bool write(const std::string& script, std::string& error) {
        std::fputs(script.c_str(), file_ ? file_->stream() : stdout);
        if (file_) {
            return file_->complete(error);
        }
        if (std::fflush(stdout) != 0) {
            error = "cannot write the script to standard output";
            return false;
        }
        return true;
    }

  private:
    std::optional<OutputFile> file_;
};

// A search's progress on standard error every few seconds, and its outer safety: a stage that
// has run this long on the wall clock is given up.
class FastestProgress {
  public:
    bool operator()(const SearchProgress& progress) {
        using Clock = std::chrono::steady_clock;
        const Clock::time_point now = Clock::now();
        if (progress.stage != stage_) {
            stage_ = progress.stage;
            began_ = now;
            told_ = now;
        }
        const std::chrono::duration<double> running = now - began_;
        if (now - told_ >= TellEvery || running >= GiveUpAfter) {
            told_ = now;
            std::fprintf(stderr,
                         "stage %d: searching, %llu substeps deep, %llu positions, closest "
                         "(%d, %d), %.0f s\n",
                         progress.stage, static_cast<unsigned long long>(progress.substeps),
                         static_cast<unsigned long long>(progress.positions), progress.bestX,
                         progress.bestY, running.count());
        }
        if (running >= GiveUpAfter) {
            std::fprintf(stderr, "stage %d: given up after %.0f s on the wall clock\n",
                         progress.stage, running.count());
            return false;
        }
        return true;
    }

  private:
    static constexpr std::chrono::seconds TellEvery{3};
    static constexpr std::chrono::minutes GiveUpAfter{30};
    std::int32_t stage_ = 0;
    std::chrono::steady_clock::time_point began_;
    std::chrono::steady_clock::time_point told_;
};

}  // namespace

int main(int argc, char** argv) {
    platform::setUpStandardIo();
    Arguments arguments;
    if (const std::optional<int> status = stopAfter(readArguments(argc, argv, arguments))) {
        return *status;
    }
    if (const std::string clash =
            sameFileClash({{"--output", arguments.output}, {"--lead", arguments.lead}});
        !clash.empty()) {
        std::fprintf(stderr, "tilebounce-solve: %s\n", clash.c_str());
        return 2;
    }
    if (!arguments.bounds.empty()) {
        KeyLines script;
        if (!readScript("script", arguments.bounds, script)) {
            return 2;
        }
        return printBounds(script, arguments);
    }
    if (!arguments.lead.empty() &&
        !readScript("lead script", arguments.lead, arguments.options.lead)) {
        return 2;
    }
    ScriptOutput output(arguments.output);
    if (std::string error; !output.open(error)) {
        std::fprintf(stderr, "tilebounce-solve: %s\n", error.c_str());
        return 1;
    }
    std::uint64_t positions = 0;
    double seconds = 0;
    SolveResult result;
    // Out of memory (under a limit on it, say), the run ends with the reason, the output's
    // temporary file removed as it unwinds.
    try {
        const QuietStdout quiet;
        FastestProgress progress;
        arguments.options.progress = std::ref(progress);
        result = solve(arguments.options, [&](const StageSolved& stage) {
            const std::string atLeast =
                stage.atLeast ? " (at least " + std::to_string(*stage.atLeast) + ")" : "";
            std::fprintf(stderr, "stage %d: %llu substeps%s, %llu positions, %.2f s\n", stage.stage,
                         static_cast<unsigned long long>(stage.substeps), atLeast.c_str(),
                         static_cast<unsigned long long>(stage.positions), stage.seconds);
            positions += stage.positions;
            seconds += stage.seconds;
        });
    } catch (const std::bad_alloc&) {
        std::fputs(
            "tilebounce-solve: out of memory in the search; a narrower --beam or a smaller "
            "--budget takes less\n",
            stderr);
        return 1;
    }
    if (!result.solved) {
        std::fprintf(stderr, "tilebounce-solve: %s\n", result.failure.c_str());
        return 1;
    }
    std::fprintf(stderr,
                 "solved stages %d-%d: replayed, %llu substeps and %d lives left; %llu positions "
                 "in %.1f s (%.0f positions/s)\n",
                 arguments.options.firstStage, arguments.options.lastStage,
                 static_cast<unsigned long long>(result.substeps), result.lives,
                 static_cast<unsigned long long>(positions), seconds,
                 seconds > 0 ? static_cast<double>(positions) / seconds : 0.0);
    if (std::string error; !output.write(result.script, error)) {
        std::fprintf(stderr, "tilebounce-solve: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
