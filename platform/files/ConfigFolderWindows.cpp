#include "platform/files/ConfigFolder.h"

#include <cstdlib>

namespace platform {

std::filesystem::path userConfigFolder() {
    const char* appData = std::getenv("APPDATA");
    if (appData != nullptr && appData[0] != '\0') {
        return appData;
    }
    return {};
}

}  // namespace platform
