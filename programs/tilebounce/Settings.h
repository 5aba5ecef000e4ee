#pragma once
// The player's settings, kept between runs in an INI file. Reading never fails: what cannot be
// read keeps its default and is reported. Writing replaces the file atomically, and a file that
// could not be read whole is first renamed aside, so nothing the player wrote is lost.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Scaling.h"

struct Settings {
    bool fullScreen = true;
    bool integerScale = false;
    platform::Scaling scaling = platform::Scaling::Sharp;
    int volume = 100;  // 0..100
    // The window's client area; a size of 0 leaves it to the game (640 × 480 times the scale),
    // no position leaves it to the desktop.
    int windowWidth = 0;
    int windowHeight = 0;
    std::optional<int> windowX;
    std::optional<int> windowY;
    // A game key's name (as in GameKeys) → the keys that stand for it instead of its own, by
    // SDL's scancode names. A game key not listed keeps its own keys.
    std::map<std::string, std::vector<std::string>> keys;

    bool operator==(const Settings&) const = default;
};

struct SettingsFile {
    std::filesystem::path path;
    Settings settings;
    // "PATH:LINE: what went wrong" (or "PATH: ..." when it could not be opened); empty when the
    // file was read whole or is not there.
    std::string damage;
};

// $XDG_CONFIG_HOME/tilebounce/settings.ini, or ~/.config/tilebounce/settings.ini when that is
// unset or not absolute; empty when neither it nor HOME is set.
std::filesystem::path settingsPath();

SettingsFile readSettings(const std::filesystem::path& path);

// Writes `settings` to the file that was read, creating its folder, through a temporary file
// renamed over it. A damaged file is renamed to PATH.damaged (or .damaged.2, ...) first. False,
// with the reason in `error`, when anything fails; the file that was there is then untouched.
bool writeSettings(const SettingsFile& read, const Settings& settings, std::string& error);
