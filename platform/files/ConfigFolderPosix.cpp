#include "platform/files/ConfigFolder.h"

#include <cstdlib>

namespace platform {

std::filesystem::path userConfigFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/') {
        return config;
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
        return std::filesystem::path(home) / ".config";
    }
    return {};
}

}  // namespace platform
