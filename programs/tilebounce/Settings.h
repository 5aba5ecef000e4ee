#pragma once
// The player's settings, kept between runs in an INI file. Reading never fails: what cannot be
// read keeps its default and is reported. Writing replaces the file atomically, and a file that
// could not be read whole is kept aside once the new one is safely written, so nothing the
// player wrote is lost.
#include <cstddef>
#include <filesystem>
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
// A larger file is not read at all: no settings file the game writes comes near it.
inline constexpr std::size_t MaxSettingsBytes = 64 * 1024;

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

    bool operator==(const Settings&) const = default;
};

// The settings with every value brought within its bounds, and half a size or place (a width
// without a height, x without y) dropped, as the game has no use for it.
Settings withinBounds(Settings settings);

struct SettingsFile {
    std::filesystem::path path;
    Settings settings;
    // "PATH:LINE: what went wrong" (or "PATH cannot be read: why"); empty when the file was read
    // whole or is not there.
    std::string damage;
};

// tilebounce/settings.ini in the user's folder for settings: $XDG_CONFIG_HOME, or ~/.config
// when that is unset or not absolute (%APPDATA% on Windows); empty when none is set.
std::filesystem::path settingsPath();

// Reads only a regular file of at most MaxSettingsBytes, opened without waiting on anything.
SettingsFile readSettings(const std::filesystem::path& path);

// Writes `settings` (held to the bounds) to the file that was read, creating its folder, through
// a temporary file renamed over it; through a symbolic link, the link's target is replaced and
// the link stays. Only a regular file (or none) is replaced. A damaged file is renamed to
// PATH.damaged (or .damaged.2, ...) once the new one is safely on the disk. False, with the reason
// in `error`, when anything fails; every file is then as it was.
bool writeSettings(const SettingsFile& read, const Settings& settings, std::string& error);
