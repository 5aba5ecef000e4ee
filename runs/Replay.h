#pragma once
// Replays a key script through the whole game, from start-up to its end, with the seams
// swapped: keys from the script, a virtual clock (sleeps and retrace waits are counted, never
// waited), a headless window and recorded cues. The game starts afresh each time.
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>

#include "game/EndLine.h"
#include "keyscript/KeyScriptReader.h"
#include "runs/RunTimer.h"
#include "runs/RunTimes.h"

struct ReplayOptions {
    // Where the trace goes; none when null.
    std::FILE* trace = nullptr;
    // Where the last presented picture is written as a .bmp; none when null.
    std::FILE* screenshot = nullptr;
    // Whether the game's invariants are checked after every substep.
    bool checkInvariants = false;
    // Where play starts, over the script's own stage line.
    std::optional<std::int32_t> stage = {};
    // Whether the game's console lines go to standard output.
    bool consoleLines = true;
    // Called after every substep, the run timed up to it; none when empty.
    std::function<void(const RunTimer&)> afterSubstep = {};
};

struct ReplayOutcome {
    GameOutcome game;
    std::uint64_t virtualMs = 0;  // everything slept and waited
    RunTimes times;
    bool screenshotWritten = false;
    // The first invariant found broken and the poll of its substep; empty when none was.
    std::string brokenInvariant;
};

// Plays the script's lines as they are read; a fault in reading ends the script there (see
// KeyScriptReader::fault). Needs no game running: it makes its own start-up, and leaves the game's
// globals as that game left them.
ReplayOutcome replay(KeyScriptReader& script, const ReplayOptions& options);

// The game's end line and " virtual_ms=T".
std::string endLine(const ReplayOutcome& outcome);
