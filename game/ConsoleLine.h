#pragma once
// The game's console: a line on standard output, flushed as it is written. A line that cannot
// be written does not stop the game; the first failure's reason is kept for the program to
// report when the game is over.
#include <string_view>

void writeConsoleLine(std::string_view line);

// Whether console lines are written at all; they are until told otherwise. A game replayed off
// screen beside the one being played (a ghost, a record) must not add lines to its console.
void enableConsoleLines(bool enabled);

// 0, or the errno of the first console line that could not be written since the last forget.
int consoleWriteError();
void forgetConsoleWriteError();
