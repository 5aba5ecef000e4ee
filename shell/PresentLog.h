#pragma once
// The game's pace seen from outside: windows that show everything as the wrapped ones do and,
// after each present, append the clock's time in nanoseconds as one line to a file, flushed at
// once. Nothing the game sees changes, not even a log that cannot be written: that is told once
// to `warn` and the logging stops.
#include <functional>
#include <string>

#include "shell/MainWindow.h"

// The factory's windows, each logging its presents into the file at `path` (appended to).
WindowFactory logPresents(WindowFactory factory, const std::string& path,
                          std::function<void(const std::string&)> warn);
