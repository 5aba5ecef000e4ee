#include "game/ConsoleLine.h"

#include <cerrno>
#include <cstdio>

namespace {

int firstWriteError = 0;
bool linesWritten = true;

}  // namespace

void writeConsoleLine(std::string_view line) {
    if (!linesWritten) {
        return;
    }
    const bool written = std::fwrite(line.data(), 1, line.size(), stdout) == line.size() &&
                         std::fputc('\n', stdout) != EOF && std::fflush(stdout) == 0;
    if (!written) {
        if (firstWriteError == 0) {
            firstWriteError = errno;
        }
        // Later lines try again.
        std::clearerr(stdout);
    }
}

void enableConsoleLines(bool enabled) {
    linesWritten = enabled;
}

int consoleWriteError() {
    return firstWriteError;
}

void forgetConsoleWriteError() {
    firstWriteError = 0;
}
