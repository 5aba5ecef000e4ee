#include "platform/files/DataFolder.h"

#include <cstdlib>

namespace platform {

std::filesystem::path userDataFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && data[0] == '/') {
        return data;
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
        return std::filesystem::path(home) / ".local" / "share";
    }
    return {};
}

}  // namespace platform
