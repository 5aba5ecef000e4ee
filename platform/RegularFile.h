#pragma once
// Whole regular files read into memory. Opening never waits on a pipe or a device, and nothing
// but a regular file is read.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

// The content of the regular file at the path (UTF-8 on Windows, bytes elsewhere) when it holds
// at most maxBytes bytes; nothing when it is absent, not a regular file, too large or unreadable.
// A file that shrinks while it is read gives what it still holds.
std::optional<std::vector<std::uint8_t>> readRegularFile(const char* path, std::size_t maxBytes);

}  // namespace platform
