#pragma once
// How this run of the game is set up: the settings file's choices with the command line's over
// them, and what is kept of a run's changes.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/sdl/keys/PlayerKeys.h"
#include "platform/sdl/keys/VirtualKeys.h"
#include "programs/tilebounce/GameCommandLine.h"
#include "programs/tilebounce/Settings.h"
#include "shell/DesktopWindow.h"
#include "shell/OverlayTexts.h"

struct Preferences {
    WindowChoice window;
    bool integerScale = false;
    platform::Scaling scaling = platform::Scaling::Sharp;
    int volume = 100;
    bool muted = false;
    bool sound = true;
    std::int32_t stage = 1;
    std::int32_t furthestStage = 1;
    platform::KeyBindings keys;
    platform::PlayerKeyBindings playerKeys;
    bool timerShown = false;
    // The ghost raced: a key script's path, or the best game kept.
    std::optional<std::string> ghostPath;
    bool ghostBest = false;
};

Preferences preferencesFor(const Settings& settings, const GameOptions& options);

// The keys as the player presses them, for the overlays: the game's keys as the settings bind
// them, the player's keys as bound now (bindPlayerKeys).
ShownKeys shownKeys(const Settings& settings);

// One line for each key bound to one of the player's actions that gives something else instead,
// once bindKeys and bindPlayerKeys are made: "M gives one of the game's keys, so it does not give
// Mute" (by the settings or its own place), "M gives Pause, so it does not give Mute" (a default
// key that the settings bind to another of the player's actions).
std::vector<std::string> keyClashes();

// What a run changes that is kept: the window, the sound as the player set it, the progress, the
// timer.
struct RunState {
    WindowChoice window;
    int volume = 100;
    bool muted = false;
    std::int32_t furthestStage = 1;
    bool timerShown = false;
};

// The settings to keep after a run that started as `started` and stands as `now`: those read,
// with what the player changed during the run (and only that: the command line's choices are for
// one run), and the furthest stage ever reached, held to the settings' bounds.
Settings settingsAfter(const Settings& read, const RunState& started, const RunState& now);
