#include "programs/tilebounce/SettingsFile.h"

#include <cstdio>
#include <string_view>

#include "platform/files/ConfigFolder.h"
#include "platform/files/QuotedText.h"
#include "platform/files/RegularFile.h"
#include "platform/files/ReplacedFile.h"
#include "programs/tilebounce/SettingsText.h"

std::filesystem::path settingsPath() {
    const std::filesystem::path base = platform::userConfigFolder();
    return base.empty() ? base : base / "tilebounce" / "settings.ini";
}

SettingsFile readSettings(const std::filesystem::path& path) {
    SettingsFile file;
    file.path = path;
    std::error_code unknown;
    if (path.empty() ||
        std::filesystem::status(path, unknown).type() == std::filesystem::file_type::not_found) {
        return file;
    }
    std::string problem;
    const auto bytes = platform::readRegularFile(path.string().c_str(), MaxSettingsBytes, problem);
    if (!bytes) {
        file.damage = quotedPath(path.string()) + " cannot be read: " + problem;
        return file;
    }
    SettingsText text = parseSettings(
        std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
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
