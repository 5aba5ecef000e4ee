#pragma once
// The player's settings, kept between runs in an INI file (SettingsFile.h), and the bounds every
// value is held to.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/picture/Scaling.h"

// The bounds every value is held to, at reading and at saving: a window at most 8 × 640 × 480,
// its place within the coordinates X keeps a window's place in (Windows accepts these too).
inline constexpr int MaxWindowWidth = 8 * 640;
inline constexpr int MaxWindowHeight = 8 * 480;
inline constexpr int MinWindowPosition = -32768;
inline constexpr int MaxWindowPosition = 32767;

struct Settings {
    bool fullScreen = true;
    bool integerScale = false;
    platform::Scaling scaling = platform::Scaling::Sharp;
    int volume = 100;  // 0..100
    bool muted = false;
    // The furthest stage reached in play; --continue starts there.
    int furthestStage = 1;
    // The window's client area; a size of 0 leaves it to the game (640 × 480 times the scale),
    // no position leaves it to the desktop.
    int windowWidth = 0;
    int windowHeight = 0;
    std::optional<int> windowX;
    std::optional<int> windowY;
    // A game key's name (as in GameKeys) or a player's key's (as in PlayerKeys) → the keys that
    // stand for it instead of its own, by SDL's scancode names. A key not listed keeps its own.
    std::map<std::string, std::vector<std::string>> keys;
    // The timer on view from the start; the best game kept raced as a ghost unless told otherwise.
    bool timerShown = false;
    bool ghostBest = false;

    bool operator==(const Settings&) const = default;
};

// The settings with every value brought within its bounds, and half a size or place (a width
// without a height, x without y) dropped, as the game has no use for it.
Settings withinBounds(Settings settings);

// The settings a game that changed `before` into `after` keeps over `onDisk`, what the file holds
// now (another game may have written it meanwhile): the settings changed are the game's, every
// other one stays as on the disk, and the furthest stage is the larger of the two.
Settings changesOver(const Settings& onDisk, const Settings& before, const Settings& after);
