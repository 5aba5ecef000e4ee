// tilebounce-replay: plays a key script through the game without a display and reports how it
// went. Usage: tilebounce-replay [--trace FILE] [--screenshot FILE] [--check] [--stage N]
// [--times] [SCRIPT], or tilebounce-replay --link SCRIPT, which writes the script's link and
// plays nothing.
// The script is read from SCRIPT, or from standard input when it is absent or "-", and checked
// whole before anything plays; it may be a run's link instead. Standard output carries exactly
// the game's console lines; the last line on standard error is the end line. --check checks the
// game's invariants after every substep; --times reports each stage's time, the run's and the
// version on standard error, before the end line. Exit status 0 after a replay; 1 when an output
// (the trace, the screenshot, standard output) could not be written, none being left
// part-written; 2 for a bad command line or a malformed or unreadable script, or one that
// changed while it played (no output file is then kept); 3 when --check found an invariant
// broken.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "commandline/CommandLine.h"
#include "game/ConsoleLine.h"
#include "game/RunGame.h"
#include "keyscript/KeyScriptFile.h"
#include "keyscript/KeyScriptReader.h"
#include "keyscript/ScriptFileLink.h"
#include "platform/files/OutputFile.h"
#include "platform/files/StandardIo.h"
#include "runs/Replay.h"
#include "runs/TimesReport.h"

namespace {

struct Arguments {
    std::optional<std::string> scriptPath;
    std::optional<std::string> tracePath;
    std::optional<std::string> screenshotPath;
    bool checkInvariants = false;
    std::optional<std::int32_t> stage;
    bool times = false;
    std::optional<std::string> linkPath;
};

constexpr std::string_view Epilogue =
    "The script is read from SCRIPT, or from standard input when it is absent or \"-\", and\n"
    "checked whole before anything plays. Each line \"COUNT KEYS\" stands for COUNT keyboard\n"
    "polls with KEYS down: \"-\" or names joined by + from Enter, Escape, Space, Left, Up, Right,\n"
    "Down, a name followed by * tapped; \"stage N\" before them starts play at stage N.\n"
    "The file may hold a run's link instead (tb1..., #run=tb1... or a whole URL).\n"
    "Standard output carries the game's console lines; the last line on standard error is the\n"
    "end line, after the times that --times reports (in the game's own time, m:ss.cc).\n"
    "Exit status: 0; 1 when an output could not be written; 2 for a bad command line\n"
    "or script; 3 when --check found an invariant broken.\n";

CommandLineResult parseArguments(int argc, char** argv, Arguments& arguments) {
    const ProgramDescription program{
        .name = "tilebounce-replay",
        .operands = "[SCRIPT]",
        .summary = "Plays a key script through the game without a display and reports how it went.",
        .epilogue = Epilogue,
        .options = {{"trace", "FILE", "write a CSV row per physics substep to FILE",
                     text(arguments.tracePath)},
                    {"screenshot", "FILE", "write the last picture shown to FILE (.bmp)",
                     text(arguments.screenshotPath)},
                    {"check", "", "check the game's invariants after every substep",
                     setting(arguments.checkInvariants, true)},
                    {"stage", "N", "start play at stage N (1 to 20), over the script's own",
                     wholeNumber(arguments.stage, FirstStage, LastStage)},
                    {"times", "", "report each stage's time, the run's and the version",
                     setting(arguments.times, true)},
                    {"link", "FILE", "write the link of FILE's script to standard output and exit",
                     text(arguments.linkPath)}},
        .takeWord = atMostOneWord(arguments.scriptPath, "script")};
    return readCommandLine(argc, argv, program);
}

void complain(const std::string& message) {
    std::fprintf(stderr, "tilebounce-replay: %s\n", message.c_str());
}

// The output at `path`, if one is asked for, opened under its temporary name; false with a
// message when it cannot be.
bool openOutput(const std::optional<std::string>& path, const char* what,
                std::optional<OutputFile>& output) {
    if (!path) {
        return true;
    }
    std::string error;
    if (!output.emplace(*path, what).open(error)) {
        complain(error);
        return false;
    }
    return true;
}

// Flushes standard output; false, with a message, when that or an earlier write (whose errno is
// `writeError`, 0 for none) failed.
bool standardOutputWritten(int writeError) {
    if (std::fflush(stdout) != 0 && writeError == 0) {
        writeError = errno;
    }
    if (writeError != 0) {
        complain(std::string("cannot write standard output: ") + std::strerror(writeError));
        return false;
    }
    return true;
}

// Completes every output there is; false, with a message for each, when one could not be
// written in full.
bool completeOutputs(std::optional<OutputFile>& trace, std::optional<OutputFile>& screenshot,
                     bool screenshotTaken) {
    bool written = true;
    std::string error;
    if (trace && !trace->complete(error)) {
        complain(error);
        written = false;
    }
    if (screenshot && !screenshotTaken) {
        const std::string failure = screenshot->writeFailure();
        complain(failure.empty() ? "no picture was presented for the screenshot" : failure);
        written = false;
    } else if (screenshot && !screenshot->complete(error)) {
        complain(error);
        written = false;
    }
    return standardOutputWritten(consoleWriteError()) && written;
}

// --link: the script's link on standard output, nothing played.
int writeLink(const std::string& path) {
    std::string link;
    std::string error;
    if (!linkOfScriptFile(path, link, error)) {
        complain(error);
        return 2;
    }
    const int writeError = std::fprintf(stdout, "%s\n", link.c_str()) < 0 ? errno : 0;
    return standardOutputWritten(writeError) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    platform::setUpStandardIo();
    Arguments arguments;
    if (const std::optional<int> status = stopAfter(parseArguments(argc, argv, arguments))) {
        return *status;
    }
    if (arguments.linkPath) {
        if (arguments.scriptPath || arguments.tracePath || arguments.screenshotPath ||
            arguments.checkInvariants || arguments.stage) {
            complain("--link takes no SCRIPT and no other option");
            return 2;
        }
        return writeLink(*arguments.linkPath);
    }
    if (const std::string clash =
            sameFileClash({{"SCRIPT", arguments.scriptPath.value_or("")},
                           {"--trace", arguments.tracePath.value_or("")},
                           {"--screenshot", arguments.screenshotPath.value_or("")}});
        !clash.empty()) {
        complain(clash);
        return 2;
    }
    KeyScriptFile scriptFile;
    std::string error;
    if (!scriptFile.open(arguments.scriptPath.value_or("-"), error)) {
        complain(error);
        return 2;
    }
    std::optional<OutputFile> trace;
    std::optional<OutputFile> screenshot;
    if (!openOutput(arguments.tracePath, "the trace", trace) ||
        !openOutput(arguments.screenshotPath, "the screenshot", screenshot)) {
        return 1;
    }

    KeyScriptReader script(scriptFile.stream(), scriptFile.name());
    const ReplayOutcome outcome =
        replay(script, {.trace = trace ? trace->stream() : nullptr,
                        .screenshot = screenshot ? screenshot->stream() : nullptr,
                        .checkInvariants = arguments.checkInvariants,
                        .stage = arguments.stage});
    // The script changed or failed after it was checked: the outputs describe no run of it, and
    // their temporary files go.
    const std::string fault = !script.fault().empty() ? script.fault() : scriptFile.changed();
    if (!fault.empty()) {
        trace.reset();
        screenshot.reset();
    }
    int status = completeOutputs(trace, screenshot, outcome.screenshotWritten) ? 0 : 1;
    if (!outcome.brokenInvariant.empty()) {
        complain("broken: " + outcome.brokenInvariant);
        status = 3;
    }
    if (!fault.empty()) {
        complain(fault);
        status = 2;
    }
    if (arguments.times) {
        std::fputs(timesReport(outcome.times, projectVersion()).c_str(), stderr);
    }
    std::fprintf(stderr, "%s\n", endLine(outcome).c_str());
    return status;
}
