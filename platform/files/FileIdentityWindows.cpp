#include "platform/files/FileIdentity.h"

#include <io.h>
#include <windows.h>

#include <optional>

#include "platform/files/WidePath.h"

namespace platform {
namespace {

bool sameIdentity(const BY_HANDLE_FILE_INFORMATION& one, const BY_HANDLE_FILE_INFORMATION& other) {
    return one.dwVolumeSerialNumber == other.dwVolumeSerialNumber &&
           one.nFileIndexHigh == other.nFileIndexHigh && one.nFileIndexLow == other.nFileIndexLow;
}

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

// The full path a file not there yet would be made at, with "." and ".." resolved and every
// slash Windows' own.
std::optional<std::wstring> placeOf(const std::string& path) {
    const auto wide = widePath(path.c_str());
    const DWORD room = wide ? GetFullPathNameW(wide->c_str(), 0, nullptr, nullptr) : 0;
    if (room == 0) {
        return std::nullopt;
    }
    std::wstring full(room, L'\0');
    const DWORD length = GetFullPathNameW(wide->c_str(), room, full.data(), nullptr);
    if (length == 0 || length >= room) {
        return std::nullopt;
    }
    full.resize(length);
    return full;
}

}  // namespace

bool sameFile(const std::string& first, const std::string& second) {
    const auto one = identityOf(first);
    const auto other = identityOf(second);
    if (one || other) {
        return one && other && sameIdentity(*one, *other);
    }
    // Names differing only in case are one file there.
    const auto firstPlace = placeOf(first);
    const auto secondPlace = placeOf(second);
    return firstPlace && secondPlace &&
           CompareStringOrdinal(firstPlace->c_str(), -1, secondPlace->c_str(), -1, TRUE) ==
               CSTR_EQUAL;
}

bool fileLeftItsPath(std::FILE* stream, const std::string& path) {
    const auto file = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    BY_HANDLE_FILE_INFORMATION open{};
    if (file == INVALID_HANDLE_VALUE || GetFileType(file) != FILE_TYPE_DISK ||
        GetFileInformationByHandle(file, &open) == 0) {
        return false;
    }
    const auto there = identityOf(path);
    return !there || !sameIdentity(open, *there);
}

}  // namespace platform
