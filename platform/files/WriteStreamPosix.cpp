#include "platform/files/WriteStream.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/files/OpenWithoutWaiting.h"

namespace platform {

std::FILE* openWriteStream(const std::string& path, std::string& reason) {
    const int descriptor = openWithoutWaiting(path, O_WRONLY | O_CREAT | O_TRUNC, reason);
    if (descriptor < 0) {
        return nullptr;
    }
    std::FILE* stream = ::fdopen(descriptor, "w");
    if (stream == nullptr) {
        reason = std::strerror(errno);
        ::close(descriptor);
    }
    return stream;
}

}  // namespace platform
