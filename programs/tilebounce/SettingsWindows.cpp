// The Windows build keeps no settings file yet: the INI reader the Linux build uses could not be
// built for Windows here. With no path, the game starts from its defaults and the command line,
// and never writes.
#include "programs/tilebounce/Settings.h"

std::filesystem::path settingsPath() {
    return {};
}

SettingsFile readSettings(const std::filesystem::path& path) {
    return SettingsFile{path, {}, {}};
}

bool writeSettings(const SettingsFile&, const Settings&, std::string& error) {
    error = "this build keeps no settings file";
    return false;
}
