#include "platform/files/FileIdentity.h"

#include <windows.h>

#include <optional>

#include "platform/files/WidePath.h"

namespace platform {
namespace {

std::optional<BY_HANDLE_FILE_INFORMATION> identityOf(const std::string& path) {
    const auto wide = widePath(path.c_str());
    if (!wide) {
        return std::nullopt;
    }
    // Backup semantics open folders too; no access is asked for, so nothing waits or locks.
    const HANDLE file =
        CreateFileW(wide->c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    const bool known = GetFileInformationByHandle(file, &information) != 0;
    CloseHandle(file);
    return known ? std::optional(information) : std::nullopt;
}

}  // namespace

bool sameFile(const std::string& first, const std::string& second) {
    const auto one = identityOf(first);
    const auto other = identityOf(second);
    return one && other && one->dwVolumeSerialNumber == other->dwVolumeSerialNumber &&
           one->nFileIndexHigh == other->nFileIndexHigh &&
           one->nFileIndexLow == other->nFileIndexLow;
}

}  // namespace platform
