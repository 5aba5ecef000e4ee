#pragma once
// How this run of the game is set up: the settings file's choices with the command line's over
// them, and what is kept of a run's changes.
#include <cstdint>

#include "platform/VirtualKeys.h"
#include "programs/tilebounce/GameCommandLine.h"
#include "programs/tilebounce/Settings.h"
#include "shell/DesktopWindow.h"

struct Preferences {
    WindowChoice window;
    bool integerScale = false;
    platform::Scaling scaling = platform::Scaling::Sharp;
    int volume = 100;
    bool sound = true;
    std::int32_t stage = 1;
    platform::KeyBindings keys;
};

Preferences preferencesFor(const Settings& settings, const GameOptions& options);

// The settings to keep after a run whose window started as `started` and ended as `ended`:
// those read, with what the player changed during the run (and only that: the command line's
// choices are for one run), held to the settings' bounds.
Settings settingsAfter(const Settings& read, const WindowChoice& started,
                       const WindowChoice& ended);
