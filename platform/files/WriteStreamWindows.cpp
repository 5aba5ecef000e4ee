#include "platform/files/WriteStream.h"

#include <cerrno>
#include <cstring>

namespace platform {

// Windows' pipes are not opened by path here: a plain open never waits.
std::FILE* openWriteStream(const std::string& path, std::string& reason) {
    std::FILE* stream = std::fopen(path.c_str(), "wb");
    if (stream == nullptr) {
        reason = std::strerror(errno);
    }
    return stream;
}

}  // namespace platform
