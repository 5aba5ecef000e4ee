#pragma once
// Whole regular files read into memory. Opening never waits on a pipe or a device, and nothing
// but a regular file is read.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The content of the regular file at the path (UTF-8 on Windows, bytes elsewhere) when it holds
// at most maxBytes bytes; nothing when it is absent, not a regular file, too large or unreadable,
// with the reason in `problem` ("it is a FIFO, not a file", the system's own words).
// A file that shrinks while it is read gives what it still holds.
std::optional<std::vector<std::uint8_t>> readRegularFile(const char* path, std::size_t maxBytes,
                                                         std::string& problem);

// The reason for a file larger than `maxBytes`.
std::string tooLarge(std::size_t maxBytes);

}  // namespace platform
