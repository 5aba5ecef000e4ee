#include "game/ConsoleLine.h"

#include <cerrno>
#include <cstdio>

namespace {

int firstWriteError = 0;

}  // namespace

void writeConsoleLine(std::string_view line) {
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

int consoleWriteError() {
    return firstWriteError;
}

void forgetConsoleWriteError() {
    firstWriteError = 0;
}
