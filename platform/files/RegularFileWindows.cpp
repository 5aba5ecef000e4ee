#include "platform/files/RegularFile.h"

#include <windows.h>

#include <memory>
#include <string>
#include <system_error>

#include "platform/files/WidePath.h"

namespace platform {
namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const {
        if (handle != INVALID_HANDLE_VALUE) {
            CloseHandle(handle);
        }
    }
};
using Handle = std::unique_ptr<void, HandleCloser>;

std::string systemReason() {
    return std::system_category().message(static_cast<int>(GetLastError()));
}

}  // namespace

std::optional<std::vector<std::uint8_t>> readRegularFile(const char* path, std::size_t maxBytes,
                                                         std::string& problem) {
    const auto wide = widePath(path);
    if (!wide) {
        problem = "its name is not UTF-8";
        return std::nullopt;
    }
    // Without backup semantics a folder does not open; a pipe or device opens without waiting
    // and is then refused by its type.
    const Handle file(CreateFileW(wide->c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (file.get() == INVALID_HANDLE_VALUE) {
        problem = systemReason();
        return std::nullopt;
    }
    if (GetFileType(file.get()) != FILE_TYPE_DISK) {
        problem = "it is not a file";
        return std::nullopt;
    }
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<std::uint64_t>(size.QuadPart) > maxBytes) {
        problem = tooLarge(maxBytes);
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file.get(), bytes.data() + filled, static_cast<DWORD>(bytes.size() - filled),
                      &got, nullptr)) {
            problem = systemReason();
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        filled += got;
    }
    bytes.resize(filled);
    return bytes;
}

}  // namespace platform
