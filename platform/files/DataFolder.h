#pragma once
// Where a user's programs keep the data they make for the user (a game's records).
#include <filesystem>

namespace platform {

// $XDG_DATA_HOME (when absolute) or ~/.local/share on Linux and in the page (which keeps it in
// the browser's storage), %APPDATA% on Windows; empty when the environment names none.
std::filesystem::path userDataFolder();

}  // namespace platform
