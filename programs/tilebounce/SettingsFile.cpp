#include "programs/tilebounce/SettingsFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "platform/files/ConfigFolder.h"
#include "platform/files/OutputFile.h"
#include "platform/files/QuotedText.h"
#include "platform/files/RegularFile.h"
#include "programs/tilebounce/SettingsText.h"

namespace {

// A name beside `file` for the damaged file: FILE.damaged, or .damaged.2, ... when taken.
std::string asideName(const std::string& file) {
    std::error_code unknown;
    std::string aside = file + ".damaged";
    for (int n = 2; std::filesystem::exists(std::filesystem::symlink_status(aside, unknown)); ++n) {
        aside = file + ".damaged." + std::to_string(n);
    }
    return aside;
}

}  // namespace

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
    const std::filesystem::path& path = read.path;
    std::error_code unknown;
    const std::filesystem::file_type type = std::filesystem::status(path, unknown).type();
    if (type != std::filesystem::file_type::not_found &&
        type != std::filesystem::file_type::regular) {
        error = quotedPath(path.string()) + " is not a regular file, and only one is replaced";
        return false;
    }
    std::error_code made;
    std::filesystem::create_directories(path.parent_path(), made);
    if (made) {
        error = "cannot make the folder " + quotedPath(path.parent_path().string()) + ": " +
                made.message();
        return false;
    }
    // The new file is on the disk under another name before the old one is touched.
    OutputFile file(path.string(), "the settings file");
    if (!file.open(error)) {
        return false;
    }
    std::fputs(settingsText(settings).c_str(), file.stream());
    if (!file.sync(error)) {
        return false;
    }
    std::string aside;
    if (!read.damage.empty() && type == std::filesystem::file_type::regular) {
        aside = asideName(file.target());
        if (std::rename(file.target().c_str(), aside.c_str()) != 0) {
            error = "cannot keep the damaged settings file " + quotedPath(path.string()) +
                    " aside as " + quotedPath(aside) + ": " + std::strerror(errno);
            return false;
        }
    }
    if (!file.complete(error)) {
        if (!aside.empty()) {
            std::rename(aside.c_str(), file.target().c_str());  // back where it was
        }
        return false;
    }
    return true;
}
