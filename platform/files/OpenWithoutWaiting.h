#pragma once
// Opening a path for writing without waiting for a reader (POSIX systems): a FIFO that no
// process reads is refused at once, and once open, writes wait for a slow reader as they would
// on any stream.
#include <string>

namespace platform {

// A descriptor of `path` opened with `flags` (O_WRONLY and the like; created with mode 0666),
// or -1 with the reason in `reason`.
int openWithoutWaiting(const std::string& path, int flags, std::string& reason);

}  // namespace platform
