#pragma once
// The game's command line. What it leaves unset comes from the settings file.
#include <cstdint>
#include <optional>
#include <string>

#include "commandline/CommandLine.h"
#include "keyscript/ScriptedPlay.h"
#include "platform/picture/Scaling.h"

struct GameOptions {
    std::optional<bool> fullScreen;  // --fullscreen or --window
    std::optional<int> scale;        // --scale N: the window is N × 640 × 480
    std::optional<int> volume;       // --volume 0..100
    std::optional<bool> integerScale;
    std::optional<platform::Scaling> scaling;  // --scaling sharp|nearest
    bool sound = true;                         // false: --nosound
    std::optional<std::int32_t> stage;         // --stage N
    ScriptedPlayOptions scripted;              // --record FILE, --playback FILE
    bool continueRun = false;                  // --continue: from the furthest stage reached
    std::optional<std::string> ghost = {};     // --ghost FILE, or "best"
};

inline constexpr int MaxScale = 8;

CommandLineResult readGameCommandLine(int argc, const char* const* argv, GameOptions& options);
