// tilebounce-replay: plays a key script through the game without a display and reports how it
// went. Usage: tilebounce-replay [--trace FILE] [--screenshot FILE] [SCRIPT]
// The script is read from SCRIPT, or from standard input when it is absent or "-". Standard
// output carries exactly the game's console lines; the last line on standard error is the end
// line. Exit status 0 after a replay, 1 when the trace or screenshot could not be written, 2 for
// a bad command line or a malformed or unreadable script.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "tools/replay/KeyScript.h"
#include "tools/replay/Replay.h"

namespace {

struct Arguments {
    std::string scriptPath = "-";
    std::optional<std::string> tracePath;
    std::string screenshotPath;
};

constexpr const char* Usage =
    "usage: tilebounce-replay [--trace FILE] [--screenshot FILE] [SCRIPT]";

bool parseArguments(int argc, char** argv, Arguments& arguments) {
    bool scriptGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--trace" && i + 1 < argc) {
            arguments.tracePath = argv[++i];
        } else if (argument == "--screenshot" && i + 1 < argc) {
            arguments.screenshotPath = argv[++i];
        } else if (!scriptGiven && (argument == "-" || !argument.starts_with('-'))) {
            arguments.scriptPath = argument;
            scriptGiven = true;
        } else {
            return false;
        }
    }
    return true;
}

bool readScript(const std::string& path, KeyScript& script) {
    std::string error;
    if (path == "-") {
        if (parseKeyScript(std::cin, script, error)) {
            return true;
        }
    } else {
        std::ifstream file(path);
        if (!file) {
            std::fprintf(stderr, "tilebounce-replay: cannot read the script %s\n", path.c_str());
            return false;
        }
        if (parseKeyScript(file, script, error)) {
            return true;
        }
    }
    std::fprintf(stderr, "tilebounce-replay: bad script, %s\n", error.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    Arguments arguments;
    if (!parseArguments(argc, argv, arguments)) {
        std::fprintf(stderr, "%s\n", Usage);
        return 2;
    }
    KeyScript script;
    if (!readScript(arguments.scriptPath, script)) {
        return 2;
    }
    std::ofstream trace;
    if (arguments.tracePath) {
        trace.open(*arguments.tracePath);
        if (!trace) {
            std::fprintf(stderr, "tilebounce-replay: cannot write the trace %s\n",
                         arguments.tracePath->c_str());
            return 1;
        }
    }
    const ReplayOutcome outcome = replay(script, {.trace = arguments.tracePath ? &trace : nullptr,
                                                  .screenshotPath = arguments.screenshotPath});
    int status = 0;
    trace.close();
    if (arguments.tracePath && !trace) {
        std::fprintf(stderr, "tilebounce-replay: the trace %s was not written in full\n",
                     arguments.tracePath->c_str());
        status = 1;
    }
    if (!arguments.screenshotPath.empty() && !outcome.screenshotWritten) {
        std::fprintf(stderr, "tilebounce-replay: cannot write the screenshot %s\n",
                     arguments.screenshotPath.c_str());
        status = 1;
    }
    std::fprintf(stderr, "%s\n", endLine(outcome).c_str());
    return status;
}
