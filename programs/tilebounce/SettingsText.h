#pragma once
// The settings file's text: read line by line, so that damage is named by its line, and written
// so that it reads back the same.
#include <string>
#include <string_view>

#include "programs/tilebounce/Settings.h"

struct SettingsText {
    Settings settings;
    // "LINE: what went wrong" for the first line that could not be read, values quoted with
    // unprintable bytes escaped; empty when the text was read whole.
    std::string damage;
};

SettingsText parseSettings(std::string_view text);

// The file's text for `settings`, held to the bounds first.
std::string settingsText(const Settings& settings);
