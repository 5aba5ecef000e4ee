#pragma once
// Windows' own spelling of a UTF-8 path, for its wide-character file functions.
#include <optional>
#include <string>

namespace platform {

// Nothing when the path is not valid UTF-8.
std::optional<std::wstring> widePath(const char* path);

}  // namespace platform
