#pragma once
// A file written as a stream from its start, as a recording is: created or emptied, then
// written as the program goes.
#include <cstdio>
#include <string>

namespace platform {

// Opens `path` for writing without waiting for a reader: a FIFO that no process reads is refused
// at once. Null, with the system's reason in `reason`, when it cannot be opened.
std::FILE* openWriteStream(const std::string& path, std::string& reason);

}  // namespace platform
