#pragma once
// Where a user's programs keep their settings on this system.
#include <filesystem>

namespace platform {

// $XDG_CONFIG_HOME (when absolute) or ~/.config on Linux, %APPDATA% on Windows; empty when the
// environment names none.
std::filesystem::path userConfigFolder();

}  // namespace platform
