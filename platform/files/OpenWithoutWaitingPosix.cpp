#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/files/OpenWithoutWaiting.h"

namespace platform {

int openWithoutWaiting(const std::string& path, int flags, std::string& reason) {
    const int descriptor = ::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        reason = errno == ENXIO ? "it is a FIFO that no process is reading" : std::strerror(errno);
        return -1;
    }
    const int opened = ::fcntl(descriptor, F_GETFL);
    if (opened < 0 || ::fcntl(descriptor, F_SETFL, opened & ~O_NONBLOCK) != 0) {
        reason = std::strerror(errno);
        ::close(descriptor);
        return -1;
    }
    return descriptor;
}

}  // namespace platform
