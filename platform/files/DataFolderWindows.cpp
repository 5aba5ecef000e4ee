#include "platform/files/DataFolder.h"

#include "platform/files/ConfigFolder.h"

namespace platform {

// Windows keeps a program's data beside its settings, in the user's roaming application data.
std::filesystem::path userDataFolder() {
    return userConfigFolder();
}

}  // namespace platform
