// tilebounce-solve: finds a key script that plays the game from start-up to its ending without
// losing a ball, by searching each stage from snapshots of the very game the replay tool runs.
// Exit status 0 with the script written, 1 when a stage could not be cleared within its budget
// or the script could not be written, 2 for a bad command line or an unreadable lead script.
#include <unistd.h>

#include <fcntl.h>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

#include "shell/KeyScriptFile.h"
#include "shell/KeyScriptReader.h"
#include "tools/solver/Solver.h"

namespace {

constexpr const char* Version = "tilebounce-solve 1.0";

constexpr const char* Help =
    "usage: tilebounce-solve [-o FILE] [--stages A-B] [--lead SCRIPT] [--budget N] [--beam W]\n"
    "Searches the game stage by stage for a key script (the replay tool's format) that plays it\n"
    "from start-up through the title, the stage cards and stages A to B without losing a ball;\n"
    "with B = 20 the script goes on through the ending and closes it. Progress goes to standard\n"
    "error, one line per stage solved, then a summary.\n"
    "  -o, --output FILE  write the script to FILE (default: standard output)\n"
    "  --stages A-B       the stages to search, 1 <= A <= B <= 20 (default 1-20); one number N\n"
    "                     means N-N\n"
    "  --lead SCRIPT      how play reaches stage A when A > 1: a key script that gets there\n"
    "                     (such as an earlier output); its polls from stage A's play on are "
    "dropped\n"
    "  --budget N         positions (a pattern of keys played from a position) each stage may\n"
    "                     cost at most (default 4000000)\n"
    "  --beam W           positions kept between moves (default 400)\n"
    "  --help, --version\n";

struct Arguments {
    std::string output;
    std::string lead;
    SolveOptions options;
};

bool parseNumber(std::string_view text, std::uint64_t& value) {
    const char* end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, value);
    return failure == std::errc{} && stop == end;
}

bool parseStages(std::string_view text, SolveOptions& options) {
    const std::size_t dash = text.find('-');
    std::uint64_t first = 0;
    std::uint64_t last = 0;
    if (!parseNumber(text.substr(0, dash), first) ||
        !parseNumber(dash == std::string_view::npos ? text : text.substr(dash + 1), last)) {
        return false;
    }
    if (first < 1 || first > last || last > 20) {
        return false;
    }
    options.firstStage = static_cast<std::int32_t>(first);
    options.lastStage = static_cast<std::int32_t>(last);
    return true;
}

// 0 to go on, else the exit status.
int parseArguments(int argc, char** argv, Arguments& arguments) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const bool valued = i + 1 < argc;
        std::uint64_t number = 0;
        if (argument == "--help") {
            std::fputs(Help, stdout);
            return -1;
        }
        if (argument == "--version") {
            std::printf("%s\n", Version);
            return -1;
        }
        if ((argument == "-o" || argument == "--output") && valued) {
            arguments.output = argv[++i];
        } else if (argument == "--lead" && valued) {
            arguments.lead = argv[++i];
        } else if (argument == "--stages" && valued &&
                   parseStages(argv[i + 1], arguments.options)) {
            ++i;
        } else if (argument == "--budget" && valued && parseNumber(argv[i + 1], number) &&
                   number > 0) {
            arguments.options.limits.positions = number;
            ++i;
        } else if (argument == "--beam" && valued && parseNumber(argv[i + 1], number) &&
                   number > 0) {
            arguments.options.limits.beamWidth = number;
            ++i;
        } else {
            std::fprintf(stderr, "tilebounce-solve: bad argument '%s'\n%s", argv[i], Help);
            return 2;
        }
    }
    if ((arguments.options.firstStage > 1) != !arguments.lead.empty()) {
        std::fprintf(stderr,
                     "tilebounce-solve: --lead goes with --stages starting after 1, and "
                     "only with it\n");
        return 2;
    }
    return 0;
}

bool readLead(const std::string& path, KeyLines& lead) {
    KeyScriptFile file;
    std::string error;
    if (!file.open(path, error)) {
        std::fprintf(stderr, "tilebounce-solve: lead script: %s\n", error.c_str());
        return false;
    }
    KeyScriptReader reader(file.stream(), file.name());
    for (KeyScriptLine line; reader.next(line);) {
        lead.push_back(line);
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

bool writeScript(const std::string& path, const std::string& script) {
    if (path.empty() || path == "-") {
        std::fputs(script.c_str(), stdout);
        return std::fflush(stdout) == 0;
    }
    std::ofstream file(path);
    file << script;
    file.close();
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
    Arguments arguments;
    if (const int status = parseArguments(argc, argv, arguments); status != 0) {
        return status < 0 ? 0 : status;
    }
    if (!arguments.lead.empty() && !readLead(arguments.lead, arguments.options.lead)) {
        return 2;
    }
    std::uint64_t substeps = 0;
    std::uint64_t positions = 0;
    double seconds = 0;
    SolveResult result;
    {
        const QuietStdout quiet;
        result = solve(arguments.options, [&](const StageSolved& stage) {
            std::fprintf(stderr, "stage %d: %llu substeps, %d lives lost, %llu positions, %.2f s\n",
                         stage.stage, static_cast<unsigned long long>(stage.substeps),
                         stage.livesLost, static_cast<unsigned long long>(stage.positions),
                         stage.seconds);
            substeps += stage.substeps;
            positions += stage.positions;
            seconds += stage.seconds;
        });
    }
    if (!result.solved) {
        std::fprintf(stderr, "tilebounce-solve: %s\n", result.failure.c_str());
        return 1;
    }
    std::fprintf(stderr,
                 "solved stages %d-%d: %llu substeps, 0 lives lost, %llu positions in %.1f s "
                 "(%.0f positions/s)\n",
                 arguments.options.firstStage, arguments.options.lastStage,
                 static_cast<unsigned long long>(substeps),
                 static_cast<unsigned long long>(positions), seconds,
                 seconds > 0 ? static_cast<double>(positions) / seconds : 0.0);
    if (!writeScript(arguments.output, result.script)) {
        std::fprintf(stderr, "tilebounce-solve: cannot write the script %s\n",
                     arguments.output.c_str());
        return 1;
    }
    return 0;
}
