#include "platform/files/WidePath.h"

#include <windows.h>

namespace platform {

std::optional<std::wstring> widePath(const char* path) {
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path, -1, nullptr, 0);
    if (length <= 0) {
        return std::nullopt;
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path, -1, wide.data(), length);
    wide.pop_back();  // the terminator the count included
    return wide;
}

}  // namespace platform
