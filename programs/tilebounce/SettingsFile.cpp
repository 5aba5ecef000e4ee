#include "programs/tilebounce/SettingsFile.h"

#include <cstdio>
#include <string_view>

#include "platform/files/ConfigFolder.h"
#include "platform/files/QuotedText.h"
#include "platform/files/ReplacedFile.h"
#include "programs/tilebounce/SettingsText.h"

std::filesystem::path settingsPath() {
    const std::filesystem::path base = platform::userConfigFolder();
    return base.empty() ? base : base / "tilebounce" / "settings.ini";
}

SettingsFile readSettings(const std::filesystem::path& path) {
    SettingsFile file;
    file.path = path;
    const platform::KeptFile kept = platform::readKeptFile(path, MaxSettingsBytes);
    if (!kept.problem.empty()) {
        file.damage = quotedPath(path.string()) + " cannot be read: " + kept.problem;
    }
    if (!kept.text) {
        return file;
    }
    SettingsText text = parseSettings(*kept.text);
    file.settings = std::move(text.settings);
    if (!text.damage.empty()) {
        file.damage = quotedPath(path.string()) + ":" + text.damage;
    }
    return file;
}

bool writeSettings(const SettingsFile& read, const Settings& settings, std::string& error) {
    // A damaged file goes aside only once the new one is on the disk under another name.
    return platform::replaceFile(read.path, settingsText(settings), "the settings file",
                                 !read.damage.empty(), error);
}
