#include "platform/WriteStream.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {

std::FILE* openWriteStream(const std::string& path, std::string& reason) {
    const int descriptor = ::open(
        path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        reason = errno == ENXIO ? "it is a FIFO that no process is reading" : std::strerror(errno);
        return nullptr;
    }
    // Once open, writes wait for a slow reader as they would on any stream.
    const int flags = ::fcntl(descriptor, F_GETFL);
    std::FILE* stream = nullptr;
    if (flags >= 0 && ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) == 0) {
        stream = ::fdopen(descriptor, "w");
    }
    if (stream == nullptr) {
        reason = std::strerror(errno);
        ::close(descriptor);
    }
    return stream;
}

}  // namespace platform
