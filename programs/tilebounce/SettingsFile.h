#pragma once
// The settings file. Reading never fails: what cannot be read keeps its default and is reported.
// Writing replaces the file atomically, and a file that could not be read whole is kept aside
// once the new one is safely written, so nothing the player wrote is lost.
#include <cstddef>
#include <filesystem>
#include <string>

#include "programs/tilebounce/Settings.h"

// A larger file is not read at all: no settings file the game writes comes near it.
inline constexpr std::size_t MaxSettingsBytes = 64 * 1024;

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
